// Whole read and write started from the main window (offscreen, progress
// dialog up) against the simulated radio on a pseudo-terminal, paced at
// 9600 baud 8N1 both ways. Prints the total time divided by the wire time
// of the bytes that crossed (goal: 1.02 or less); transfer_paced gives the
// engine's own figure for comparison.
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>

#include "app/program.h"
#include "core/fakes.h"
#include "tools/ptyradio.h"

namespace {

namespace fs = std::filesystem;

void Line(const std::string& s) {
    std::fputs((s + "\n").c_str(), stdout);
    std::fflush(stdout);
}

std::string Num(double v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 4);
    return std::string(buf, r.ptr);
}

class NoPorts : public rp::PortListProvider {
public:
    std::vector<rp::PortInfo> Ports() override { return {}; }
    bool Exists(const std::string&) override { return false; }
};

bool RunOnce(const fs::path& bin, const char* command, bool paced) {
    QTemporaryDir folder;
    fs::create_directories(fs::path(folder.path().toStdString()) / "language");
    for (const char* f : {"language/english.ini", "language/chinese.ini"})
        fs::copy(bin / f, fs::path(folder.path().toStdString()) / f);
    rp::sim::SimOptions o;
    o.Paced = paced;
    rp::sim::PtyRadio pty(o);
    pty.Radio().LogEnabled = false;
    if (!pty.Open()) return false;
    rp::test::RecordingNotifier notes;
    NoPorts ports;
    rp::ProgramOptions po;
    po.appFolder = folder.path().toStdString();
    po.userConfigDir = po.appFolder + "/user";
    po.ports = &ports;
    rp::StartupHooks h;
    h.LanguageIndex = 1;
    rp::Program program(&notes, h, po);
    program.Start();
    QTest::mouseClick(program.splash()->findChild<QLabel*>(rp::splash::Logo), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return program.window() && program.window()->isVisible(); }, 10000)) return false;
    program.data().ComDevice = pty.SlavePath();
    pty.Start();
    QElapsedTimer t;
    t.start();
    program.window()->findChild<QAction*>(command)->trigger();
    const bool dialogUp = program.radio()->progress() != nullptr;
    // The program's own kind of loop: asleep until the line or a timer wakes
    // it (processEvents with a time limit never sleeps: a loop of it spins
    // and competes with the load). The tick wakes it to look at the transfer.
    QTimer tick;
    tick.start(50);
    while (program.radio()->commands().TransferRunning())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    pty.Stop();
    QTest::qWait(20);  // the end message
    const bool read = std::string(command) == rp::mainform::ProgramRead;
    const std::string expected = program.data().Ui.Texts->Text(read ? 2004 : 2005);
    const bool ok = dialogUp && !notes.shown.empty() && notes.shown.back().text == expected;
    const std::size_t bytes = pty.BytesIn() + pty.BytesOut();
    const std::string what = std::string(read ? "read " : "write") + (paced ? " paced  " : " unpaced");
    if (paced) {
        const double wire = rp::sim::SimRadio::WireMs(bytes);
        Line(what + ": " + Num(ms / 1000) + " s for " + std::to_string(bytes) + " bytes, wire time " +
             Num(wire / 1000) + " s, ratio " + Num(ms / wire) + (ok ? "" : "  FAILED"));
    } else {
        Line(what + ": " + Num(ms) + " ms for " + std::to_string(bytes) + " bytes" + (ok ? "" : "  FAILED"));
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const fs::path bin = fs::path(QCoreApplication::applicationDirPath().toStdString());
    const bool unpacedOnly = argc > 1 && std::string(argv[1]) == "--unpaced";
    bool ok = true;
    ok &= RunOnce(bin, rp::mainform::ProgramRead, false);
    ok &= RunOnce(bin, rp::mainform::ProgramWrite, false);
    if (!unpacedOnly) {
        ok &= RunOnce(bin, rp::mainform::ProgramRead, true);
        ok &= RunOnce(bin, rp::mainform::ProgramWrite, true);
    }
    return ok ? 0 : 1;
}
