#pragma once
// The simulated radio on a pseudo-terminal pair. The master end is the
// radio's; the slave end's path is what the program opens. The terminal is
// made raw at once and the radio keeps its own slave descriptor open, so
// the line stays up while the program closes and reopens its end.
#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tools/simradio.h"

namespace rp::sim {

class PtyRadio {
public:
    explicit PtyRadio(SimOptions o = {});
    ~PtyRadio();
    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;

    // Creates the pair; false (and Error()) when the system refuses.
    bool Open();
    const std::string& SlavePath() const { return slavePath_; }
    const std::string& Error() const { return error_; }

    // Serves the line on a thread of its own until Stop().
    void Start();
    void Stop();
    // Serves on the calling thread until `stop` becomes true.
    void Run(const std::atomic<bool>& stop);

    // The radio, for inspection while the line is quiet (lock Mutex() while
    // the thread runs).
    SimRadio& Radio() { return radio_; }
    std::mutex& Mutex() { return mutex_; }
    // Total bytes that crossed the line, both directions.
    std::size_t BytesIn() const { return bytesIn_; }
    std::size_t BytesOut() const { return bytesOut_; }
    // The program's turnaround, one entry a frame in milliseconds: from the
    // moment a reply left the radio whole, with nothing more queued, to the
    // moment the next bytes from the program were seen (the radio's own
    // wake-up included). Read once the line is stopped.
    const std::vector<double>& Turnarounds() const { return turnarounds_; }

private:
    using Clock = std::chrono::steady_clock;
    struct Line;
    void Serve(const std::atomic<bool>& stop);
    bool TakeBytes(Line& line, const Byte* bytes, std::size_t n, Clock::time_point now);
    void SendDueReplies(Line& line);
    void CloseAll();

    SimRadio radio_;
    std::mutex mutex_;
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
    std::string error_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<std::size_t> bytesIn_{0}, bytesOut_{0};
    std::vector<double> turnarounds_;  // written by the serving thread only
};

}  // namespace rp::sim
