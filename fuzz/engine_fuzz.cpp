// libFuzzer target over the transfer engine's handling of what comes back
// from the line: a script of line faults (a frame or a reply lost, a reply
// late, corrupted, doubled, early or after junk, a stray byte after a reply
// or anywhere), timer ticks, a lost port, answers to the questions and the
// quiet stop, against the simulated radio on a fake line paced at 9600 baud
// and a fake clock.
//
// Checks, after every step: while a transfer runs, a timer or a question is
// open; at most one end is reported. At the end: exactly one end per
// transfer; a success has every block the radio holds (a write, test-data
// blocks included) or read (a read); a failed read leaves the data as it
// was. A write is exempt only where no engine could tell: bytes the radio
// did not send as its one reply to a frame (stray, doubled, early or the
// script's own) together with a frame or a reply lost, where such a byte
// may stand in for the lost reply exactly; or the script's own bytes
// holding a whole data frame with a good checksum (a forged read-back).
//
// Input: byte 0 the transfer (bits 0-1: read, write, information read),
// factory test mode (bit 2), a radio password (bit 3), a 0x0A for every
// seventh write frame (bit 4), what follows the script (bits 5 and 6
// both set: the transfer runs to its end on a clean line, every question
// cancelled; otherwise the port is lost, which keeps three runs in four
// short), and the operation set (bit 7: fifteen operations, and faults for
// one frame add up; else the first eleven, the last fault set wins); then
// pairs of bytes, an operation and its argument (operation 10 takes bytes
// that follow as received bytes).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>

#include "link/codec.h"
#include "link/engine.h"
#include "link/image.h"
#include "link/linkfakes.h"
#include "link/skiplist.h"
#include "tools/simradio.h"

namespace {

using namespace rp;

void CheckAt(bool ok, int line) {
    if (ok) return;
    std::fprintf(stderr, "engine_fuzz: check at line %d failed\n", line);
    std::abort();
}
#define Check(ok) CheckAt((ok), __LINE__)

// The serial line to the simulated radio, 9600 baud both ways, with one
// fault for the next frame written.
class FaultyLine : public Transport {
public:
    // Faults for the next frame written; -1: off.
    struct Faults {
        bool dropFrame = false, dropReply = false, early = false;
        int delay = -1;        // ms late
        int corrupt = -1;      // which bit of which byte flips
        int stray = -1;        // a byte 1 ms after the reply
        int doubled = -1;      // the reply again, this many ms after it
        int junk = -1;         // 1 to 4 bytes before the reply
        int strayAt = -1;      // a lone 06 or 0A, this many ms after the frame went out
    };

    FaultyLine(test::FakeLoop& l, sim::SimRadio& r) : loop_(l), radio_(r) {}

    Faults next;
    // Something reached the line that was not the radio's one reply to a
    // frame (a stray, doubled or early byte), and a frame or a reply was lost.
    bool extraBytes = false, lost = false;

    OpenResult Open(const PortSettings&) override {
        open_ = true;
        return OpenResult::Ok;
    }
    void Close() override {
        open_ = false;
        for (Bytes& b : pending_) b.clear();  // what was on its way is gone with the port
    }
    bool IsOpen() const override { return open_; }
    void ClearInput() override {}
    double ByteTimeMs() const override { return sim::SimRadio::WireMs(1); }
    bool Write(ByteView b) override {
        if (!open_) return false;
        const Faults f = next;
        next = Faults{};
        const double sent = loop_.now;
        const double at = std::max(loop_.now, outFree_) + sim::SimRadio::WireMs(b.size());
        outFree_ = at;
        if (f.strayAt >= 0) {
            extraBytes = true;
            Deliver(sent + (f.strayAt >> 1) * 3, Bytes{static_cast<Byte>(f.strayAt & 1 ? 0x0A : 0x06)});
        }
        if (f.dropFrame) {
            lost = true;
            return true;
        }
        auto replies = radio_.Receive(b.data(), b.size());
        double lastDue = at;
        for (std::size_t i = 0; i < replies.size(); ++i) {
            Bytes bytes = std::move(replies[i].bytes);
            double late = replies[i].delayMs;
            if (i == 0) {
                if (f.dropReply) {
                    lost = true;
                    continue;
                }
                if (f.delay >= 0) late += f.delay;
                // One flipped bit in a reply of several bytes; a lone 06 or
                // 0A carries no check, and a changed one is no line fault
                // the link could notice.
                if (f.corrupt >= 0 && bytes.size() > 1)
                    bytes[static_cast<std::size_t>(f.corrupt) % bytes.size()] ^=
                        static_cast<Byte>(1u << (f.corrupt % 8));
                if (f.early) {
                    // A copy as the frame goes out, long before it could
                    // have crossed; the reply itself follows as usual.
                    extraBytes = true;
                    Deliver(sent, bytes);
                }
                if (f.junk >= 0) {
                    Bytes junk;
                    for (int k = 0; k <= f.junk % 4; ++k) junk.push_back(static_cast<Byte>(f.junk * 37 + k * 101));
                    bytes.insert(bytes.begin(), junk.begin(), junk.end());
                }
            }
            const double due = std::max(at + 1 + late, inFree_) + sim::SimRadio::WireMs(bytes.size());
            inFree_ = due;
            lastDue = due;
            if (i == 0 && f.doubled >= 0) {
                extraBytes = true;
                const double again = due + f.doubled + sim::SimRadio::WireMs(bytes.size());
                Deliver(again, bytes);
                inFree_ = std::max(inFree_, again);
            }
            Deliver(due, std::move(bytes));
        }
        if (f.stray >= 0 && !replies.empty()) {
            // One byte on its own, 1 ms after the reply.
            extraBytes = true;
            const double due = lastDue + 1 + sim::SimRadio::WireMs(1);
            inFree_ = std::max(inFree_, due);
            Deliver(due, Bytes{static_cast<Byte>(f.stray)});
        }
        return true;
    }

private:
    void Deliver(double due, Bytes bytes) {
        const std::size_t slot = pending_.size();
        pending_.push_back(std::move(bytes));
        loop_.At(due, [this, slot] {
            const Bytes& b = pending_[slot];
            if (!b.empty() && Connected()) Connected()->OnBytesReceived(b);
        });
    }

