#pragma once
// A simulated radio for tests and for trying the program without a radio.
//
// SimRadio is the radio's side of the link as a plain state machine: bytes
// from the program go in, replies (with the delay each should take) come
// out. PtyRadio (ptyradio.h) puts it on a pseudo-terminal.
//
// The radio holds a 16,384-byte memory and a programming-mode flag.
// "PROGRAM" and the factory entry word get "RZ",06 in any state; "END" gets
// 06 in any state (unless told to ignore it outside programming mode); the
// identity request, "R" and "W" are answered only in programming mode. A
// write frame with a bad length, checksum or terminator gets 0x0A. Any "W"
// below 0x0100 outside a factory entry, taken or not, is recorded as a
// violation.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rp::sim {

using Byte = std::uint8_t;
using Bytes = std::vector<Byte>;

inline constexpr int kMemorySize = 16384;

struct SimOptions {
    std::string Model = "KEVRA8R";  // up to 7 characters
    Byte Band = 0x00;               // band byte of the identity reply
    std::string Version = "V101";   // up to 4 characters
    bool Killed = false;
    bool Stunned = false;
    std::string PassWord;           // up to 4 characters at 0x004C; "" = none
    bool IgnoreEndOutsideProgram = false;

    // Faults; every count starts at 1, 0 switches the fault off.
    int DropReply = 0;       // the n-th reply is not sent
    int DelayReply = 0;      // the n-th reply comes DelayMs late
    int DelayMs = 450;
    int BadChecksum = 0;     // the n-th data frame carries a wrong checksum
    int WrongAddress = 0;    // the n-th data frame is the previous block's
    int ExtraByte = 0;       // the n-th reply carries one byte more
    int StrayAckEvery = 0;   // every n-th reply is followed by a lone 06,
    int StrayGapMs = 1;      //   sent on its own this long after the reply
    int ResendAt = 0;        // the n-th write frame and the ResendTimes-1
    int ResendTimes = 0;     //   write frames after it get 0x0A
    int ResendEvery = 0;     // every n-th write frame gets 0x0A
    int DropEvery = 0;       // every n-th reply is not sent
    int GarbleEvery = 0;     // every n-th data frame carries a wrong checksum,
                             //   the next such frame the previous block's address
    int LateMs = 0;          // every reply comes this much late
    int HangUpAfter = 0;     // the line goes dead after n frames
    bool NoiseOnOpen = false;  // junk on the line before the first reply
    bool Paced = false;      // 9600 baud 8N1 in both directions
};

struct SimReply {
    Bytes bytes;
    int delayMs = 0;  // on top of the wire time when paced
    int gapMs = 0;    // the line stays idle this long after the reply before it
};

class SimRadio {
public:
    explicit SimRadio(SimOptions o = {});

    SimOptions Options;
    std::array<Byte, kMemorySize> Memory{};
    bool ProgramMode = false;
    bool FactoryMode = false;  // entered with the factory entry word

    // Deterministic content: pseudo-random bytes from seed, the password
    // block's password bytes from Options.PassWord.
    void FillPattern(unsigned seed);
    // Sets the password bytes 0x004C..0x004F (0xFF when none).
    void SetPassWord(const std::string& pw);

    // Bytes from the program; returns the replies in order.
    std::vector<SimReply> Receive(const Byte* data, std::size_t n);
    std::vector<SimReply> Receive(const Bytes& b) { return Receive(b.data(), b.size()); }

    // The junk sent before the first reply when NoiseOnOpen is set.
    static Bytes Noise();

    bool HungUp() const { return hungUp_; }
    int FramesReceived() const { return frames_; }
    int ProgramCommands() const { return programs_; }
    int EntryWords() const { return entries_; }
    int EndCommands() const { return ends_; }
    int WriteFrames() const { return writes_; }
    int ReadRequests() const { return reads_; }
    // Addresses of "W" frames below 0x0100 received outside a factory entry.
    const std::vector<int>& Violations() const { return violations_; }
    // Addresses written, in order (accepted frames only).
    const std::vector<int>& WrittenAddresses() const { return written_; }
    // One line per frame: "> PROGRAM", "< RZ 06", "> R 0040 10", ...
    const std::vector<std::string>& Log() const { return log_; }
    bool LogEnabled = true;

    // 9600 baud 8N1: ten bits a byte.
    static double WireMs(std::size_t bytes) { return static_cast<double>(bytes) * 10.0 / 9.6; }

private:
    void Frame(const Bytes& f, std::vector<SimReply>& out);
    void Reply(Bytes r, bool dataFrame, std::vector<SimReply>& out);
    void Note(char dir, const Bytes& b);

    Bytes in_;
    bool hungUp_ = false;
    bool noiseSent_ = false;
    int frames_ = 0, replies_ = 0, dataFrames_ = 0;
    int programs_ = 0, entries_ = 0, ends_ = 0, writes_ = 0, reads_ = 0;
    std::vector<int> violations_;
    std::vector<int> written_;
    std::vector<std::string> log_;
};

}  // namespace rp::sim
