#pragma once
// SIGTERM (logout, shutdown, kill), SIGHUP (the terminal went away) and SIGINT (Ctrl+C)
// end the program the orderly way: the signal handler only writes a byte to a socket pair,
// and the call runs from the event loop, where saving files is safe.
#include <QObject>
#include <functional>

class QSocketNotifier;

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~TerminationSignals() override;

private:
    void Received();

    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};
