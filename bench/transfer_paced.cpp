// Whole read and write through the real serial adapter on a pseudo-terminal
// against the simulated radio paced at 9600 baud 8N1 in both directions.
// Prints the total time divided by the wire time of the bytes that crossed.
// Beside each paced run of the program, and at the same time, a minimal
// blocking client (plain poll, read and write on a line of its own, no Qt,
// no engine) sends the same frames to a radio paced the same way: its ratio
// is the floor the program's is measured against. The turnaround (a reply's last byte to the
// next frame's first byte, as the radio sees it) is printed for both.
// Also runs unpaced for the time per block.
//
//   transfer_paced            unpaced, then paced with the client
//   transfer_paced --unpaced  unpaced only
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "link/codec.h"
#include "link/image.h"
#include "link/linkfakes.h"
#include "link/skiplist.h"
#include "platform/serialtransport.h"
#include "tools/ptyradio.h"

namespace {

class NoQuestions : public rp::QuestionPort {
public:
    void AskRetry() override { Connected()->OnRetryAnswer(false); }
    void AskPassWord(const std::string&) override { Connected()->OnPassWordAnswer(false, ""); }
};

// Ends the event loop the transfer runs in.
class EndQuits : public rp::TransferListener {
public:
    QEventLoop loop;
    void TransferEnded(const rp::TransferEnd&) override { loop.quit(); }
};

constexpr int kLimitMs = 600000;  // a transfer that hangs ends the run as failed

void Line(const std::string& s) { std::fputs((s + "\n").c_str(), stdout); std::fflush(stdout); }

std::string Num(double v, int digits = 4) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, digits);
    return std::string(buf, r.ptr);
}

// The radio both sides talk to: every list in use, so nothing is skipped on
// a read, and no password.
void PrepareRadio(rp::sim::PtyRadio& pty) {
    pty.Radio().LogEnabled = false;
    pty.Radio().Memory.fill(0x00);
    pty.Radio().SetPassWord("");
}

struct Outcome {
    bool ok = false;
    double ms = 0;
    std::size_t bytes = 0;
    int frames = 0;
    int blocks = 0;
    std::vector<double> turnarounds;
};

void Collect(rp::sim::PtyRadio& pty, long mode, Outcome& out) {
    out.bytes = pty.BytesIn() + pty.BytesOut();
    out.frames = pty.Radio().FramesReceived();
    out.blocks = mode == rp::CommModeRead ? pty.Radio().ReadRequests() : pty.Radio().WriteFrames();
    out.turnarounds = pty.Turnarounds();
}

Outcome RunEngine(long mode, bool paced) {
    Outcome out;
    rp::AppData d;
    rp::test::FixedTexts texts;
    rp::test::SetUpLinkData(d, texts);  // the preset data of the base model
    rp::sim::SimOptions o;
    o.Paced = paced;
    rp::sim::PtyRadio pty(o);
    PrepareRadio(pty);
    if (!pty.Open()) return out;
    rp::QtSerialTransport port;
    rp::QtReplyTimer timer;
    rp::test::RecordingMessages messages;
    NoQuestions questions;
    EndQuits ended;
    rp::CommEngine engine(d, rp::CommPorts{port, timer, messages, questions, nullptr, &ended});
    d.ComDevice = pty.SlavePath();
    pty.Start();
    QElapsedTimer t;
    t.start();
    const bool started = mode == rp::CommModeRead ? engine.StartRead() : engine.StartWrite();
    // The program's own kind of event loop: it sleeps until the line or a
    // timer wakes it. (QCoreApplication::processEvents with a time limit
    // never sleeps: a loop of it spins and competes with the load.)
    if (started && engine.Busy()) {
        QTimer::singleShot(kLimitMs, &ended.loop, &QEventLoop::quit);
        ended.loop.exec();
    }
    out.ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    pty.Stop();
    Collect(pty, mode, out);
    const rp::CommMsg done = mode == rp::CommModeRead ? rp::CommMsg::ReadOK : rp::CommMsg::WriteOK;
    out.ok = started && !engine.Busy() && messages.Keys() == std::vector<rp::CommMsg>{done};
    return out;
}

