#include "mainwindow/qt/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cstring>

#include "mainwindow/frmmaincontrols.h"

namespace rp {

namespace {

using Draw = void (*)(QPainter&);

QIcon Drawn(Draw draw) {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        draw(p);
        icon.addPixmap(pm);
    }
    return icon;
}

void Page(QPainter& p) {
    QPainterPath path;
    path.moveTo(7, 3);
    path.lineTo(20, 3);
    path.lineTo(26, 9);
    path.lineTo(26, 29);
    path.lineTo(7, 29);
    path.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawLine(QPointF(20, 3), QPointF(20, 9));
    p.drawLine(QPointF(20, 9), QPointF(26, 9));
}

void NewFile(QPainter& p) {
    Page(p);
    p.setPen(QPen(QColor(40, 140, 40), 3));
    p.drawLine(QPointF(16, 14), QPointF(16, 24));
    p.drawLine(QPointF(11, 19), QPointF(21, 19));
}

void OpenFile(QPainter& p) {
    p.setPen(QPen(QColor(120, 90, 20), 1.5));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(QRectF(3, 9, 24, 18));
    p.setBrush(QColor(250, 220, 120));
    QPolygonF flap({{3, 27}, {8, 14}, {30, 14}, {27, 27}});
    p.drawPolygon(flap);
}

void SaveFile(QPainter& p) {
    p.setPen(QPen(QColor(30, 50, 110), 1.5));
    p.setBrush(QColor(70, 110, 200));
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(9, 18, 14, 10));
}

void Radio(QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(QColor(70, 70, 80));
    p.drawRoundedRect(QRectF(10, 9, 13, 21), 3, 3);
    p.drawLine(QPointF(13, 9), QPointF(13, 2));
    p.setBrush(QColor(150, 220, 150));
    p.drawRect(QRectF(12.5, 12, 8, 5));
}

void Arrow(QPainter& p, bool down, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    QPolygonF a = down ? QPolygonF({{20, 14}, {31, 14}, {25.5, 22}}) : QPolygonF({{20, 22}, {31, 22}, {25.5, 14}});
    p.drawPolygon(a);
    p.drawRect(QRectF(23.5, down ? 6 : 22, 4, 8));
}

void CommRead(QPainter& p) {
    Radio(p);
    Arrow(p, true, QColor(30, 140, 30));
}

void CommWrite(QPainter& p) {
    Radio(p);
    Arrow(p, false, QColor(190, 60, 30));
}

void CommPort(QPainter& p) {
    p.setPen(QPen(QColor(50, 50, 50), 1.5));
    p.setBrush(QColor(180, 180, 190));
    QPolygonF plug({{4, 10}, {28, 10}, {24, 22}, {8, 22}});
    p.drawPolygon(plug);
    p.setBrush(QColor(40, 40, 40));
    for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(9.5 + i * 4.3, 14), 1.2, 1.2);
    for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(11.5 + i * 4.3, 18), 1.2, 1.2);
}

void About(QPainter& p) {
    p.setPen(QPen(QColor(20, 70, 150), 1.5));
    p.setBrush(QColor(60, 120, 210));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 9.5), 2.2, 2.2);
    p.drawRoundedRect(QRectF(14, 13.5, 4, 12), 1.5, 1.5);
}

}  // namespace

QIcon ToolIcon(const char* key) {
    struct Entry {
        const char* key;
        const char* theme;
        Draw draw;
    };
    static const Entry entries[] = {
        {mainform::ToolNew, "document-new", NewFile},   {mainform::ToolOpen, "document-open", OpenFile},
        {mainform::ToolSave, "document-save", SaveFile}, {mainform::ToolRead, "", CommRead},
        {mainform::ToolPort, "", CommPort},             {mainform::ToolWrite, "", CommWrite},
        {mainform::ToolAbout, "help-about", About},
    };
    for (const auto& e : entries) {
        if (std::strcmp(e.key, key) != 0) continue;
        const QIcon own = Drawn(e.draw);
        return *e.theme ? QIcon::fromTheme(e.theme, own) : own;
    }
    return {};
}

QIcon WindowIcon() { return Drawn(Radio); }

}  // namespace rp
