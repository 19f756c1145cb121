#pragma once
// Fakes for the transfer engine: a virtual clock with an event queue, a
// reply timer on that clock, a transport wired to the simulated radio (its
// replies arrive as later events, in the order the radio sent them, after a
// latency and, when paced, the wire time of 9600 baud 8N1 in both
// directions), and recording message,
// question, progress and end ports. Nothing here sleeps: a whole transfer
// runs in microseconds.
#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/appdata.h"
#include "core/messages.h"
#include "link/engine.h"
#include "link/protocol.h"
#include "link/skiplist.h"
#include "core/fakes.h"
#include "tools/simradio.h"

namespace rp::test {

class FakeLoop {
public:
    double now = 0;  // ms
    void At(double t, std::function<void()> f) { q_.emplace(std::make_pair(t, seq_++), std::move(f)); }
    void After(double ms, std::function<void()> f) { At(now + ms, std::move(f)); }
    // Runs events in time order until `done` holds or the clock passes limit.
    bool RunUntil(const std::function<bool()>& done, double limitMs = 600000) {
        while (!done()) {
            if (q_.empty()) return false;
            auto it = q_.begin();
            if (it->first.first > limitMs) return false;
            now = std::max(now, it->first.first);
            auto f = std::move(it->second);
            q_.erase(it);
            f();
        }
        return true;
    }
    void RunFor(double ms) {
        const double end = now + ms;
        while (!q_.empty() && q_.begin()->first.first <= end) {
            auto it = q_.begin();
            now = std::max(now, it->first.first);
            auto f = std::move(it->second);
            q_.erase(it);
            f();
        }
        now = end;
    }
    bool Idle() const { return q_.empty(); }

private:
    std::map<std::pair<double, std::uint64_t>, std::function<void()>> q_;
    std::uint64_t seq_ = 0;
};

class FakeTimer : public ReplyTimer {
public:
    explicit FakeTimer(FakeLoop& l) : loop(l) {}
    FakeLoop& loop;
    int generation = 0;
    int starts = 0;
    std::vector<double> fired;  // times of the ticks delivered
    void Start(int ms) override {
        ++starts;
        const int g = ++generation;
        loop.After(ms, [this, g] {
            if (g != generation || !Connected()) return;
            fired.push_back(loop.now);
            Connected()->OnReplyTimeout();
        });
    }
    void Stop() override { ++generation; }
    double NowMs() const override { return loop.now; }
};

// The transport, wired to a simulated radio.
class SimTransport : public Transport {
public:
    SimTransport(FakeLoop& l, sim::SimRadio& r) : loop(l), radio(r) {}
    FakeLoop& loop;
    sim::SimRadio& radio;
    double latencyMs = 1;
    bool paced = false;           // 9600 baud 8N1 both ways, and said so
    bool reportsByteTime = false;  // unpaced, yet says 9600 baud (a pseudo-terminal)
    bool byteByByte = false;      // paced: every byte arrives on its own
    std::string reason;           // FailureReason()
    // Extra delay of the replies to a frame, by the frame and how many
    // times it has been sent (1 for the first copy).
    std::function<double(const Bytes&, int)> replyDelay;
    int failOpens = 0;            // the next n opens fail
    bool denyAccess = false;      // opens fail as a permission refusal
    int failWriteAt = 0;          // the n-th write fails (1-based)
    // Settings that find the radio (search tests); empty: any.
    std::vector<std::pair<std::string, std::pair<int, int>>> answeringSettings;
    // Frames the radio never hears (it then sends nothing).
    std::function<bool(const Bytes&)> swallow;

    bool open = false;
    int opens = 0, closes = 0, writes = 0;
    PortSettings last;
    std::vector<PortSettings> openedWith;
    std::vector<Bytes> sent;
    int session = 0;
    double lineFree = 0;     // radio to program: the line is busy until then
    double inOrder = 0;      // the radio answers frame by frame: no reply overtakes another
    double outLineFree = 0;  // program to radio
    int inputClears = 0;

