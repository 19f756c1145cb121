#include "platform/portlist.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace rp {

namespace {
// Stable names: <folder>/<name> -> the device it links to.
QFileInfoList ByIdLinks(const std::string& folder) {
    QDir byId(QString::fromStdString(folder));
    return byId.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

std::string Shown(const QFileInfoList& links, const QString& device) {
    const QString target = QFileInfo(device).canonicalFilePath();
    if (!target.isEmpty()) {
        for (const QFileInfo& l : links)
            if (l.canonicalFilePath() == target) return l.absoluteFilePath().toStdString();
    }
    return device.toStdString();
}
}  // namespace

std::vector<PortInfo> QtPortListProvider::Ports() {
    const QFileInfoList links = ByIdLinks(byIdFolder_);
    std::vector<PortInfo> out;
    for (const QSerialPortInfo& p : QSerialPortInfo::availablePorts()) {
        const QString device = p.systemLocation();
        out.push_back({Shown(links, device), device.toStdString()});
    }
    return out;
}

std::string QtPortListProvider::ShownName(const std::string& device) const {
    return Shown(ByIdLinks(byIdFolder_), QString::fromStdString(device));
}

bool QtPortListProvider::Exists(const std::string& path) {
    return !path.empty() && QFileInfo::exists(QString::fromStdString(path));
}

}  // namespace rp
