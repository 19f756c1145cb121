#include "tools/simradio.h"

#include <algorithm>
#include <cstring>

#include "link/protocol.h"

namespace rp::sim {

namespace {
constexpr Byte kAck = 0x06;
constexpr Byte kResend = 0x0A;
const Bytes kProgram(rp::ProgramCommand.begin(), rp::ProgramCommand.end());
const Bytes kEntry(rp::kFactoryEntryWordPlaceholder.begin(), rp::kFactoryEntryWordPlaceholder.end());
const Bytes kEnd(rp::EndCommand.begin(), rp::EndCommand.end());

char HexDigit(int v) { return static_cast<char>(v < 10 ? '0' + v : 'A' + v - 10); }

std::string Hex(const Bytes& b, std::size_t from, std::size_t to) {
    std::string s;
    for (std::size_t i = from; i < to && i < b.size(); ++i) {
        if (!s.empty()) s.push_back(' ');
        s.push_back(HexDigit(b[i] >> 4));
        s.push_back(HexDigit(b[i] & 0x0F));
    }
    return s;
}

bool StartsWith(const Bytes& in, const Bytes& word) {
    const std::size_t n = std::min(in.size(), word.size());
    return std::equal(in.begin(), in.begin() + static_cast<long>(n), word.begin());
}
}  // namespace

SimRadio::SimRadio(SimOptions o) : Options(std::move(o)) {
    Memory.fill(0xFF);
    SetPassWord(Options.PassWord);
}

void SimRadio::FillPattern(unsigned seed) {
    std::uint32_t x = seed * 2654435761u + 12345u;
    for (auto& b : Memory) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<Byte>(x >> 8);
    }
    SetPassWord(Options.PassWord);
}

void SimRadio::SetPassWord(const std::string& pw) {
    for (int i = 0; i < 4; ++i)
        Memory[0x004C + i] = i < static_cast<int>(pw.size()) ? static_cast<Byte>(pw[i]) : 0xFF;
}

Bytes SimRadio::Noise() { return Bytes{0x00, 0xFF, 0x55, 'R', 0x13, 0x11}; }

void SimRadio::Note(char dir, const Bytes& b) {
    if (!LogEnabled) return;
    std::string line(1, dir);
    line += ' ';
    if (dir == '>' && b == kProgram) {
        line += "PROGRAM";
    } else if (dir == '>' && b == kEntry) {
        line += "ENTRY";
    } else if (dir == '>' && b == kEnd) {
        line += "END";
    } else if (!b.empty() && (b[0] == 'R' || b[0] == 'W') && b.size() >= 4) {
        line.push_back(static_cast<char>(b[0]));
        line += ' ' + Hex(b, 1, 3) + ' ' + Hex(b, 3, 4);
        if (b.size() > 4) line += " | " + Hex(b, 4, b.size());
    } else {
        line += Hex(b, 0, b.size());
    }
    log_.push_back(std::move(line));
}

std::vector<SimReply> SimRadio::Receive(const Byte* data, std::size_t n) {
    std::vector<SimReply> out;
    if (hungUp_) return out;
    in_.insert(in_.end(), data, data + n);
    // The fixed words are told apart by their bytes, not by their first
    // letter alone, so the entry word may be any seven bytes.
    static const Bytes* const kWords[] = {&kProgram, &kEntry, &kEnd};
    while (!in_.empty() && !hungUp_) {
        const Bytes* word = nullptr;
        bool partial = false;
        for (const Bytes* w : kWords) {
            if (!StartsWith(in_, *w)) continue;
            if (in_.size() >= w->size()) {
                word = w;
                break;
            }
            partial = true;
        }
        std::size_t need = 0;
        const Byte b = in_[0];
        if (word) {
            need = word->size();
        } else if (b == 0x02) {
            need = 1;
        } else if (b == 'R') {
            need = 4;
        } else if (b == 'W') {
            if (in_.size() < 4) break;
            need = static_cast<std::size_t>(in_[3]) + 6;
        } else if (partial) {
            break;  // the start of a word: wait for the rest
        } else {
            in_.erase(in_.begin());  // not the start of any frame
            continue;
        }
        if (in_.size() < need) break;
        Bytes f(in_.begin(), in_.begin() + static_cast<long>(need));
        in_.erase(in_.begin(), in_.begin() + static_cast<long>(need));
        Frame(f, out);
    }
    return out;
}

