#include "platform/portlist.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace rp {

std::vector<PortInfo> QtPortListProvider::Ports() {
    // Stable names: /dev/serial/by-id/<name> -> the device it links to.
    QDir byId(QStringLiteral("/dev/serial/by-id"));
    const QFileInfoList links = byId.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    std::vector<PortInfo> out;
    for (const QSerialPortInfo& p : QSerialPortInfo::availablePorts()) {
        const QString device = p.systemLocation();
        QString shown = device;
        for (const QFileInfo& l : links) {
            if (l.canonicalFilePath() == QFileInfo(device).canonicalFilePath()) {
                shown = l.absoluteFilePath();
                break;
            }
        }
        out.push_back({shown.toStdString(), device.toStdString()});
    }
    return out;
}

bool QtPortListProvider::Exists(const std::string& path) {
    return !path.empty() && QFileInfo::exists(QString::fromStdString(path));
}

}  // namespace rp
