#pragma once
// Things standing where a reader expects a file that are not regular files:
// a named pipe with no writer (opening it to read waits for one), a device,
// a socket and a folder. Every reader must refuse them at once.
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

namespace rp::test {

enum class NonRegular { Pipe, Device, Socket, Folder };

struct NonRegularKind {
    NonRegular kind;
    const char* name;
};
inline constexpr NonRegularKind kNonRegularKinds[] = {
    {NonRegular::Pipe, "a named pipe"},
    {NonRegular::Device, "a device"},
    {NonRegular::Socket, "a socket"},
    {NonRegular::Folder, "a folder"},
};

// Puts `kind` at path in place of anything there: the device is a link to
// /dev/null, the socket the name of a bound one. False when it cannot.
inline bool MakeNonRegular(NonRegular kind, const std::string& path) {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
    switch (kind) {
        case NonRegular::Pipe: return ::mkfifo(path.c_str(), 0600) == 0;
        case NonRegular::Device: return ::symlink("/dev/null", path.c_str()) == 0;
        case NonRegular::Folder: return std::filesystem::create_directory(path, ec);
        case NonRegular::Socket: {
            sockaddr_un a{};
            a.sun_family = AF_UNIX;
            if (path.size() >= sizeof a.sun_path) return false;
            std::memcpy(a.sun_path, path.c_str(), path.size() + 1);
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            if (fd < 0) return false;
            const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
            ::close(fd);  // the name stays
            return bound;
        }
    }
    return false;
}

// While it lives, a read that waits on a pipe ends the test program (and
// fails the run) instead of stalling it for good.
class HangGuard {
public:
    explicit HangGuard(unsigned seconds = 30) { ::alarm(seconds); }
    ~HangGuard() { ::alarm(0); }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;
};

}  // namespace rp::test
