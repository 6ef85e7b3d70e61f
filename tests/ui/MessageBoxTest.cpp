// The message box: its measures, its children per type and the hook that
// replaces the modal box in tests.

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>

#include "ui/UVxForms.h"
#include "ui/UVxMessage.h"

namespace {

struct RecordedMessage {
    QString message;
    int type = -1;
    QString title;
};

QString LongMessage()
{
    QString text;
    for (int i = 0; i < 60; ++i)
        text += QStringLiteral("The ratio of the air quantities is not in the recommended range. ");
    return text;
}

int ScreenWidth()
{
    return QGuiApplication::primaryScreen()->geometry().width();
}

}  // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SetMessageBoxHook({}); }

    void measuresFollowTheFont()
    {
        const auto form = BuildMessageForm(QStringLiteral("Short"), MessageError, QStringLiteral("Error"));
        const TMessageGeometry& g = form->Geometry();
        const QFontMetrics metrics(form->font());
        QCOMPARE(g.charWidth,
                 metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52);
        QCOMPARE(g.charHeight, metrics.height());
        QVERIFY(g.charWidth > 0);
        // Multiply, then divide with rounding to the nearest pixel.
        QCOMPARE(g.horzMargin, (8 * g.charWidth * 2 + 4) / 8);
        QCOMPARE(g.vertMargin, g.charHeight);
        QCOMPARE(g.horzSpacing, (10 * g.charWidth * 2 + 4) / 8);
        QCOMPARE(g.vertSpacing, (10 * g.charHeight * 2 + 8) / 16);
        QCOMPARE(g.buttonWidth, (50 * g.charWidth * 2 + 4) / 8);
        QCOMPARE(g.buttonHeight, (14 * g.charHeight * 2 + 8) / 16);
        QCOMPARE(form->font().pixelSize(), DialogFont().pixelSize());
    }

    void oneShortLineWithTheErrorIcon()
    {
        const auto form = BuildMessageForm(QStringLiteral("Disk full."), MessageError, QStringLiteral("Error"));
        const TMessageGeometry& g = form->Geometry();

        // One line of text is lower than the icon: the text area is the icon's 32.
        QVERIFY(g.textRect.height() < 32);
        QCOMPARE(g.iconTextHeight, 32);

        auto* image = form->findChild<QLabel*>(QStringLiteral("Image"));
        QVERIFY(image);
        QCOMPARE(image->geometry(), QRect(g.horzMargin, g.vertMargin, 32, 32));
        QVERIFY(!image->pixmap().isNull());

        auto* message = form->findChild<QLabel*>(QStringLiteral("Message"));
        QVERIFY(message);
        QCOMPARE(message->text(), QStringLiteral("Disk full."));
        QCOMPARE(message->geometry(),
                 QRect(g.horzMargin + 32 + g.horzSpacing, g.vertMargin, g.textRect.width(), g.textRect.height()));

        auto* button = form->findChild<QPushButton*>(QStringLiteral("Button_OK"));
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("OK"));
        QVERIFY(button->isDefault());
        QCOMPARE(button->geometry().top(), 32 + g.vertMargin + g.vertSpacing);
        QCOMPARE(button->size(), QSize(g.buttonWidth, g.buttonHeight));
        QCOMPARE(button->geometry().left(), (form->width() - g.buttonWidth) / 2);

        // Wide enough for the button and its margins, and exactly the client
        // size of the layout.
        QVERIFY(form->width() >= g.buttonWidth + 2 * g.horzMargin);
        QCOMPARE(form->size(), QSize(std::max(g.iconTextWidth, g.buttonWidth) + 2 * g.horzMargin,
                                     32 + g.buttonHeight + g.vertSpacing + 2 * g.vertMargin));
        QCOMPARE(form->windowTitle(), QStringLiteral("Error"));
    }

    void tinyMessageIsAsWideAsTheButton()
    {
        const auto form = BuildMessageForm(QStringLiteral("."), MessagePlain, QStringLiteral("T"));
        const TMessageGeometry& g = form->Geometry();
        QVERIFY(g.textRect.width() < g.buttonWidth);
        QCOMPARE(form->width(), g.buttonWidth + 2 * g.horzMargin);
        auto* button = form->findChild<QPushButton*>(QStringLiteral("Button_OK"));
        QCOMPARE(button->geometry().left(), g.horzMargin);
    }

    void longMessageWrapsAtHalfTheScreen()
    {
        const auto form = BuildMessageForm(LongMessage(), MessageWarning, QStringLiteral("Warning"));
        const TMessageGeometry& g = form->Geometry();
        QCOMPARE(g.wrapWidth, ScreenWidth() / 2);

        auto* message = form->findChild<QLabel*>(QStringLiteral("Message"));
        QVERIFY(message);
        QVERIFY(message->width() <= ScreenWidth() / 2);
        // Wrapped into many lines, and nearly the full width is used.
        QVERIFY(message->height() >= 10 * g.charHeight);
        QVERIFY(message->width() > ScreenWidth() / 2 - 20 * g.charWidth);
        // The button sits below the text.
        auto* button = form->findChild<QPushButton*>(QStringLiteral("Button_OK"));
        QCOMPARE(button->geometry().top(), message->geometry().bottom() + 1 + g.vertSpacing);
    }

    void unbreakableWordStaysWithinHalfTheScreen()
    {
        const QString path = QStringLiteral("/home/user/") + QString(300, QLatin1Char('x')) + QStringLiteral(".cli");
        const auto form = BuildMessageForm(QStringLiteral("Cannot read ") + path, MessageError, QStringLiteral("E"));
        auto* message = form->findChild<QLabel*>(QStringLiteral("Message"));
        QVERIFY(message->width() <= ScreenWidth() / 2);
        QVERIFY(message->height() > form->Geometry().charHeight);
    }

    void typesAndIcons_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("hasImage");
        QTest::newRow("0 warning") << 0 << true;
        QTest::newRow("1 error") << 1 << true;
        QTest::newRow("2 information") << 2 << true;
        QTest::newRow("3 question") << 3 << true;
        QTest::newRow("4 none") << 4 << false;
        QTest::newRow("unknown 5") << 5 << false;
        QTest::newRow("unknown -1") << -1 << false;
    }

    void typesAndIcons()
    {
        QFETCH(int, type);
        QFETCH(bool, hasImage);
        const auto form = BuildMessageForm(QStringLiteral("Text"), type, QStringLiteral("Title"));
        QCOMPARE(form->findChild<QLabel*>(QStringLiteral("Image")) != nullptr, hasImage);
        QVERIFY(form->findChild<QLabel*>(QStringLiteral("Message")));
        QVERIFY(form->findChild<QPushButton*>(QStringLiteral("Button_OK")));
    }

    void withoutIconTheTextStartsAtTheMargin()
    {
        const auto form = BuildMessageForm(QStringLiteral("Only text"), MessagePlain, QStringLiteral("T"));
        const TMessageGeometry& g = form->Geometry();
        auto* message = form->findChild<QLabel*>(QStringLiteral("Message"));
        QCOMPARE(message->geometry().topLeft(), QPoint(g.horzMargin, g.vertMargin));
        QCOMPARE(g.iconTextHeight, g.textRect.height());
        QVERIFY(g.iconTextHeight < 32);
    }

    void theIconsDiffer()
    {
        QList<QImage> icons;
        for (int type = 0; type <= 3; ++type) {
            const auto form = BuildMessageForm(QStringLiteral("x"), type, QStringLiteral("t"));
            icons << form->findChild<QLabel*>(QStringLiteral("Image"))->pixmap().toImage();
        }
        QVERIFY(icons[0] != icons[1]);
        QVERIFY(icons[1] != icons[2]);
        QVERIFY(icons[2] != icons[3]);
    }

    void rightToLeftMirrors()
    {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        const auto form = BuildMessageForm(QStringLiteral("Text"), MessageInformation, QStringLiteral("T"));
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        const TMessageGeometry& g = form->Geometry();
        auto* image = form->findChild<QLabel*>(QStringLiteral("Image"));
        auto* message = form->findChild<QLabel*>(QStringLiteral("Message"));
        QCOMPARE(image->geometry().right() + 1, form->width() - g.horzMargin);
        QCOMPARE(message->geometry().left(), form->width() - (g.horzMargin + 32 + g.horzSpacing) - g.textRect.width());
    }

    // With WRG_SCREENSHOT_DIR set, one box of each type is saved as a PNG
    // file there for a look by eye.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("WRG_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("WRG_SCREENSHOT_DIR not set");
        for (int type = 0; type <= 4; ++type) {
            const QString text = type == 1 ? LongMessage().left(400) : QStringLiteral("The ratio of the air quantities is not in the recommended range 0.5 .. 2.0 !");
            const auto form = BuildMessageForm(text, type, QStringLiteral("Type %1").arg(type));
            QVERIFY(form->grab().save(folder + QStringLiteral("/message_%1.png").arg(type)));
        }
    }

    void escapeAnswersOk()
    {
        const auto form = BuildMessageForm(QStringLiteral("Text"), MessageWarning, QStringLiteral("T"));
        form->setResult(-7);
        form->reject();
        QCOMPARE(form->result(), MessageResultOK);
    }

    void showRunsModallyAndOkCloses()
    {
        // The real box: closed by its own button from a timer.
        QTimer::singleShot(0, [] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* form = qobject_cast<TMessageForm*>(widget); form && form->isVisible())
                    form->findChild<QPushButton*>(QStringLiteral("Button_OK"))->click();
            }
        });
        QCOMPARE(ShowMessageBox(QStringLiteral("Real box"), MessageInformation, QStringLiteral("Info")),
                 MessageResultOK);
    }

    void hookRecordsAndAnswers()
    {
        QList<RecordedMessage> recorded;
        SetMessageBoxHook([&recorded](const QString& message, int type, const QString& title) {
            recorded.append({message, type, title});
            return 42;
        });
        QCOMPARE(ShowMessageBox(QStringLiteral("Range 0.5 .. 2.0"), MessageWarning, QStringLiteral("Check")), 42);
        ShowError(QStringLiteral("Climate data"), QStringLiteral("File not found"));

        QCOMPARE(recorded.size(), 2);
        QCOMPARE(recorded[0].message, QStringLiteral("Range 0.5 .. 2.0"));
        QCOMPARE(recorded[0].type, 0);
        QCOMPARE(recorded[0].title, QStringLiteral("Check"));
        // ShowError takes the title first and shows the error icon.
        QCOMPARE(recorded[1].message, QStringLiteral("File not found"));
        QCOMPARE(recorded[1].type, 1);
        QCOMPARE(recorded[1].title, QStringLiteral("Climate data"));

        // Nothing was shown.
        for (QWidget* widget : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<TMessageForm*>(widget) || !widget->isVisible());
    }

    void clearingTheHookRestoresTheBox()
    {
        int calls = 0;
        SetMessageBoxHook([&calls](const QString&, int, const QString&) { return ++calls; });
        ShowMessageBox(QStringLiteral("a"), 2, QStringLiteral("b"));
        SetMessageBoxHook({});
        bool shown = false;
        QTimer::singleShot(0, [&shown] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* form = qobject_cast<TMessageForm*>(widget); form && form->isVisible()) {
                    shown = true;
                    form->reject();
                }
            }
        });
        QCOMPARE(ShowMessageBox(QStringLiteral("c"), 2, QStringLiteral("d")), MessageResultOK);
        QVERIFY(shown);
        QCOMPARE(calls, 1);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
