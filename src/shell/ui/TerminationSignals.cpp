#include "shell/ui/TerminationSignals.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int gSignalFd[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

extern "C" void WriteSignalByte(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(gSignalFd[0], &byte, 1);
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal))
{
    if (gSignalFd[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gSignalFd) != 0)
        return; // one watcher per process; without a socket the signals keep their default
    notifier_ = new QSocketNotifier(gSignalFd[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::Received);
    struct sigaction action = {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kSignals)
        ::sigaction(s, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    if (!notifier_)
        return;
    for (int s : kSignals)
        std::signal(s, SIG_DFL);
    delete notifier_;
    ::close(gSignalFd[0]);
    ::close(gSignalFd[1]);
    gSignalFd[0] = gSignalFd[1] = -1;
}

void TerminationSignals::Received()
{
    char bytes[16];
    [[maybe_unused]] const ssize_t n = ::read(gSignalFd[1], bytes, sizeof bytes);
    if (onSignal_)
        onSignal_();
}
