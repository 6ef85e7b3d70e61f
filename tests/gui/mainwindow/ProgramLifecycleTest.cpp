// The program never ends behind the user's back and never loses work:
// Escape, the windows shown over the main window and their message boxes,
// the termination signals of a session, the choices on screen across a
// language change, the inputs kept by the settings, the message box caption
// and the menus' keyboard access.

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <functional>
#include <signal.h>

#include "core/settings/IniFile.h"
#include "core/settings/Language.h"
#include "core/settings/SettingsFile.h"
#include "gui/climateeditor/ClimateEditorWindow.h"
#include "gui/mainwindow/ProgramEnd.h"
#include "tests/gui/mainwindow/MainWindowSupport.h"

namespace {

// Runs `inspect` on the modal window in front once it is not `below`, then
// closes that window.
void WhenModalOver(QWidget* below, std::function<void(QWidget*)> inspect)
{
    QTimer::singleShot(0, [below, inspect] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == below)
            return WhenModalOver(below, inspect);
        inspect(modal);
        modal->close();
    });
}

// Whether the process `pid` has a handler of its own for `signal`.
bool Catches(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1U;
    }
    return false;
}

}  // namespace

class ProgramLifecycleTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString Ini() const { return dir_.filePath(QStringLiteral("Quorvane.ini")); }

