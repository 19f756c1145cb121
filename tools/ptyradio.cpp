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

void PtyRadio::Serve(const std::atomic<bool>& stop) {
    std::deque<Pending> out;
    Clock::time_point inFree = Clock::now();   // paced: when the incoming line is idle
    Clock::time_point outFree = Clock::now();  // paced: when the outgoing line is idle
    Clock::time_point repliedAt{};             // the last reply left, nothing queued after it
    bool replied = false;
    Byte buf[512];
    while (!stop && master_ >= 0) {
        int timeout = 20;
        if (!out.empty()) {
            const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(out.front().due - Clock::now());
            timeout = static_cast<int>(std::max<long long>(0, std::min<long long>(wait.count(), 20)));
        }
        pollfd p{master_, POLLIN, 0};
        const int r = poll(&p, 1, timeout);
        const auto now = Clock::now();
        if (r > 0 && (p.revents & POLLIN)) {
            const ssize_t n = read(master_, buf, sizeof buf);
            if (n > 0) {
                bytesIn_ += static_cast<std::size_t>(n);
                if (replied) {
                    turnarounds_.push_back(std::chrono::duration<double, std::milli>(now - repliedAt).count());
                    replied = false;
                }
                Clock::time_point at = now;
                bool paced;
                std::vector<SimReply> replies;
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    paced = radio_.Options.Paced;
                    replies = radio_.Receive(buf, static_cast<std::size_t>(n));
                }
                if (paced) {
                    // The bytes finish arriving one wire time after the line is free.
                    inFree = std::max(inFree, now) + Ms(SimRadio::WireMs(static_cast<std::size_t>(n)));
                    at = inFree;
                }
                Clock::time_point lastDue = at;
                for (auto& rep : replies) {
                    Clock::time_point due = at + Ms(rep.delayMs);
                    if (rep.gapMs > 0) due = std::max(due, lastDue + Ms(rep.gapMs));
                    if (paced) {
                        due = std::max(due, outFree + Ms(rep.gapMs)) + Ms(SimRadio::WireMs(rep.bytes.size()));
                        outFree = due;
                    }
                    lastDue = due;
                    out.push_back({due, std::move(rep.bytes)});
                }
                bool hung;
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    hung = radio_.HungUp();
                }
                if (hung) {
                    // The line goes dead: the program's end sees a hang-up.
                    CloseAll();
                    break;
                }
            }
        }
        while (!out.empty() && out.front().due <= Clock::now()) {
            const Bytes& b = out.front().bytes;
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
            out.pop_front();
            if (out.empty()) {
                repliedAt = Clock::now();
                replied = true;
            }
        }
    }
}

}  // namespace rp::sim