// ---- the minimal client ------------------------------------------------------------

// One frame out, its reply in: blocking in poll, no retries (the line is clean).
class BlockingClient {
public:
    explicit BlockingClient(const std::string& device) {
        fd_ = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios t{};
        if (fd_ >= 0 && tcgetattr(fd_, &t) == 0) {
            cfmakeraw(&t);
            cfsetispeed(&t, B9600);
            cfsetospeed(&t, B9600);
            tcsetattr(fd_, TCSANOW, &t);
        }
    }
    ~BlockingClient() {
        if (fd_ >= 0) close(fd_);
    }
    BlockingClient(const BlockingClient&) = delete;
    BlockingClient& operator=(const BlockingClient&) = delete;

    bool IsOpen() const { return fd_ >= 0; }

    bool Exchange(const rp::Bytes& frame, std::size_t replyLen, rp::Bytes& reply) {
        std::size_t done = 0;
        while (done < frame.size()) {
            const ssize_t w = write(fd_, frame.data() + done, frame.size() - done);
            if (w > 0) {
                done += static_cast<std::size_t>(w);
            } else if (w < 0 && (errno == EAGAIN || errno == EINTR)) {
                pollfd p{fd_, POLLOUT, 0};
                if (poll(&p, 1, kTimeoutMs) <= 0) return false;
            } else {
                return false;
            }
        }
        reply.assign(replyLen, 0);
        std::size_t got = 0;
        while (got < replyLen) {
            pollfd p{fd_, POLLIN, 0};
            if (poll(&p, 1, kTimeoutMs) <= 0) return false;
            const ssize_t r = read(fd_, reply.data() + got, replyLen - got);
            if (r > 0)
                got += static_cast<std::size_t>(r);
            else if (r == 0 || (errno != EAGAIN && errno != EINTR))
                return false;
        }
        return true;
    }

private:
    static constexpr int kTimeoutMs = 2000;
    int fd_ = -1;
};

// The frames the engine sends for a clean read or write, in its order: the
// entry, the identity, the password block, the image blocks (skipping what
// the engine skips), END.
bool ClientTransfer(BlockingClient& c, rp::AppData& d, long mode) {
    rp::Bytes r;
    if (!c.Exchange(rp::BuildProgramCommand(), rp::kProgramAckLen, r) || !rp::IsProgramAck(r)) return false;
    if (!c.Exchange(rp::BuildIdentRequest(), rp::kIdentReplyLen, r) || r[0] != 'I') return false;
    if (!c.Exchange(rp::BuildReadRequest(rp::kPassWordBlockAddress), rp::kDataFrameLen, r) ||
        !rp::IsReadBlockReply(r, rp::kPassWordBlockAddress))
        return false;
    if (mode == rp::CommModeRead) {
        for (rp::Long a = rp::addr::ReadFirstBlock - rp::kBlockSize;;) {
            a += rp::kBlockSize;
            if (a == rp::addr::ReadSecondPhase) rp::PrepareReadProgress(d, 1);
            a = rp::SkipUnusedAddress(d, a);
            if (a > rp::addr::LastBlock) break;
            const int at = static_cast<int>(a);
            if (!c.Exchange(rp::BuildReadRequest(at), rp::kDataFrameLen, r) || !rp::IsReadBlockReply(r, at))
                return false;
            std::copy(r.begin() + 4, r.begin() + 4 + rp::kBlockSize, d.CommData.begin() + a);
        }
    } else {
        for (rp::Long a = rp::addr::WriteFirstBlock - rp::kBlockSize;;) {
            a = rp::SkipUnusedAddress(d, a + rp::kBlockSize);
            if (a > rp::addr::LastBlock) break;
            const rp::ByteView data(d.CommData.data() + a, rp::kBlockSize);
            if (!c.Exchange(rp::BuildWriteFrame(static_cast<int>(a), data), rp::kAckLen, r) || !rp::IsAckReply(r))
                return false;
        }
    }
    return c.Exchange(rp::BuildEndCommand(), rp::kAckLen, r) && rp::IsAckReply(r);
}