private slots:
    void init()
    {
        QFile::remove(Ini());
        SetCurrentLanguage(LanguageNumber::English);
    }
    void cleanup() { SetMessageBoxHook({}); }

    // ---- Escape ----------------------------------------------------------

    void escapeLeavesTheWindowOpen_data()
    {
        QTest::addColumn<QString>("target");
        for (const char* target : {"FormWRG", "Combo_Rotortyp", "Button1", "PageControl1"})
            QTest::newRow(target) << QString::fromLatin1(target);
    }

    // Escape that the cancel shortcut does not take (the window is not the
    // active one) reaches the window itself: outside a calculation it does
    // nothing at all.
    void escapeLeavesTheWindowOpen()
    {
        QFETCH(QString, target);
        MessageLog messages;
        TFormWRG window;
        window.show();
        QSignalSpy finished(&window, &QDialog::finished);
        QWidget* receiver = target == window.objectName() ? &window : C<QWidget>(window, qPrintable(target));
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(receiver, &escape);
        QVERIFY(window.isVisible());
        QCOMPARE(finished.count(), 0);
        QVERIFY(!window.CancelRequested());
    }

    // ---- Windows over the main window ----------------------------------

    void auxiliaryWindowsDoNotEndTheProgram_data()
    {
        QTest::addColumn<QString>("path");
        for (const char* path : {"box in the climate window", "box over the main window"})
            QTest::newRow(path) << QString::fromLatin1(path);
    }

    // The climate window is shown modally over the visible main window (as
    // the preview is, see the datasheet commands); a box belongs to the
    // window in front. Closing any of them is never the closing of the
    // program's last window.
    void auxiliaryWindowsDoNotEndTheProgram()
    {
        QFETCH(QString, path);
        TFormWRG window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        QStringList seen;
        QTimer::singleShot(0, [&] {
            if (path == QLatin1String("box in the climate window")) {
                WhenModalOver(nullptr, [&](QWidget* editor) {
                    seen << QStringLiteral("editor over main %1 main visible %2")
                                .arg(editor->parentWidget() == &window)
                                .arg(window.isVisible());
                    WhenModalOver(editor, [&, editor](QWidget* box) {
                        seen << QStringLiteral("box over editor %1").arg(box->parentWidget() == editor);
                    });
                    ShowError(QStringLiteral("Error"), QStringLiteral("Invalid data"));
                });
                window.Button_DefineClick();
            } else {
                WhenModalOver(nullptr, [&](QWidget* box) {
                    seen << QStringLiteral("box over main %1").arg(box->parentWidget() == &window);
                });
                ShowError(QStringLiteral("Error"), QStringLiteral("Invalid data"));
            }
            QCoreApplication::exit(0);
        });
        QCoreApplication::exec();
        QCOMPARE(lastClosed.count(), 0);
        QVERIFY(window.isVisible());
        QVERIFY2(!seen.isEmpty() && !seen.join(' ').contains(QLatin1String(" 0")), qPrintable(seen.join('\n')));
    }

    // ---- Termination signals --------------------------------------------

    void signalClosesTheWindow_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("calculating");
        QTest::newRow("SIGTERM") << int(SIGTERM) << false;
        QTest::newRow("SIGHUP during a calculation") << int(SIGHUP) << true;
    }

    // A signal closes the window as Exit does, which writes the settings; a
    // running calculation is cancelled first.
    void signalClosesTheWindow()
    {
        QFETCH(int, signal);
        QFETCH(bool, calculating);
        MessageLog messages;
        TIniDatei file(Ini().toStdString());
        TFormWRG window;
        window.LoadSettingsIntoWindow(file);
        window.show();
        TSignalRoute route;
        QVERIFY(route.Installed());
        connect(&route, &TSignalRoute::Received, &window, [&window] { CloseWhenIdle(&window); });
        QVERIFY(std::raise(signal) == 0);
        if (calculating)
            window.Button1Click();
        QTRY_VERIFY(!window.isVisible());
        QVERIFY(FileText(Ini()).contains("Version=201101"));
        QCOMPARE(bool(window.LastResults()), false);
        QVERIFY(messages.isEmpty());
    }

    void programEndsCleanlyOnSignal_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGINT") << int(SIGINT);
    }

    // The program itself: a signal at any time after start, even during the
    // splash, ends it normally with the settings written.
    void programEndsCleanlyOnSignal()
    {
        QFETCH(int, signal);
        QTemporaryDir config;
        QVERIFY(QDir().mkpath(config.filePath(QStringLiteral("Quorvane"))));
        const QString ini = config.filePath(QStringLiteral("Quorvane/Quorvane.ini"));
        Write(ini, "[GLOBAL]\nVersion=201101\nLanguage=2\n[WRG_Selection]\nTemp21W=25.5\n");
        QProcess wrg;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        wrg.setProcessEnvironment(environment);
        wrg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        wrg.start(QStringLiteral(WRG_PROGRAM), {});
        QVERIFY(wrg.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(Catches(wrg.processId(), signal), 30000);
        QVERIFY(::kill(pid_t(wrg.processId()), signal) == 0);
        QVERIFY(wrg.waitForFinished(60000));
        QCOMPARE(wrg.exitStatus(), QProcess::NormalExit);
        QCOMPARE(wrg.exitCode(), 0);
        const QByteArray written = FileText(ini);
        QVERIFY2(written.contains("Temp21W=25.5000000000") && written.contains("Rotorprofile=C19"),
                 written.constData());
    }

    void signalEndsThroughTheWindowsInFront_data()
    {
        QTest::addColumn<QString>("front");
        for (const char* front : {"climate window", "question in the climate window", "box over the main window",
                                  "question of the main window"})
            QTest::newRow(front) << QString::fromLatin1(front);
    }

    // A signal while windows are shown over the main window (even a question
    // that waits for an answer) closes them without asking and then the main
    // window, which writes the settings; none of them stays open.
    void signalEndsThroughTheWindowsInFront()
    {
        QFETCH(QString, front);
        TIniDatei file(Ini().toStdString());
        TFormWRG window;
        window.LoadSettingsIntoWindow(file);
        QVERIFY(ShowActive(window));
        TSignalRoute route;
        QVERIFY(route.Installed());
        connect(&route, &TSignalRoute::Received, &window, [&window] { CloseWhenIdle(&window); });
        QStringList leftOpen;
        QSignalSpy finished(&window, &QDialog::finished);  // which ends the program
        connect(&window, &QDialog::finished, this, [&leftOpen] {
            if (QWidget* modal = QApplication::activeModalWidget())
                leftOpen << modal->windowTitle();
        });
        // The windows in front, innermost last; a window still open after the
        // signal has had its time is closed here, so that the test ends.
        QList<QPointer<QWidget>> opened;
        std::function<void()> poll;
        const int wanted = front == QLatin1String("question in the climate window") ? 2 : 1;
        poll = [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && !opened.contains(modal)) {
                opened << modal;
                if (opened.size() == 1 && front == QLatin1String("question in the climate window")) {
                    modal->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("Edited"));
                    QTimer::singleShot(0, modal, [modal] { static_cast<QDialog*>(modal)->reject(); });
                }
            }
            if (opened.size() < wanted)
                return QTimer::singleShot(10, &window, poll);
            QVERIFY(std::raise(SIGTERM) == 0);
            QTimer::singleShot(3000, &window, [] {
                while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                    dialog->done(QDialog::Rejected);
            });
        };
        QTimer::singleShot(0, &window, poll);
        if (front == QLatin1String("box over the main window")) {
            ShowError(QStringLiteral("Error"), QStringLiteral("Invalid data"));
        } else if (front == QLatin1String("question of the main window")) {
            C(window, "Edit_Zins")->SetValue(6.5);
            window.AenderungKosten();
            // The close button of the window manager.
            QCloseEvent close;
            QApplication::sendEvent(window.windowHandle(), &close);
        } else {
            window.Button_DefineClick();
        }
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(finished.count(), 1);
        QVERIFY2(leftOpen.isEmpty(), qPrintable(leftOpen.join(QLatin1Char(','))));
        QVERIFY(FileText(Ini()).contains("Version=201101"));
        for (const QPointer<QWidget>& opening : std::as_const(opened))
            QVERIFY(!opening || !opening->isVisible());
    }

    // ---- Choices on screen and inputs kept -------------------------------

    // A language change, directly or through the options window, rebuilds
    // the lists in the new language and keeps the entries the user chose.
    void languageChangeKeepsTheChoicesOnScreen()
    {
        MessageLog messages;
        TFormWRG window;
        window.show();
        const std::pair<const char*, int> chosen[] = {
            {"Combo_Rotortyp", 3},     {"ComboBox_AnzahlReihe", 2}, {"ComboBox_Monat_von", 11},
            {"ComboBox_Monat_bis", 3}, {"Combo_Klimazone", 0},
        };
        for (const auto& [name, index] : chosen)
            C<QComboBox>(window, name)->setCurrentIndex(index);
        auto* profile = C<QComboBox>(window, "Combo_Speichermasse");
        profile->setCurrentIndex(profile->count() - 1);
        const QString profileChosen = profile->currentText();
        for (const std::function<void()>& change : std::initializer_list<std::function<void()>>{
                 [&] { window.LanguageClick(LanguageNumber::German); },
                 [&] {
                     WhenModalOver(nullptr, [](QWidget* options) { qobject_cast<QDialog*>(options)->accept(); });
                     window.Einstellungen1Click();
                 },
                 [&] { window.LanguageClick(LanguageNumber::English); }}) {
            change();
            for (const auto& [name, index] : chosen)
                QVERIFY2(C<QComboBox>(window, name)->currentIndex() == index, name);
            QCOMPARE(profile->currentText(), profileChosen);
        }
        const CalcInputs read = window.ReadInputs();
        QCOMPARE(int(read.SeriesCount), 3);
        QCOMPARE(read.HeatingMonthFrom, 11);
        QCOMPARE(read.ClimateZone, 1);
        QVERIFY(messages.isEmpty());
    }

    void settingsKeepTheLastCapturedInputs_data()
    {
        QTest::addColumn<QString>("run");
        for (const char* run : {"refused", "cancelled", "economy refused"})
            QTest::newRow(run) << QString::fromLatin1(run);
    }

    // The inputs of a run that was refused or cancelled are the ones the
    // settings keep at the end, not those of the last completed run.
    void settingsKeepTheLastCapturedInputs()
    {
        QFETCH(QString, run);
        MessageLog messages;
        {
            TIniDatei file(Ini().toStdString());
            TFormWRG window;
            window.LoadSettingsIntoWindow(file);
            window.show();
            window.Button1Click();
            QVERIFY(window.LastResults());
            C(window, "Edit_TempWi")->SetValue(19.5);
            if (run == QLatin1String("refused")) {
                C(window, "Edit_VolAbWi")->SetValue(1000);
                window.Button1Click();
                QCOMPARE(messages.size(), 1);
            } else if (run == QLatin1String("cancelled")) {
                QTimer::singleShot(0, &window, [&window] { window.SetCancelRequested(true); });
                window.Button1Click();
                QVERIFY(messages.isEmpty());
            } else {
                window.Button1Click();
                C(window, "Edit_Nutzung")->SetValue(0);
                window.AenderungKosten();
                window.Button3Click();
                QCOMPARE(messages.size(), 1);
            }
            QVERIFY(!window.LastResults() || run == QLatin1String("economy refused"));
            QVERIFY(window.close());
        }
        const QByteArray written = FileText(Ini());
        QVERIFY2(written.contains("Temp21W=19.5000000000"), written.constData());
        if (run == QLatin1String("refused"))
            QVERIFY2(written.contains("SVol21W=1000.0000000000"), written.constData());
        if (run == QLatin1String("economy refused"))
            QVERIFY2(written.contains("Lifetime=0.0000000000"), written.constData());
    }

    // ---- Message box caption ----------------------------------------------

    void messageBoxShowsItsWholeCaption_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::newRow("short error") << QStringLiteral("Error") << QStringLiteral("?");
        QTest::newRow("long caption") << QStringLiteral("Invalid data in the climate file") << QStringLiteral("No");
        QTest::newRow("long message") << QStringLiteral("Error") << QString(60, QLatin1Char('x'));
    }

    // The box is wide enough for its caption in a bold title font beside
    // the frame's icon and three buttons (five title bar heights).
    void messageBoxShowsItsWholeCaption()
    {
        QFETCH(QString, title);
        QFETCH(QString, message);
        const std::unique_ptr<TMessageForm> box = BuildMessageForm(message, TMessageType::Error, title);
        QFont bold = QApplication::font();
        bold.setBold(true);
        const int frame = 5 * box->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, box.get());
        QVERIFY(box->Geometry().clientSize.width() >= QFontMetrics(bold).horizontalAdvance(title) + frame);
        QCOMPARE(box->size(), box->Geometry().clientSize);
        // The OK button stays centred.
        const QRect button = C<QPushButton>(*box, "Button_OK")->geometry();
        QVERIFY(qAbs(button.center().x() - box->width() / 2) <= 1);
    }

    // ---- Menus --------------------------------------------------------------

    void menusOpenWithAltAndALetter_data()
    {
        QTest::addColumn<int>("language");
        for (const int language : OfferedLanguages)
            QTest::newRow(qPrintable(QString::number(language))) << language;
    }

    // Each of the three menus has its own Alt letter in every language, and
    // the window keeps its width of 640 pixels.
    void menusOpenWithAltAndALetter()
    {
        QFETCH(int, language);
        SetCurrentLanguage(language);
        MessageLog messages;
        TFormWRG window;
        window.resize(640, 480);
        QVERIFY(ShowActive(window));
        QCOMPARE(window.width(), 640);
        QSet<QChar> letters;
        for (const char* name : {"Datei1", "Optionen1", "Hilfe1"}) {
            auto* menu = C<QMenu>(window, name);
            const QString title = menu->title();
            const qsizetype at = title.indexOf(QLatin1Char('&'));
            QVERIFY2(at >= 0 && at + 1 < title.size() && title.at(at + 1).isLetter(), qPrintable(title));
            const QChar letter = title.at(at + 1).toLower();
            QVERIFY2(!letters.contains(letter), qPrintable(title));
            letters.insert(letter);
            if (letter.unicode() < 128) {
                QTest::keyClick(&window, Qt::Key(Qt::Key_A + letter.unicode() - 'a'), Qt::AltModifier);
                QTRY_VERIFY2(menu->isVisible(), qPrintable(title));
                menu->close();
                QTRY_VERIFY(!menu->isVisible());
            }
        }
    }

    void menusOpenWithAltOnEveryPage_data() { menusOpenWithAltAndALetter_data(); }

    // No button or caption of any page takes the Alt letter of a menu: with
    // two owners Alt + the letter only moves between them.
    void menusOpenWithAltOnEveryPage()
    {
        QFETCH(int, language);
        SetCurrentLanguage(language);
        MessageLog messages;
        TFormWRG window;
        QVERIFY(ShowActive(window));
        auto* pages = C<TVxPageControl>(window, "PageControl1");
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            for (const char* name : {"Datei1", "Optionen1", "Hilfe1"}) {
                auto* menu = C<QMenu>(window, name);
                const QKeySequence mnemonic = QKeySequence::mnemonic(menu->title());
                const QKeyCombination key = mnemonic[0];
                if (key.key() < Qt::Key_A || key.key() > Qt::Key_Z)
                    continue;
                QTest::keyClick(&window, key.key(), Qt::AltModifier);
                QTRY_VERIFY2_WITH_TIMEOUT(menu->isVisible(), qPrintable(pages->caption(page) + " " + menu->title()),
                                          1000);
                menu->close();
                QTRY_VERIFY(!menu->isVisible());
            }
        }
        QVERIFY(messages.isEmpty());
    }
};

QTEST_MAIN(ProgramLifecycleTest)
#include "ProgramLifecycleTest.moc"