    OpenResult Open(const PortSettings& s) override {
        ++opens;
        openedWith.push_back(s);
        if (denyAccess) return OpenResult::AccessDenied;
        if (failOpens > 0) {
            --failOpens;
            return OpenResult::Failed;
        }
        open = true;
        last = s;
        ++session;
        inOrder = loop.now;
        return OpenResult::Ok;
    }
    void Close() override {
        if (open) ++closes;
        open = false;
        ++session;
    }
    bool IsOpen() const override { return open; }
    void ClearInput() override { ++inputClears; }
    double ByteTimeMs() const override { return paced || reportsByteTime ? sim::SimRadio::WireMs(1) : 0; }
    std::string FailureReason() const override { return reason; }
    bool Write(ByteView b) override {
        ++writes;
        if (!open) return false;
        if (failWriteAt == writes) return false;
        sent.emplace_back(b.begin(), b.end());
        // Paced, the frame reaches the radio once it has crossed the line,
        // after whatever was still on it.
        double t = loop.now;
        if (paced) {
            t = std::max(t, outLineFree) + sim::SimRadio::WireMs(b.size());
            outLineFree = t;
        }
        if (!Answers()) return true;
        if (swallow && swallow(sent.back())) return true;
        auto replies = radio.Receive(b.data(), b.size());
        if (radio.HungUp()) {
            const int s = session;
            loop.At(t + latencyMs, [this, s] {
                if (s == session && Connected()) Connected()->OnPortLost();
            });
            return true;
        }
        double lastDue = t;
        const double extra =
            replyDelay ? replyDelay(sent.back(), static_cast<int>(std::count(sent.begin(), sent.end(), sent.back())))
                       : 0;
        for (auto& r : replies) {
            double due = std::max(t + latencyMs + r.delayMs + extra, inOrder);
            if (r.gapMs > 0) due = std::max(due, lastDue + r.gapMs);
            if (paced) {
                due = std::max(due, lineFree + r.gapMs) + sim::SimRadio::WireMs(r.bytes.size());
                lineFree = due;
            }
            lastDue = due;
            inOrder = due;
            const int s = session;
            Bytes bytes = std::move(r.bytes);
            if (paced && byteByByte) {
                // Each byte as it comes off the wire, the last one at `due`.
                for (std::size_t i = 0; i < bytes.size(); ++i) {
                    const double at = due - sim::SimRadio::WireMs(bytes.size() - 1 - i);
                    loop.At(at, [this, s, b = bytes[i]] {
                        if (s == session && Connected()) Connected()->OnBytesReceived(Bytes{b});
                    });
                }
                continue;
            }
            loop.At(due, [this, s, bytes] {
                if (s == session && Connected()) Connected()->OnBytesReceived(bytes);
            });
        }
        return true;
    }
    bool Answers() const {
        if (answeringSettings.empty()) return true;
        for (const auto& [dev, hs] : answeringSettings)
            if (dev == last.Device && hs.first == last.Handshaking && hs.second == last.StopBits) return true;
        return false;
    }
    // Frames sent whose first bytes are `prefix`.
    int CountSent(const Bytes& prefix) const {
        int n = 0;
        for (const auto& f : sent)
            if (f.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), f.begin())) ++n;
        return n;
    }
};

// A frame by kind: "P", "E" (entry), "I", "R0040", "W0100", "END".
inline std::string TraceName(const Bytes& f) {
    auto hex4 = [](int v) {
        const char* h = "0123456789ABCDEF";
        return std::string{h[(v >> 12) & 15], h[(v >> 8) & 15], h[(v >> 4) & 15], h[v & 15]};
    };
    if (f == BuildProgramCommand()) return "P";
    if (f == BuildFactoryModeEntry()) return "E";
    if (f == BuildEndCommand()) return "END";
    if (f.size() == 1 && f[0] == 0x02) return "I";
    if (f.size() >= 4 && (f[0] == 'R' || f[0] == 'W'))
        return std::string(1, static_cast<char>(f[0])) + hex4(f[1] * 256 + f[2]);
    return "?";
}

// Every frame sent, by kind.
inline std::vector<std::string> Trace(const SimTransport& port) {
    std::vector<std::string> t;
    for (const auto& f : port.sent) t.push_back(TraceName(f));
    return t;
}

inline int CountOf(const std::vector<std::string>& t, const std::string& s) {
    return static_cast<int>(std::count(t.begin(), t.end(), s));
}

// The radio never hears the frame `name` the first `times` times it is
// sent; atLast runs when the last of them is swallowed.
inline std::function<bool(const Bytes&)> SwallowFirst(std::string name, int times,
                                                      std::function<void()> atLast = {}) {
    auto count = std::make_shared<int>(0);
    return [name, times, count, atLast](const Bytes& f) {
        if (TraceName(f) != name || *count >= times) return false;
        if (++*count == times && atLast) atLast();
        return true;
    };
}

