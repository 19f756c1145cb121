// Whole read and write through the real serial adapter on a pseudo-terminal
// against the simulated radio paced at 9600 baud 8N1 in both directions.
// Prints the total time divided by the wire time of the bytes that crossed
// (goal: 1.02 or less). Also runs unpaced for the time per block.
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "link/linkfakes.h"
#include "platform/serialtransport.h"
#include "tools/ptyradio.h"

namespace {

class NoQuestions : public rp::QuestionPort {
public:
    void AskRetry() override { Connected()->OnRetryAnswer(false); }
    void AskPassWord(const std::string&) override { Connected()->OnPassWordAnswer(false, ""); }
};

void Line(const std::string& s) { std::fputs((s + "\n").c_str(), stdout); std::fflush(stdout); }

std::string Num(double v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 4);
    return std::string(buf, r.ptr);
}

bool RunOnce(long mode, bool paced) {
    rp::AppData d;
    rp::sim::SimOptions o;
    o.Paced = paced;
    rp::sim::PtyRadio pty(o);
    pty.Radio().LogEnabled = false;
    pty.Radio().Memory.fill(0x00);
    pty.Radio().SetPassWord("");
    if (!pty.Open()) return false;
    rp::QtSerialTransport port;
    rp::QtReplyTimer timer;
    rp::test::RecordingMessages messages;
    NoQuestions questions;
    rp::test::FixedTexts texts;
    rp::test::FillCommTexts(texts);
    rp::CommEngine engine(d, rp::CommPorts{port, timer, messages, questions});
    rp::InitMessageTexts(d);
    d.Ui.Texts = &texts;
    d.LanguageIndex = 1;
    d.NoEcho = true;
    d.CurModel = "KEVRA8R";
    d.ComDevice = pty.SlavePath();
    pty.Start();
    QElapsedTimer t;
    t.start();
    const bool started = mode == 1 ? engine.StartRead() : engine.StartWrite();
    while (started && engine.Busy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    pty.Stop();
    const std::size_t bytes = pty.BytesIn() + pty.BytesOut();
    const int blocks = mode == 1 ? pty.Radio().ReadRequests() : pty.Radio().WriteFrames();
    const bool ok = started && messages.Keys() == std::vector<rp::CommMsg>{mode == 1 ? rp::CommMsg::ReadOK
                                                                                  : rp::CommMsg::WriteOK};
    const std::string what = std::string(mode == 1 ? "read " : "write") + (paced ? " paced  " : " unpaced");
    if (paced) {
        const double wire = rp::sim::SimRadio::WireMs(bytes);
        Line(what + ": " + Num(ms / 1000) + " s for " + std::to_string(bytes) + " bytes, wire time " +
             Num(wire / 1000) + " s, ratio " + Num(ms / wire) + ", " +
             std::to_string(pty.Radio().FramesReceived()) + " frames for " + std::to_string(blocks) +
             " blocks" + (ok ? "" : "  FAILED"));
    } else {
        Line(what + ": " + Num(ms) + " ms for " + std::to_string(blocks) + " blocks, " +
             Num(ms / blocks) + " ms per block" + (ok ? "" : "  FAILED"));
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QCoreApplication app(argc, argv);
    bool ok = true;
    ok &= RunOnce(1, false);
    ok &= RunOnce(2, false);
    const bool unpacedOnly = argc > 1 && std::string(argv[1]) == "--unpaced";
    if (!unpacedOnly) {
        ok &= RunOnce(1, true);
        ok &= RunOnce(2, true);
    }
    return ok ? 0 : 1;
}
