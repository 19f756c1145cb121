// Draws the splash pictures StartE.jpg (English) and StartC.jpg (Chinese):
// the program's title and a caption on a plain background of our own.
//   splashgen <output folder>
#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 270;

struct Picture {
    const char* file;
    const char* caption;
    const char* starting;
    const char* family;
};

// Concentric arcs from a small mast: the idea of a radio, nothing more.
void DrawWaves(QPainter& p, QPointF at) {
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 200 - 45 * i), 4, Qt::SolidLine, Qt::RoundCap));
        const double r = 14.0 * i;
        p.drawArc(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), 40 * 16, 100 * 16);
    }
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at, at + QPointF(0, 40));
    p.setBrush(Qt::white);
    p.drawEllipse(at, 4, 4);
}

bool Draw(const Picture& pic, const QString& folder) {
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, kWidth, kHeight);
    g.setColorAt(0, QColor(18, 46, 84));
    g.setColorAt(1, QColor(22, 120, 128));
    p.fillRect(img.rect(), g);
    p.fillRect(QRect(0, kHeight - 36, kWidth, 36), QColor(0, 0, 0, 70));
    DrawWaves(p, QPointF(kWidth / 2.0, 62));

    QFont title(pic.family);
    title.setPixelSize(44);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 112, kWidth, 56), Qt::AlignCenter, QStringLiteral("KEVRA_8R"));

    QFont caption(pic.family);
    caption.setPixelSize(20);
    p.setFont(caption);
    p.setPen(QColor(220, 236, 240));
    p.drawText(QRect(0, 170, kWidth, 32), Qt::AlignCenter, QString::fromUtf8(pic.caption));

    QFont small(pic.family);
    small.setPixelSize(14);
    p.setFont(small);
    p.setPen(QColor(200, 220, 225));
    p.drawText(QRect(16, kHeight - 36, kWidth - 32, 36), Qt::AlignVCenter | Qt::AlignRight,
               QString::fromUtf8(pic.starting));
    p.end();
    return img.save(QDir(folder).filePath(QString::fromLatin1(pic.file)), "JPG", 90);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: splashgen <output folder>\n");
        return 2;
    }
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const Picture pictures[] = {
        {"StartE.jpg", "Radio programming software", "Starting...", "DejaVu Sans"},
        {"StartC.jpg", "对讲机编程软件", "正在启动……", "WenQuanYi Micro Hei"},
    };
    for (const Picture& pic : pictures) {
        if (!Draw(pic, folder)) {
            std::fprintf(stderr, "splashgen: cannot write %s\n", pic.file);
            return 1;
        }
    }
    return 0;
}