// The first block a write sent that the radio does not hold as sent (the
// image blocks the skip list keeps); -1 when it holds them all.
inline long FirstBlockNotInRadio(const AppData& d, const sim::SimRadio& radio) {
    for (long a = 0x0100; a <= 0x3F7F; a += kBlockSize)
        if (SkipUnusedAddress(d, a) == a &&
            !std::equal(d.CommData.begin() + a, d.CommData.begin() + a + kBlockSize, radio.Memory.begin() + a))
            return a;
    return -1;
}

class RecordingMessages : public MessagePort {
public:
    std::vector<CommMessage> posted;
    void Post(const CommMessage& m) override { posted.push_back(m); }
    std::vector<CommMsg> Keys() const {
        std::vector<CommMsg> k;
        for (const auto& m : posted) k.push_back(m.Key);
        return k;
    }
};

// Answers questions later, from a script (then with the fallback).
class ScriptedQuestions : public QuestionPort {
public:
    explicit ScriptedQuestions(FakeLoop& l) : loop(l) {}
    FakeLoop& loop;
    std::deque<bool> retryAnswers;
    bool retryFallback = false;
    std::deque<std::pair<bool, std::string>> passWordAnswers;
    int retryAsked = 0, passWordAsked = 0;
    int closed = 0;  // questions the engine closed unanswered
    std::vector<std::string> offered;  // password offered each time
    std::vector<bool> portOpenAtRetry;
    Transport* port = nullptr;
    void AskRetry() override {
        ++retryAsked;
        if (port) portOpenAtRetry.push_back(port->IsOpen());
        bool a = retryFallback;
        if (!retryAnswers.empty()) {
            a = retryAnswers.front();
            retryAnswers.pop_front();
        }
        loop.After(50, [this, a] {
            if (Connected()) Connected()->OnRetryAnswer(a);
        });
    }
    void AskPassWord(const std::string& current) override {
        ++passWordAsked;
        offered.push_back(current);
        std::pair<bool, std::string> a{false, ""};
        if (!passWordAnswers.empty()) {
            a = passWordAnswers.front();
            passWordAnswers.pop_front();
        }
        loop.After(50, [this, a] {
            if (Connected()) Connected()->OnPassWordAnswer(a.first, a.second);
        });
    }
    void CloseQuestion() override { ++closed; }
};

class RecordingProgress : public ProgressSink {
public:
    std::vector<int> values;
    bool checking = false;
    void SetProgressValue(int p) override { values.push_back(p); }
    void SetProgressChecking(bool on) override { checking = on; }
};

class RecordingEvents : public TransferListener {
public:
    int closed = 0, infoShown = 0;
    std::vector<TransferEnd> ended;
    std::vector<std::string> captions;
    void CloseProgress() override { ++closed; }
    void ShowInformation() override { ++infoShown; }
    void SetProgressCaption(const std::string& c) override { captions.push_back(c); }
    void TransferEnded(const TransferEnd& e) override { ended.push_back(e); }
};

// Language texts 2002..2008 as "T2002" ...
inline void FillCommTexts(FixedTexts& t) {
    for (int k = 2002; k <= 2008; ++k) t.entries.emplace_back(k, "T" + std::to_string(k));
}

// The data a transfer test starts from: the message tables, texts 2002..2008
// from `texts`, English, no echo on the line, the program's own model.
inline void SetUpLinkData(AppData& d, FixedTexts& texts) {
    InitMessageTexts(d);
    FillCommTexts(texts);
    d.Ui.Texts = &texts;
    d.LanguageIndex = 1;
    d.NoEcho = true;
    d.CurModel = "KEVRA8R";
}

// An engine on the fake clock against a simulated radio.
struct EngineRig {
    AppData d;
    FakeLoop loop;
    sim::SimRadio radio;
    FakeTimer timer{loop};
    SimTransport port{loop, radio};
    RecordingMessages messages;
    ScriptedQuestions questions{loop};
    RecordingProgress progress;
    RecordingEvents events;
    FixedTexts texts;
    RecordingListener view;
    CommEngine engine;

    explicit EngineRig(sim::SimOptions o = {})
        : radio(std::move(o)),
          engine(d, CommPorts{port, timer, messages, questions, &progress, &events}) {
        SetUpLinkData(d, texts);
        d.Ui.View = &view;
        d.CurBandIndex = 0;
        d.ComDevice = "/dev/fake0";
        questions.port = &port;
    }
    // Runs until the engine is idle again; false when it hangs.
    bool Finish(double limitMs = 600000) {
        return loop.RunUntil([this] { return !engine.Busy(); }, loop.now + limitMs);
    }
};

}  // namespace rp::test
