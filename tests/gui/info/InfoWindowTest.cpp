// The info window: its controls and their places, the language picture, the
// links and the mail subject, and the splash screen.

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

#include "core/settings/ProgramVersion.h"
#include "core/text/Catalogue.h"
#include "gui/controls/Pictures.h"
#include "gui/info/InfoWindow.h"

namespace {

QImage Shown(const QLabel* label)
{
    return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}
QImage Resource(int id)
{
    return JpegResource(id).convertToFormat(QImage::Format_RGB32);
}

template <class T = QLabel>
T* Child(const QWidget& owner, const char* name)
{
    return owner.findChild<T*>(QLatin1String(name));
}

QString Subject(const QUrl& mail)
{
    return QUrlQuery(mail).queryItemValue("subject", QUrl::FullyDecoded);
}

}  // namespace

class InfoWindowTest : public QObject {
    Q_OBJECT

    QList<QUrl> opened_;

private slots:
    void init()
    {
        opened_.clear();
        SetUrlOpenerHook([this](const QUrl& url) {
            opened_.append(url);
            return true;
        });
        SetCurrentLanguage(2);
    }
    void cleanup() { SetUrlOpenerHook({}); }

    void frameControlsAndTexts()
    {
        TFormInfo info;
        QCOMPARE(info.size(), QSize(514, 263));
        QCOMPARE(info.minimumSize(), info.maximumSize());
        QCOMPARE(info.windowTitle(), QStringLiteral("  INFO"));
        auto* panel = Child<QFrame>(info, "Panel_Bild");
        QCOMPARE(panel->geometry(), QRect(3, 3, 506, 226));
        auto* picture = Child(info, "Image_Bild");
        QCOMPARE(picture->geometry(), QRect(3, 3, 500, 220));
        QCOMPARE(Shown(picture), Resource(1101));
        // Everything over the picture lies within it, the links side by side.
        for (const char* name : {"Image_Energie", "Image_ProduktLogo", "Label_Firma", "Label_Internet", "Label1",
                                 "Label_EMail", "Image_Eurovent", "Image_AHRI"}) {
            QCOMPARE(Child(info, name)->parentWidget(), panel);
            QVERIFY2(picture->geometry().contains(Child(info, name)->geometry()), name);
        }
        QVERIFY(Child(info, "Label_Internet")->geometry().right() < Child(info, "Label1")->geometry().left());
        QVERIFY(Child(info, "Label1")->geometry().right() < Child(info, "Label_EMail")->geometry().left());
        QVERIFY(Child(info, "Label_Version")->geometry().top() > panel->geometry().bottom());
        QCOMPARE(Child(info, "Label_Version")->text(), QStringLiteral("Version ") + QLatin1String(ProgramVersion));
        for (QLabel* label : info.findChildren<QLabel*>())  // no text is cut by its label
            QVERIFY2(label->sizeHint().width() <= label->width() || label->text().isEmpty(),
                     qPrintable(label->objectName()));
    }

    void languagePictureFollowsTheLanguage()
    {
        const int numbers[][2] = {{1, 1900}, {2, 2900}, {3, 3900}, {7, 7900},
                                  {8, 8900}, {9, 9900}, {4, 2900}, {0, 2900}};
        for (const auto& [language, picture] : numbers)
            QCOMPARE(LanguagePictureNumber(language), picture);

        TFormInfo info;
        auto* energie = Child(info, "Image_Energie");
        QCOMPARE(Shown(energie), Resource(2900));
        SetCurrentLanguage(1);
        QCOMPARE(Shown(energie), Resource(2900));  // unchanged until refreshed
        info.RefreshLanguagePicture();
        QCOMPARE(info.LanguagePicture(), 1900);
        QCOMPARE(Shown(energie), Resource(1900));
        SetCurrentLanguage(9);
        TFormInfo later;
        QCOMPARE(Shown(Child(later, "Image_Energie")), Resource(9900));
    }

    void mailSubject()
    {
        const QUrl url = MakerMailUrl(QStringLiteral("A & B = C #1 + 100%"));
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), QStringLiteral("info@quorvane.example"));
        QCOMPARE(QUrlQuery(url).queryItems().size(), 1);
        QCOMPARE(Subject(url),
                 QStringLiteral("Quorvane Software: A & B = C #1 + 100%, Version ") + QLatin1String(ProgramVersion));

        // The mail link takes the main window's caption.
        QMainWindow main;
        main.setWindowTitle(QStringLiteral("Wärmerückgewinnung"));
        TFormInfo info(&main);
        info.Label_EMailClick();
        QCOMPARE(opened_.size(), 1);
        QCOMPARE(Subject(opened_[0]),
                 QStringLiteral("Quorvane Software: Wärmerückgewinnung, Version ") + QLatin1String(ProgramVersion));
    }

    // Left clicks on the links open them; another button or a click on the
    // phone line opens nothing. OK closes the window.
    void clicksOpenTheAddresses()
    {
        TFormInfo info;
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        for (const char* name : {"Label_Internet", "Image_ProduktLogo", "Image_Eurovent", "Image_AHRI", "Label_EMail"})
            QTest::mouseClick(Child(info, name), Qt::LeftButton);
        QTest::mouseClick(Child(info, "Label_Internet"), Qt::RightButton);
        QTest::mouseClick(Child(info, "Label1"), Qt::LeftButton);
        const QUrl web("https://www.quorvane.example");
        QCOMPARE(opened_, (QList<QUrl>{web, web, QUrl("https://www.eurovent-certification.com"),
                                       QUrl("https://www.ahridirectory.org"), MakerMailUrl(info.MainWindowCaption())}));
        QCOMPARE(Child(info, "Image_AHRI")->toolTip(), QStringLiteral("https://www.ahridirectory.org"));

        Child<QPushButton>(info, "Button_OK")->click();
        QVERIFY(!info.isVisible());
        QCOMPARE(info.result(), int(QDialog::Accepted));
    }

    void linksUnderlineUnderTheMouse()
    {
        TFormInfo info;
        auto* web = Child(info, "Label_Internet");
        QCOMPARE(web->cursor().shape(), Qt::PointingHandCursor);
        QEvent enter(QEvent::Enter), leave(QEvent::Leave);
        QCoreApplication::sendEvent(web, &enter);
        QVERIFY(web->font().underline());
        QVERIFY(!Child(info, "Label_EMail")->font().underline());
        QCoreApplication::sendEvent(web, &leave);
        QVERIFY(!web->font().underline());
    }

    void splashShowsThePanelAndClosesItself()
    {
        QPointer<TFormInfo> splash = ShowSplash(100);
        QVERIFY(splash && splash->isVisible());
        QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash->size(), QSize(506, 226));
        QCOMPARE(Child(*splash, "Image_Bild")->geometry(), QRect(3, 3, 500, 220));
        QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 3000);
    }
};

QTEST_MAIN(InfoWindowTest)
#include "InfoWindowTest.moc"
