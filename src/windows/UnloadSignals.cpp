#include "windows/UnloadSignals.h"

#include <array>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace orvane::windows {

namespace {

constexpr std::array<int, 3> kSignals{SIGTERM, SIGINT, SIGHUP};
int writeEnd = -1;
std::array<struct sigaction, kSignals.size()> previous{};

extern "C" void onUnloadSignal(int signal) {
    const int savedErrno = errno;
    const auto number = static_cast<unsigned char>(signal);
    if (::write(writeEnd, &number, 1) < 0) {
        // A full pipe already holds a request; one more would change nothing.
    }
    errno = savedErrno;
}

} // namespace

UnloadSignals::UnloadSignals(std::function<void(int)> unload) : unload_(std::move(unload)) {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        // Without the pipe the signals keep their default action: the program ends at once.
        return;
    }
    writeEnd = pipe_[1];
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { readSignal(); });
    struct sigaction action {};
    action.sa_handler = onUnloadSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], &action, &previous[i]);
    }
}

UnloadSignals::~UnloadSignals() {
    if (pipe_[0] < 0) {
        return;
    }
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        ::sigaction(kSignals[i], &previous[i], nullptr);
    }
    writeEnd = -1;
    notifier_.reset();
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void UnloadSignals::readSignal() {
    unsigned char number = 0;
    if (::read(pipe_[0], &number, 1) == 1 && unload_) {
        unload_(number);
    }
}

} // namespace orvane::windows
