// simradio: a simulated radio on a pseudo-terminal. Prints the device path
// to open, answers the program's frames, logs them to stderr and, on exit
// (Ctrl+C), can dump its memory to a file.
#include <atomic>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>

#include "tools/ptyradio.h"

namespace {
std::atomic<bool> gStop{false};
void OnSignal(int) { gStop = true; }

void Out(FILE* f, std::string_view s) { std::fwrite(s.data(), 1, s.size(), f); }

bool ToInt(std::string_view s, int& v) {
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        s.remove_prefix(2);
        base = 16;
    }
    auto r = std::from_chars(s.data(), s.data() + s.size(), v, base);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

const char* kUsage =
    "usage: simradio [options]\n"
    "  --model ID  --band N  --version V  --killed  --stunned  --password PW\n"
    "  --ignore-end            no reply to END outside programming mode\n"
    "  --fill SEED             pseudo-random memory (default: all 0xFF)\n"
    "  --load FILE  --dump FILE   16,384-byte memory image in / out (on exit)\n"
    "  faults (n counts from 1): --drop n  --delay n  --delay-ms MS  --bad-checksum n\n"
    "    --wrong-address n  --extra-byte n  --resend n,k  --hang-up n  --noise\n"
    "    --stray n (a lone 06 1 ms after every n-th reply)  --resend-every n\n"
    "    --drop-every n  --garble-every n (checksum, then address)  --late-ms MS (every reply)\n"
    "  --paced                 9600 baud 8N1 in both directions\n"
    "  --quiet                 no frame log\n";
// What the command line asks for.
struct Args {
    rp::sim::SimOptions o;
    std::string load, dump;
    int fill = -1;
    bool quiet = false;
    bool passWordGiven = false;
};

// Reads the command line into `a`; false on an unknown option or a missing
// or malformed value.
bool ParseArgs(int argc, char** argv, Args& a) {
    rp::sim::SimOptions& o = a.o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto next = [&](std::string_view& v) {
            if (i + 1 >= argc) return false;
            v = argv[++i];
            return true;
        };
        auto nextInt = [&](int& v) {
            std::string_view s;
            return next(s) && ToInt(s, v);
        };
        std::string_view s;
        int n = 0;
        bool ok = true;
        if (arg == "--model") ok = next(s), o.Model = std::string(s);
        else if (arg == "--band") ok = nextInt(n), o.Band = static_cast<rp::sim::Byte>(n);
        else if (arg == "--version") ok = next(s), o.Version = std::string(s);
        else if (arg == "--killed") o.Killed = true;
        else if (arg == "--stunned") o.Stunned = true;
        else if (arg == "--password") ok = next(s), o.PassWord = std::string(s), a.passWordGiven = true;
        else if (arg == "--ignore-end") o.IgnoreEndOutsideProgram = true;
        else if (arg == "--fill") ok = nextInt(a.fill);
        else if (arg == "--load") ok = next(s), a.load = std::string(s);
        else if (arg == "--dump") ok = next(s), a.dump = std::string(s);
        else if (arg == "--drop") ok = nextInt(o.DropReply);
        else if (arg == "--delay") ok = nextInt(o.DelayReply);
        else if (arg == "--delay-ms") ok = nextInt(o.DelayMs);
        else if (arg == "--bad-checksum") ok = nextInt(o.BadChecksum);
        else if (arg == "--wrong-address") ok = nextInt(o.WrongAddress);
        else if (arg == "--extra-byte") ok = nextInt(o.ExtraByte);
        else if (arg == "--resend") {
            ok = next(s);
            const auto comma = s.find(',');
            ok = ok && comma != std::string_view::npos && ToInt(s.substr(0, comma), o.ResendAt) &&
                 ToInt(s.substr(comma + 1), o.ResendTimes);
        } else if (arg == "--hang-up") ok = nextInt(o.HangUpAfter);
        else if (arg == "--stray") ok = nextInt(o.StrayAckEvery);
        else if (arg == "--resend-every") ok = nextInt(o.ResendEvery);
        else if (arg == "--drop-every") ok = nextInt(o.DropEvery);
        else if (arg == "--garble-every") ok = nextInt(o.GarbleEvery);
        else if (arg == "--late-ms") ok = nextInt(o.LateMs);
        else if (arg == "--noise") o.NoiseOnOpen = true;
        else if (arg == "--paced") o.Paced = true;
        else if (arg == "--quiet") a.quiet = true;
        else ok = false;
        if (!ok) return false;
    }
    return true;
}

// Copies the radio's frame log to stderr until a signal comes or the radio
// hangs up.
void ShowLogUntilStopped(rp::sim::PtyRadio& pty) {
    auto& radio = pty.Radio();
    std::size_t shown = 0;
    bool hungUp = false;
    while (!gStop && !hungUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::string lines;
        {
            // Copied under the lock, written outside it: a slow terminal
            // must not hold up the radio's replies.
            std::lock_guard<std::mutex> lock(pty.Mutex());
            const auto& log = radio.Log();
            for (; shown < log.size(); ++shown) lines += log[shown] + "\n";
            hungUp = radio.HungUp();
        }
        Out(stderr, lines);
    }
}
}  // namespace

int main(int argc, char** argv) {
    Args a;
    if (!ParseArgs(argc, argv, a)) {
        Out(stderr, kUsage);
        return 2;
    }

    rp::sim::PtyRadio pty(a.o);
    auto& radio = pty.Radio();
    if (a.fill >= 0) radio.FillPattern(static_cast<unsigned>(a.fill));
    if (!a.load.empty()) {
        std::ifstream f(a.load, std::ios::binary);
        if (!f.read(reinterpret_cast<char*>(radio.Memory.data()), rp::sim::kMemorySize)) {
            Out(stderr, "simradio: cannot read " + a.load + "\n");
            return 1;
        }
    }
    if (a.passWordGiven) radio.SetPassWord(a.o.PassWord);  // else a loaded image keeps its own
    if (!pty.Open()) {
        Out(stderr, "simradio: no pseudo-terminal: " + pty.Error() + "\n");
        return 1;
    }
    Out(stdout, pty.SlavePath() + "\n");
    std::fflush(stdout);

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    pty.Start();
    radio.LogEnabled = !a.quiet;
    ShowLogUntilStopped(pty);
    pty.Stop();
    if (!a.dump.empty()) {
        std::ofstream f(a.dump, std::ios::binary);
        f.write(reinterpret_cast<const char*>(radio.Memory.data()), rp::sim::kMemorySize);
        if (!f) {
            Out(stderr, "simradio: cannot write " + a.dump + "\n");
            return 1;
        }
    }
    return 0;
}
