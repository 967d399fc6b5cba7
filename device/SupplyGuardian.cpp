#include "SupplyGuardian.h"

#include "Frames.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace velmor::supplyGuardian {

#ifdef Q_OS_UNIX

namespace {

// The program's end of the socket to the guardian; -1 without one.
int toGuardian = -1;

// One message per port opened or about to close; a hold carries the descriptor with it.
struct Message {
    char what = 0; // 'h' hold, 'r' release
    int key = 0;   // the descriptor's number in the program
};

// The guardian's end of the socket, once it has moved it there.
constexpr int socketFd = 3;
constexpr int maxPorts = 16;
// What the program left queued may take this long to leave.
constexpr long drainMs = 50;
// Longer than the unit ever waits between a frame's bytes: a frame the program was cut off in
// the middle of is dropped by the unit as a remnant, and the all-off frame starts in step.
constexpr long quietMs = 60;

void pause(long milliseconds) {
    timespec left{0, milliseconds * 1000000L};
    while (::nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}

void switchOff(int fd, const unsigned char (&frame)[4]) {
    for (long waited = 0; waited < drainMs; waited += 2) {
        int queued = 0;
        if (::ioctl(fd, TIOCOUTQ, &queued) != 0 || queued == 0)
            break;
        pause(2);
    }
    pause(quietMs);
    // The descriptor shares the program's non-blocking mode: a full queue is waited out.
    std::size_t sent = 0;
    for (int tries = 0; sent < sizeof frame && tries < 50; ++tries) {
        const ssize_t n = ::write(fd, frame + sent, sizeof frame - sent);
        if (n > 0)
            sent += static_cast<std::size_t>(n);
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            break; // the port is gone; there is no one to tell
        else
            pause(2);
    }
    ::tcdrain(fd);
    ::close(fd);
}

// The guardian's whole life, in the forked child: only calls a signal handler may make.
[[noreturn]] void guard(int socket, const unsigned char (&frame)[4]) {
    ::setsid(); // out of the terminal's reach: Ctrl+C and a hang-up go to the program only
    // Nothing of the program's is kept open: a pipe's reader would wait for the guardian too.
    if (socket != socketFd)
        ::dup2(socket, socketFd);
    const int null = ::open("/dev/null", O_RDWR);
    for (int fd = 0; fd < socketFd; ++fd)
        ::dup2(null, fd);
    if (::close_range(socketFd + 1, ~0U, 0) != 0)
        for (int fd = socketFd + 1; fd < 1024; ++fd)
            ::close(fd);

    struct Held {
        int key;
        int fd;
    } held[maxPorts];
    int count = 0;
    for (;;) {
        Message message;
        iovec part{&message, sizeof message};
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))];
        msghdr header{};
        header.msg_iov = &part;
        header.msg_iovlen = 1;
        header.msg_control = control;
        header.msg_controllen = sizeof control;
        const ssize_t n = ::recvmsg(socketFd, &header, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break; // the program is gone
        int passed = -1;
        if (const cmsghdr* c = CMSG_FIRSTHDR(&header);
            c && c->cmsg_level == SOL_SOCKET && c->cmsg_type == SCM_RIGHTS)
            std::memcpy(&passed, CMSG_DATA(c), sizeof passed);
        if (message.what == 'h' && passed >= 0 && count < maxPorts) {
            held[count++] = {message.key, passed};
            continue;
        }
        if (passed >= 0)
            ::close(passed);
        if (message.what == 'r')
            for (int i = 0; i < count; ++i)
                if (held[i].key == message.key) {
                    ::close(held[i].fd);
                    held[i] = held[--count];
                    break;
                }
    }
    for (int i = 0; i < count; ++i)
        switchOff(held[i].fd, frame);
    ::_exit(0);
}

void tell(char what, int key, int fd) {
    if (toGuardian < 0)
        return;
    Message message{what, key};
    iovec part{&message, sizeof message};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
    msghdr header{};
    header.msg_iov = &part;
    header.msg_iovlen = 1;
    if (fd >= 0) {
        header.msg_control = control;
        header.msg_controllen = sizeof control;
        cmsghdr* c = CMSG_FIRSTHDR(&header);
        c->cmsg_level = SOL_SOCKET;
        c->cmsg_type = SCM_RIGHTS;
        c->cmsg_len = CMSG_LEN(sizeof(int));
        std::memcpy(CMSG_DATA(c), &fd, sizeof fd);
    }
    // Never waits: a guardian gone or stopped costs its protection, never the program's time.
    while (::sendmsg(toGuardian, &header, MSG_DONTWAIT | MSG_NOSIGNAL) < 0 && errno == EINTR) {
    }
}

QString systemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

std::optional<QString> start() {
    if (toGuardian >= 0)
        return std::nullopt;
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0)
        return systemError("socketpair");
    unsigned char frame[4];
    const auto bytes = allOffFrame.bytes();
    std::copy(bytes.begin(), bytes.end(), frame);
    const pid_t pid = ::fork();
    if (pid < 0) {
        const QString error = systemError("fork");
        ::close(ends[0]);
        ::close(ends[1]);
        return error;
    }
    if (pid == 0) {
        ::close(ends[0]); // held by the program alone, so that its end is the guardian's cue
        guard(ends[1], frame);
    }
    ::close(ends[1]);
    toGuardian = ends[0];
    return std::nullopt;
}

void hold(int descriptor) {
    tell('h', descriptor, descriptor);
}

void release(int descriptor) {
    tell('r', descriptor, -1);
}

#else // no fork: the program's own ends are all there is

std::optional<QString> start() {
    return QStringLiteral("no guardian on this platform");
}
void hold(int) {}
void release(int) {}

#endif

} // namespace velmor::supplyGuardian
