#include "tools/sim/plug_signals.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <system_error>

namespace sim {
namespace {

// The pipe the handler writes to: [0] read by the watcher, [1] written by the handler. Plain
// globals, since a signal handler can reach nothing else.
std::array<int, 2> plugPipe{-1, -1};
struct sigaction previousUsr1 {};
struct sigaction previousUsr2 {};

// Asks the watcher to end; no signal has this number.
constexpr unsigned char kStopByte = 0;

extern "C" void OnPlugSignal(int signal) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signal);
    // A full pipe drops the signal, as the kernel merges pending signals of one kind anyway.
    [[maybe_unused]] const ssize_t written = ::write(plugPipe[1], &byte, 1);
    errno = savedErrno;
}

void ThrowErrno(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

void ClosePipe() {
    for (int& fd : plugPipe) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

}  // namespace

PlugSignals::PlugSignals(Deliver deliver) : deliver_(std::move(deliver)) {
    if (::pipe2(plugPipe.data(), O_CLOEXEC) != 0) ThrowErrno("pipe2");
    // The handler must never block; the watcher blocks on its end.
    if (::fcntl(plugPipe[1], F_SETFL, O_NONBLOCK) != 0) {
        ClosePipe();
        ThrowErrno("fcntl");
    }
    struct sigaction action {};
    action.sa_handler = OnPlugSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    if (::sigaction(SIGUSR1, &action, &previousUsr1) != 0 ||
        ::sigaction(SIGUSR2, &action, &previousUsr2) != 0) {
        const int error = errno;
        ::sigaction(SIGUSR1, &previousUsr1, nullptr);
        ClosePipe();
        throw std::system_error(error, std::generic_category(), "sigaction");
    }
    watcher_ = std::thread(&PlugSignals::Watch, this);
}

PlugSignals::~PlugSignals() {
    ::sigaction(SIGUSR1, &previousUsr1, nullptr);
    ::sigaction(SIGUSR2, &previousUsr2, nullptr);
    const unsigned char stop = kStopByte;
    while (::write(plugPipe[1], &stop, 1) < 0 && (errno == EINTR || errno == EAGAIN)) {
    }
    watcher_.join();
    ClosePipe();
}

void PlugSignals::Watch() {
    while (true) {
        unsigned char byte = kStopByte;
        const ssize_t got = ::read(plugPipe[0], &byte, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0 || byte == kStopByte) return;
        deliver_(byte == SIGUSR1 ? PlugEvent::Unplug : PlugEvent::Replug);
    }
}

}  // namespace sim
