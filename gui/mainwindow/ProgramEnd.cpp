// Ending the program from outside its windows (termination signals).

#include "gui/mainwindow/ProgramEnd.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include "gui/mainwindow/MainWindow.h"

namespace {

constexpr int CaughtSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The write end of the pipe of the live route; -1 without one.
volatile std::sig_atomic_t WriteEnd = -1;

extern "C" void ForwardSignal(int signal)
{
    const int savedErrno = errno;
    const int fd = WriteEnd;
    if (fd >= 0) {
        const unsigned char number = static_cast<unsigned char>(signal);
        // A full pipe already holds a request to end; nothing is lost.
        [[maybe_unused]] const ssize_t written = ::write(fd, &number, 1);
    }
    errno = savedErrno;
}

// How often a window busy with a calculation is asked again.
constexpr int RetryMilliseconds = 50;

}  // namespace

TSignalRoute::TSignalRoute(QObject* parent) : QObject(parent)
{
    if (WriteEnd >= 0 || ::pipe2(fds_, O_CLOEXEC | O_NONBLOCK) != 0) {
        fds_[0] = fds_[1] = -1;
        return;
    }
    notifier_ = new QSocketNotifier(fds_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TSignalRoute::ReadPipe);
    WriteEnd = fds_[1];

    struct sigaction action = {};
    action.sa_handler = ForwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    installed_ = true;
    for (const int signal : CaughtSignals)
        installed_ = ::sigaction(signal, &action, nullptr) == 0 && installed_;
}

TSignalRoute::~TSignalRoute()
{
    if (fds_[1] < 0)
        return;
    for (const int signal : CaughtSignals)
        std::signal(signal, SIG_DFL);
    WriteEnd = -1;
    delete notifier_;
    ::close(fds_[0]);
    ::close(fds_[1]);
}

void TSignalRoute::ReadPipe()
{
    unsigned char numbers[16];
    ssize_t count = 0;
    while ((count = ::read(fds_[0], numbers, sizeof numbers)) > 0) {
        for (ssize_t at = 0; at < count; ++at)
            emit Received(numbers[at]);
    }
}

void CloseWhenIdle(QPointer<TFormWRG> window)
{
    // A window already closed has written the settings.
    if (!window || !window->isVisible())
        return;
    if (window->Calculating()) {
        window->SetCancelRequested(true);
        QTimer::singleShot(RetryMilliseconds, window, [window] { CloseWhenIdle(window); });
        return;
    }
    // The windows shown modally over the main window (the climate data
    // window, the preview, the options window, a file dialog, a message box)
    // are dismissed first, the front one first, without their questions: an
    // answer would outlast the session that asks the program to end, and a
    // window left open would keep the program from ending.
    while (QWidget* front = QApplication::activeModalWidget()) {
        auto* dialog = qobject_cast<QDialog*>(front);
        if (front == window.data() || !dialog)
            break;
        dialog->done(QDialog::Rejected);
        if (QApplication::activeModalWidget() == front)
            break;
    }
    window->CloseWithoutQuestions();
}
