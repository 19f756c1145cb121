#pragma once
// Where the window tests save their screenshots: the folder the environment
// variable RP_SCREENSHOTS names, else rp-screenshots in the system's
// temporary folder; never the checkout or the build folder.
#include <QDir>
#include <QString>
#include <QWidget>

namespace rp::test {

// The screenshots' folder, or the folder `sub` inside it; made when missing.
inline QString ScreenshotFolder(const QString& sub = {}) {
    QString folder = qEnvironmentVariable("RP_SCREENSHOTS");
    if (folder.isEmpty()) folder = QDir::tempPath() + "/rp-screenshots";
    if (!sub.isEmpty()) folder += "/" + sub;
    QDir().mkpath(folder);
    return folder;
}

// The path of the file `name` (with its ending) in the screenshots' folder.
inline QString ScreenshotFile(const QString& name) { return ScreenshotFolder() + "/" + name; }

// Saves what `w` shows as `name`.png in the screenshots' folder; false when
// the file cannot be written.
inline bool SaveScreenshot(QWidget& w, const QString& name) { return w.grab().save(ScreenshotFile(name + ".png")); }

}  // namespace rp::test
