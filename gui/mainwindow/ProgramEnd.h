#pragma once
// Ending the program from outside its windows. The termination signals of a
// session (SIGTERM at logout, SIGHUP when the terminal goes, SIGINT from
// Ctrl+C) must not end the program on the spot: they reach the event loop
// through a pipe and close the main window as its Exit command does, which
// writes the settings.

#include <QObject>
#include <QPointer>

class QSocketNotifier;
class TFormWRG;

// While it lives, SIGTERM, SIGHUP and SIGINT are caught; each arrival is
// reported by Received() from the event loop. The handler only writes the
// signal number to a pipe (nothing else is safe inside a signal handler).
// One route at a time; the default handling returns when it is destroyed.
class TSignalRoute : public QObject {
    Q_OBJECT
public:
    explicit TSignalRoute(QObject* parent = nullptr);
    ~TSignalRoute() override;
    TSignalRoute(const TSignalRoute&) = delete;
    TSignalRoute& operator=(const TSignalRoute&) = delete;

    // False when the pipe or a handler could not be set up; the signals
    // then keep their default handling.
    bool Installed() const { return installed_; }

signals:
    void Received(int signal);

private:
    void ReadPipe();

    int fds_[2] = {-1, -1};
    bool installed_ = false;
    QSocketNotifier* notifier_ = nullptr;
};

// Closes the main window as Exit does, so the settings are written and the
// program ends. A running calculation is cancelled first and the window
// closes as soon as the run has ended; windows shown modally over it are
// dismissed without their questions.
void CloseWhenIdle(QPointer<TFormWRG> window);