// The client's data, prepared before its thread starts: the image and the
// skip list as the engine prepares them.
struct ClientData {
    rp::AppData d;
    rp::test::FixedTexts texts;
};

bool PrepareClient(ClientData& c, long mode) {
    rp::test::SetUpLinkData(c.d, c.texts);  // the preset data of the base model
    rp::ClearCommImage(c.d);
    if (mode == rp::CommModeRead) {
        rp::PrepareReadProgress(c.d, 0);
        return true;
    }
    if (!rp::SetCommDataByAll(c.d)) return false;
    rp::PrepareWriteProgress(c.d);
    return true;
}

Outcome RunClient(long mode, rp::AppData& d) {
    Outcome out;
    rp::sim::SimOptions o;
    o.Paced = true;
    rp::sim::PtyRadio pty(o);
    PrepareRadio(pty);
    if (!pty.Open()) return out;
    pty.Start();
    const auto start = std::chrono::steady_clock::now();
    {
        BlockingClient c(pty.SlavePath());
        out.ok = c.IsOpen() && ClientTransfer(c, d, mode);
    }
    out.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    pty.Stop();
    Collect(pty, mode, out);
    return out;
}

// ---- report ----------------------------------------------------------------------

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t k = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(k, v.size() - 1)];
}

double Ratio(const Outcome& o) { return o.ms / rp::sim::SimRadio::WireMs(o.bytes); }

void PrintPaced(const std::string& what, const Outcome& o) {
    const double wire = rp::sim::SimRadio::WireMs(o.bytes);
    Line(what + ": " + Num(o.ms / 1000) + " s for " + std::to_string(o.bytes) + " bytes, wire time " +
         Num(wire / 1000) + " s, ratio " + Num(Ratio(o)) + ", " + std::to_string(o.frames) + " frames for " +
         std::to_string(o.blocks) + " blocks, turnaround median " + Num(Percentile(o.turnarounds, 0.5), 3) +
         " ms, 95th " + Num(Percentile(o.turnarounds, 0.95), 3) + " ms" + (o.ok ? "" : "  FAILED"));
}

bool RunPaced(long mode) {
    const std::string name = mode == rp::CommModeRead ? "read " : "write";
    // Both at once, each with a radio of its own, so that both meet the same
    // load: on a busy machine the load changes from one minute to the next.
    auto data = std::make_unique<ClientData>();
    Outcome client;
    std::thread other;
    if (PrepareClient(*data, mode)) other = std::thread([&] { client = RunClient(mode, data->d); });
    const Outcome engine = RunEngine(mode, true);
    if (other.joinable()) other.join();
    PrintPaced(name + " paced  ", engine);
    PrintPaced(name + " client ", client);
    const bool same = engine.bytes == client.bytes && engine.frames == client.frames;
    Line(name + " ratios : engine " + Num(Ratio(engine)) + ", client " + Num(Ratio(client)) + ", engine/client " +
         Num(Ratio(engine) / Ratio(client)) + (same ? "" : "  (the transfers differ)"));
    return engine.ok && client.ok && same;
}

bool RunUnpaced(long mode) {
    const Outcome o = RunEngine(mode, false);
    const std::string what = std::string(mode == rp::CommModeRead ? "read " : "write") + " unpaced";
    Line(what + ": " + Num(o.ms) + " ms for " + std::to_string(o.blocks) + " blocks, " +
         Num(o.ms / std::max(o.blocks, 1)) + " ms per block" + (o.ok ? "" : "  FAILED"));
    return o.ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QCoreApplication app(argc, argv);
    bool ok = true;
    ok &= RunUnpaced(rp::CommModeRead);
    ok &= RunUnpaced(rp::CommModeWrite);
    const bool unpacedOnly = argc > 1 && std::string(argv[1]) == "--unpaced";
    if (!unpacedOnly) {
        ok &= RunPaced(rp::CommModeRead);
        ok &= RunPaced(rp::CommModeWrite);
    }
    return ok ? 0 : 1;
}
