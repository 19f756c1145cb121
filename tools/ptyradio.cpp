#include "tools/ptyradio.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <deque>

namespace rp::sim {

namespace {
using Clock = std::chrono::steady_clock;

struct Pending {
    Clock::time_point due;
    Bytes bytes;
};

void MakeRaw(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) return;
    cfmakeraw(&t);
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
    tcsetattr(fd, TCSANOW, &t);
}

Clock::duration Ms(double ms) {
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double, std::milli>(ms));
}
}  // namespace

PtyRadio::PtyRadio(SimOptions o) : radio_(std::move(o)) {}

PtyRadio::~PtyRadio() {
    Stop();
    CloseAll();
}

void PtyRadio::CloseAll() {
    if (slave_ >= 0) close(slave_);
    if (master_ >= 0) close(master_);
    slave_ = master_ = -1;
}

bool PtyRadio::Open() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error_ = std::strerror(errno);
        CloseAll();
        return false;
    }
    const char* name = ptsname(master_);
    if (!name) {
        error_ = "no slave name";
        CloseAll();
        return false;
    }
    slavePath_ = name;
    slave_ = open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave_ < 0) {
        error_ = std::strerror(errno);
        CloseAll();
        return false;
    }
    // Raw at once, on both ends, before anyone else opens the slave.
    MakeRaw(slave_);
    MakeRaw(master_);
    return true;
}

void PtyRadio::Start() {
    stop_ = false;
    thread_ = std::thread([this] { Serve(stop_); });
}

void PtyRadio::Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

void PtyRadio::Run(const std::atomic<bool>& stop) { Serve(stop); }

// The serving thread's side of the line: the replies queued with the time
// each is due, when each direction of a paced line is free, and the moment
// the last reply left with nothing queued after it.
struct PtyRadio::Line {
    std::deque<Pending> out;
    Clock::time_point inFree = Clock::now();   // paced: when the incoming line is idle
    Clock::time_point outFree = Clock::now();  // paced: when the outgoing line is idle
    Clock::time_point repliedAt{};             // the last reply left, nothing queued after it
    bool replied = false;

    // How long a poll may wait: until the next reply is due, 20 ms at most.
    int PollTimeout() const {
        if (out.empty()) return 20;
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(out.front().due - Clock::now());
        return static_cast<int>(std::max<long long>(0, std::min<long long>(wait.count(), 20)));
    }
};

void PtyRadio::Serve(const std::atomic<bool>& stop) {
    Line line;
    Byte buf[512];
    while (!stop && master_ >= 0) {
        pollfd p{master_, POLLIN, 0};
        const int r = poll(&p, 1, line.PollTimeout());
        const auto now = Clock::now();
        if (r > 0 && (p.revents & POLLIN)) {
            const ssize_t n = read(master_, buf, sizeof buf);
            if (n > 0 && !TakeBytes(line, buf, static_cast<std::size_t>(n), now)) {
                // The line goes dead: the program's end sees a hang-up.
                CloseAll();
                break;
            }
        }
        SendDueReplies(line);
    }
}

// Hands the bytes the program sent to the radio and queues its replies, each
// due after its delay (and, paced, the wire time of both directions). False
// once the radio has hung up.
bool PtyRadio::TakeBytes(Line& line, const Byte* bytes, std::size_t n, Clock::time_point now) {
    bytesIn_ += n;
    if (line.replied) {
        turnarounds_.push_back(std::chrono::duration<double, std::milli>(now - line.repliedAt).count());
        line.replied = false;
    }
    Clock::time_point at = now;
    bool paced;
    std::vector<SimReply> replies;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        paced = radio_.Options.Paced;
        replies = radio_.Receive(bytes, n);
    }
    if (paced) {
        // The bytes finish arriving one wire time after the line is free.
        line.inFree = std::max(line.inFree, now) + Ms(SimRadio::WireMs(n));
        at = line.inFree;
    }
    Clock::time_point lastDue = at;
    for (auto& rep : replies) {
        Clock::time_point due = at + Ms(rep.delayMs);
        if (rep.gapMs > 0) due = std::max(due, lastDue + Ms(rep.gapMs));
        if (paced) {
            due = std::max(due, line.outFree + Ms(rep.gapMs)) + Ms(SimRadio::WireMs(rep.bytes.size()));
            line.outFree = due;
        }
        lastDue = due;
        line.out.push_back({due, std::move(rep.bytes)});
    }
    std::lock_guard<std::mutex> lock(mutex_);
    return !radio_.HungUp();
}

// Writes every reply whose time has come, whole, in order.
void PtyRadio::SendDueReplies(Line& line) {
    while (!line.out.empty() && line.out.front().due <= Clock::now()) {
        const Bytes& b = line.out.front().bytes;
        std::size_t done = 0;
        while (done < b.size()) {
            const ssize_t w = write(master_, b.data() + done, b.size() - done);
            if (w > 0) {
                done += static_cast<std::size_t>(w);
            } else if (w < 0 && errno == EAGAIN) {
                pollfd q{master_, POLLOUT, 0};
                poll(&q, 1, 10);
            } else {
                break;
            }
        }
        bytesOut_ += done;
        line.out.pop_front();
        if (line.out.empty()) {
            line.repliedAt = Clock::now();
            line.replied = true;
        }
    }
}

}  // namespace rp::sim