    test::FakeLoop& loop_;
    sim::SimRadio& radio_;
    bool open_ = false;
    std::deque<Bytes> pending_;  // replies on their way, by delivery slot
    double outFree_ = 0, inFree_ = 0;
};

// Questions left open until the script answers them.
class HeldQuestions : public QuestionPort {
public:
    enum class Kind { None, Retry, PassWord } open = Kind::None;
    void AskRetry() override { open = Kind::Retry; }
    void AskPassWord(const std::string&) override { open = Kind::PassWord; }
    void CloseQuestion() override { open = Kind::None; }
    void Answer(bool yes, const std::string& passWord) {
        const Kind k = open;
        open = Kind::None;
        if (k == Kind::Retry) Connected()->OnRetryAnswer(yes);
        if (k == Kind::PassWord) Connected()->OnPassWordAnswer(yes, passWord);
    }
};

bool InSkipRange(const AppData& d, long a) { return SkipUnusedAddress(d, a) != a; }

// A whole data frame with a good checksum among bytes: a reply the script
// forged.
bool HoldsDataFrame(ByteView b) {
    for (std::size_t k = 0; k + kDataFrameLen <= b.size(); ++k) {
        const ByteView w = b.subspan(k, kDataFrameLen);
        if (w[0] == 'W' && w[3] == kBlockSize && w[kDataFrameLen - 1] == AckByte && IsCheckSumOK(w, 1))
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::uint8_t head = data[0];
    const long mode = CommModeRead + (head & 3) % 3;
    const std::string radioPassWord = (head & 8) ? "12" : "";

    // Built once: the program's state before a transfer, and the texts.
    static test::FixedTexts texts = [] {
        test::FixedTexts t;
        test::FillCommTexts(t);
        return t;
    }();
    static const AppData base = [] {
        AppData b;
        InitMessageTexts(b);
        b.Ui.Texts = &texts;
        b.LanguageIndex = 1;
        b.NoEcho = true;
        b.CurModel = "KEVRA8R";
        b.ComDevice = "/dev/fuzz";
        // Unused code lists, as in a new data set: a write sends the fixed
        // areas only, which keeps a whole write short.
        for (auto& e : b.WorkData.Tone2Data().Encodes) e.Empty = 1;
        for (auto& c : b.WorkData.Tone5Data().Codes) c.Empty = 1;
        return b;
    }();

    sim::SimOptions o;
    o.PassWord = radioPassWord;
    o.ResendEvery = (head & 16) ? 7 : 0;
    sim::SimRadio radio(o);
    radio.LogEnabled = false;
    for (long a = 0; a < 0x0100; ++a) radio.Memory[static_cast<std::size_t>(a)] = static_cast<Byte>(a * 7 + 3);
    radio.SetPassWord(radioPassWord);

    test::FakeLoop loop;
    test::FakeTimer timer(loop);
    FaultyLine line(loop, radio);
    test::RecordingMessages messages;
    HeldQuestions questions;
    test::RecordingEvents events;
    static AppData d;  // reused: a fresh copy of base for every input
    d = base;
    d.FactoryTestMode = head & 4;
    if (d.FactoryTestMode) d.TestDataOrigin = AppData::TestDataSource::Entry;
    CommEngine engine(d, CommPorts{line, timer, messages, questions, nullptr, &events});

    const bool started = mode == CommModeRead    ? engine.StartRead()
                         : mode == CommModeWrite ? engine.StartWrite()
                                                 : engine.StartInformationRead();
    Check(started);

    auto invariants = [&] {
        Check(events.ended.size() <= 1);
        if (engine.Busy()) Check(engine.WaitTimerOn() || engine.QuestionOpen());
        Check(engine.QuestionOpen() == (questions.open != HeldQuestions::Kind::None));
        if (!engine.Busy()) Check(events.ended.size() == 1);
    };

    const bool extended = head & 0x80;
    bool injected = false;    // bytes of the script's own arrived
    bool forgedData = false;  //   holding a whole data frame
    auto fault = [&](auto set) {
        if (!extended) line.next = FaultyLine::Faults{};  // the last fault set wins
        set(line.next);
    };
    for (std::size_t i = 1; i + 1 < size && engine.Busy(); i += 2) {
        const int arg = data[i + 1];
        switch (extended ? data[i] % 15 : data[i] % 11) {
            case 0: loop.RunFor(1 + arg * 2); break;
            case 1: fault([](auto& f) { f.dropFrame = true; }); break;
            case 2: fault([](auto& f) { f.dropReply = true; }); break;
            case 3:  // late: up to 400 ms after the frame, past its reply wait
                fault([&](auto& f) { f.delay = arg * 400 / 255; });
                break;
            case 4: fault([&](auto& f) { f.corrupt = arg; }); break;
            case 5: fault([&](auto& f) { f.stray = arg; }); break;
            case 6: engine.OnPortLost(); break;
            case 7: questions.Answer(arg & 1, (arg & 2) ? radioPassWord : "9"); break;
            case 8:  // a stale tick: one from a timer stopped as it fired
                if (!engine.WaitTimerOn()) engine.OnReplyTimeout();
                break;
            case 9: engine.StopInformationRead(); break;
            case 10: {  // the next arg % 32 bytes of the input arrive now, as received
                const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(arg % 32), size - (i + 2));
                engine.OnBytesReceived(ByteView(data + i + 2, n));
                injected = injected || n > 0;
                forgedData = forgedData || HoldsDataFrame(ByteView(data + i + 2, n));
                i += n;
                break;
            }
            case 11: fault([&](auto& f) { f.doubled = arg * 2; }); break;  // the reply again, up to 510 ms later
            case 12: fault([](auto& f) { f.early = true; }); break;
            case 13: fault([&](auto& f) { f.junk = arg; }); break;
            case 14: fault([&](auto& f) { f.strayAt = arg; }); break;  // up to 381 ms after the frame
        }
        invariants();
    }
    const bool toTheEnd = (head & 0x60) == 0x60;
    if (!toTheEnd && engine.Busy()) {
        engine.OnPortLost();
        invariants();
    }
    // The rest of the transfer on a clean line; every question cancelled.
    for (int k = 0; k < 400 && engine.Busy(); ++k) {
        if (questions.open != HeldQuestions::Kind::None) questions.Answer(false, "");
        loop.RunFor(250);
        invariants();
    }
    Check(!engine.Busy());
    Check(events.ended.size() == 1);
    const TransferEnd& end = events.ended[0];
    Check(end.Mode == mode && end.Ok == (end.Reason == EndReason::Success));
    if (end.Ok) {
        // What no engine can tell from the radio's own replies.
        if (forgedData || ((injected || line.extraBytes) && line.lost)) return 0;
        if (mode != CommModeWrite && injected) return 0;  // a reply of the script's may have passed for the radio's
        // Every block of the transfer that the skip list keeps: the radio's
        // bytes and the image's agree.
        if (mode == CommModeWrite && d.FactoryTestMode)
            Check(std::equal(radio.Memory.begin(), radio.Memory.begin() + 32, d.TestDataBuf.begin()));
        const long first = mode == CommModeWrite ? addr::WriteFirstBlock : addr::ReadFirstBlock;
        const long last = mode == CommModeInfo ? addr::InfoLastBlock : addr::LastBlock;
        for (long a = first; a <= last; a += kBlockSize)
            if (!InSkipRange(d, a))
                Check(std::equal(radio.Memory.begin() + a, radio.Memory.begin() + a + kBlockSize,
                                 d.CommData.begin() + a));
    } else if (mode != CommModeWrite) {
        // The channel list holds nothing before (FreDataCount 0), so the
        // record and its count say whether a channel came in.
        Check(d.WorkData == base.WorkData && d.EmgData == base.EmgData && d.CurModel == base.CurModel &&
              d.DataFilePath == base.DataFilePath && d.IsUntitled == base.IsUntitled);
    }
    return 0;
}