void SimRadio::Reply(Bytes r, bool dataFrame, std::vector<SimReply>& out) {
    ++replies_;
    if (dataFrame) {
        ++dataFrames_;
        if (dataFrames_ == Options.BadChecksum) r[r.size() - 2] = static_cast<Byte>(r[r.size() - 2] + 1);
        const bool garbled = Options.GarbleEvery > 0 && dataFrames_ % Options.GarbleEvery == 0;
        const bool wrongAddress = garbled && (dataFrames_ / Options.GarbleEvery) % 2 == 0;
        if (garbled && !wrongAddress) r[r.size() - 2] = static_cast<Byte>(r[r.size() - 2] + 1);
        if (dataFrames_ == Options.WrongAddress || wrongAddress) {
            int a = r[1] * 256 + r[2] - 16;
            if (a < 0) a = 0;
            Bytes data(Memory.begin() + a, Memory.begin() + a + r[3]);
            r = rp::BuildWriteFrame(a, data);
        }
    }
    if (replies_ == Options.ExtraByte) r.push_back(0x00);
    if (replies_ == Options.DropReply || (Options.DropEvery > 0 && replies_ % Options.DropEvery == 0)) {
        if (LogEnabled) log_.push_back("< (dropped)");
        return;
    }
    SimReply rep;
    if (Options.NoiseOnOpen && !noiseSent_) {
        noiseSent_ = true;
        Bytes noisy = Noise();
        noisy.insert(noisy.end(), r.begin(), r.end());
        r = std::move(noisy);
    }
    rep.delayMs = (replies_ == Options.DelayReply ? Options.DelayMs : 0) + Options.LateMs;
    Note('<', r);
    rep.bytes = std::move(r);
    out.push_back(std::move(rep));
    if (Options.StrayAckEvery > 0 && replies_ % Options.StrayAckEvery == 0) {
        SimReply stray;
        stray.bytes = Bytes{kAck};
        stray.delayMs = out.back().delayMs;
        stray.gapMs = Options.StrayGapMs;
        if (LogEnabled) log_.push_back("< 06 (stray)");
        out.push_back(std::move(stray));
    }
}

void SimRadio::Frame(const Bytes& f, std::vector<SimReply>& out) {
    ++frames_;
    Note('>', f);
    const bool dead = Options.HangUpAfter > 0 && frames_ > Options.HangUpAfter;
    if (dead) {
        hungUp_ = true;
        if (LogEnabled) log_.push_back("  (hung up)");
        return;
    }
    if (f == kProgram || f == kEntry) {
        if (f == kProgram) ++programs_; else ++entries_;
        ProgramMode = true;
        FactoryMode = f == kEntry;
        Reply(Bytes{'R', 'Z', kAck}, false, out);
        return;
    }
    if (f == kEnd) {
        ++ends_;
        const bool wasProgramming = ProgramMode;
        ProgramMode = false;
        FactoryMode = false;
        if (!wasProgramming && Options.IgnoreEndOutsideProgram) return;
        Reply(Bytes{kAck}, false, out);
        return;
    }
    if (!ProgramMode) return;
    if (f.size() == 1 && f[0] == 0x02) {
        Bytes r(16, 0x00);
        r[0] = 'I';
        for (int i = 0; i < 7; ++i)
            r[1 + i] = i < static_cast<int>(Options.Model.size()) ? static_cast<Byte>(Options.Model[i]) : 0xFF;
        r[8] = Options.Band;
        for (int i = 0; i < 4; ++i)
            r[9 + i] = i < static_cast<int>(Options.Version.size()) ? static_cast<Byte>(Options.Version[i]) : 0x00;
        r[14] = static_cast<Byte>((Options.Killed ? 1 : 0) | (Options.Stunned ? 2 : 0));
        r[15] = kAck;
        Reply(std::move(r), false, out);
        return;
    }
    if (f[0] == 'R') {
        ++reads_;
        const int a = f[1] * 256 + f[2];
        const int len = f[3];
        if (len == 0 || a + len > kMemorySize) return;  // not a block of this memory
        Bytes data(Memory.begin() + a, Memory.begin() + a + len);
        Reply(rp::BuildWriteFrame(a, data), true, out);
        return;
    }
    if (f[0] == 'W') {
        ++writes_;
        const int a = f[1] * 256 + f[2];
        const int len = f[3];
        const bool good = len == 16 && f.back() == kAck && rp::IsCheckSumOK(f, 1) && a + len <= kMemorySize;
        const bool forced = (Options.ResendAt > 0 && writes_ >= Options.ResendAt &&
                             writes_ < Options.ResendAt + Options.ResendTimes) ||
                            (Options.ResendEvery > 0 && writes_ % Options.ResendEvery == 0);
        if (a < 0x0100 && !FactoryMode) violations_.push_back(a);  // taken or not
        if (!good || forced) {
            Reply(Bytes{kResend}, false, out);
            return;
        }
        std::copy(f.begin() + 4, f.begin() + 4 + len, Memory.begin() + a);
        written_.push_back(a);
        Reply(Bytes{kAck}, false, out);
    }
}

}  // namespace rp::sim
