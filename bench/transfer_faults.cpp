// Whole transfers through the serial adapter on a pseudo-terminal against
// the simulated radio with a line fault on every n-th reply: what a lost or
// garbled reply costs. Prints each transfer's time in seconds, the frames
// the radio heard and whether it ended well (for a write: with every block
// it wrote in the radio).
//
//   transfer_faults           the three lossy transfers, unpaced
//   transfer_faults --probe   instead, a paced write to a radio slower than
//                             the reply wait, with stray bytes and refusals
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "link/linkfakes.h"
#include "link/image.h"
#include "link/skiplist.h"
#include "platform/serialtransport.h"
#include "tools/ptyradio.h"

namespace {

// Cancels every question, saying where the transfer stood.
class NoQuestions : public rp::QuestionPort {
public:
    const rp::CommEngine* engine = nullptr;
    void AskRetry() override {
        if (engine)
            std::fprintf(stderr, "retry asked: state %d, awaiting %d, check %d, address %04lX\n", engine->CommState(),
                         static_cast<int>(engine->Awaiting()), static_cast<int>(engine->Checking()),
                         engine->CommAddress());
        Connected()->OnRetryAnswer(false);
    }
    void AskPassWord(const std::string&) override { Connected()->OnPassWordAnswer(false, ""); }
};

// Ends the event loop the transfer runs in.
class EndQuits : public rp::TransferListener {
public:
    QEventLoop loop;
    void TransferEnded(const rp::TransferEnd&) override { loop.quit(); }
};

void Line(const std::string& s) { std::fputs((s + "\n").c_str(), stdout); std::fflush(stdout); }

std::string Num(double v, int digits) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, digits);
    return std::string(buf, r.ptr);
}

struct Run {
    const char* name;
    long mode;  // 1 read, 2 write
    rp::sim::SimOptions radio;
};

bool RunOnce(const Run& run) {
    rp::AppData d;
    rp::sim::PtyRadio pty(run.radio);
    pty.Radio().LogEnabled = false;
    pty.Radio().Memory.fill(0x00);
    pty.Radio().SetPassWord("");
    if (!pty.Open()) return false;
    rp::QtSerialTransport port;
    rp::QtReplyTimer timer;
    rp::test::RecordingMessages messages;
    NoQuestions questions;
    rp::test::FixedTexts texts;
    EndQuits ended;
    rp::CommEngine engine(d, rp::CommPorts{port, timer, messages, questions, nullptr, &ended});
    questions.engine = &engine;
    rp::test::SetUpLinkData(d, texts);
    d.ComDevice = pty.SlavePath();
    pty.Start();
    QElapsedTimer t;
    t.start();
    const bool started = run.mode == 1 ? engine.StartRead() : engine.StartWrite();
    if (started && engine.Busy()) {  // a loop that sleeps until the line or a timer wakes it
        QTimer::singleShot(3600000, &ended.loop, &QEventLoop::quit);
        ended.loop.exec();
    }
    const double s = static_cast<double>(t.nsecsElapsed()) / 1e9;
    pty.Stop();
    bool ok = started && messages.Keys() == std::vector<rp::CommMsg>{run.mode == 1 ? rp::CommMsg::ReadOK
                                                                                 : rp::CommMsg::WriteOK};
    int wrong = 0;
    if (ok && run.mode == 2)
        for (long a = rp::addr::WriteFirstBlock; a <= rp::addr::LastBlock; a += rp::kBlockSize)
            if (rp::SkipUnusedAddress(d, a) == a &&
                !std::equal(d.CommData.begin() + a, d.CommData.begin() + a + rp::kBlockSize,
                            pty.Radio().Memory.begin() + a))
                ++wrong;
    Line(std::string(run.name) + ": " + Num(s, 1) + " s, " + std::to_string(pty.Radio().FramesReceived()) +
         " frames" + (!ok ? "  FAILED" : wrong > 0 ? "  " + std::to_string(wrong) + " BLOCKS WRONG" : ""));
    return ok && wrong == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QCoreApplication app(argc, argv);
    rp::sim::SimOptions lose30, garble7, probe;
    lose30.DropEvery = 30;
    garble7.GarbleEvery = 7;
    probe.Paced = true;
    probe.LateMs = 350;
    probe.StrayAckEvery = 7;
    probe.ResendEvery = 50;
    if (argc > 1 && std::string(argv[1]) == "--probe")
        return RunOnce({"write, paced, 350 ms late, strays", 2, probe}) ? 0 : 1;
    bool ok = true;
    ok &= RunOnce({"read, every 30th reply lost        ", 1, lose30});
    ok &= RunOnce({"read, every 7th data reply garbled ", 1, garble7});
    ok &= RunOnce({"write, every 30th reply lost       ", 2, lose30});
    return ok ? 0 : 1;
}
