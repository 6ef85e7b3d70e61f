// The info window: its controls and their places, the language picture, the
// links and the mail subject, and the splash screen.

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QUrlQuery>

#include <cstdlib>

#include "ui/Catalogue.h"
#include "ui/FInfo.h"
#include "ui/Pictures.h"

namespace {

QImage Shown(const QLabel* label)
{
    return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Resource(int id)
{
    return JpegResource(id).convertToFormat(QImage::Format_RGB32);
}

template <class T>
T* Child(const QWidget& owner, const char* name)
{
    return owner.findChild<T*>(QString::fromLatin1(name));
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

    void cleanup()
    {
        SetUrlOpenerHook({});
        SetCurrentLanguage(2);
    }

    void windowFrame()
    {
        TFormInfo info;
        QCOMPARE(info.size(), QSize(514, 263));
        QCOMPARE(info.minimumSize(), info.maximumSize());
        QCOMPARE(info.windowTitle(), QStringLiteral("  INFO"));
        QVERIFY(info.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(info.windowFlags() & Qt::FramelessWindowHint));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(std::abs(info.geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(std::abs(info.geometry().center().y() - screen.center().y()) <= 1);
    }

    void controlsAndPlaces()
    {
        TFormInfo info;
        for (const char* name : {"Panel_Bild", "Image_Bild", "Label_Firma", "Label_Internet", "Label1", "Label_EMail",
                                 "Image_Energie", "Image_ProduktLogo", "Image_Eurovent", "Image_AHRI", "Bevel_Linie",
                                 "Label_Version", "Label_Copyright", "Button_OK"})
            QVERIFY2(info.findChild<QWidget*>(QString::fromLatin1(name)), name);

        auto* panel = Child<QFrame>(info, "Panel_Bild");
        QCOMPARE(panel->geometry(), QRect(3, 3, 506, 226));
        auto* picture = Child<QLabel>(info, "Image_Bild");
        QCOMPARE(picture->parentWidget(), panel);
        QCOMPARE(picture->geometry(), QRect(3, 3, 500, 220));
        QCOMPARE(Shown(picture), Resource(1101));

        // Relative to the picture at (3, 3).
        QCOMPARE(Child<QLabel>(info, "Image_Energie")->geometry(), QRect(3 + 156, 3 + 46, 220, 14));
        QCOMPARE(Child<QLabel>(info, "Image_ProduktLogo")->geometry(), QRect(3 + 224, 3 + 66, 62, 62));
        QCOMPARE(Child<QLabel>(info, "Image_Eurovent")->size(), QSize(62, 62));
        QCOMPARE(Child<QLabel>(info, "Image_AHRI")->size(), QSize(89, 50));
        // The logos carry no picture of their own.
        QVERIFY(Child<QLabel>(info, "Image_ProduktLogo")->pixmap().isNull());

        // Everything over the picture lies within it.
        for (const char* name : {"Label_Firma", "Label_Internet", "Label1", "Label_EMail", "Image_Energie",
                                 "Image_ProduktLogo", "Image_Eurovent", "Image_AHRI"}) {
            auto* widget = info.findChild<QWidget*>(QString::fromLatin1(name));
            QCOMPARE(widget->parentWidget(), panel);
            QVERIFY2(picture->geometry().contains(widget->geometry()), name);
        }
        // The three contact lines, left to right, do not overlap.
        const QRect web = Child<QLabel>(info, "Label_Internet")->geometry();
        const QRect phone = Child<QLabel>(info, "Label1")->geometry();
        const QRect mail = Child<QLabel>(info, "Label_EMail")->geometry();
        QVERIFY(web.right() < phone.left());
        QVERIFY(phone.right() < mail.left());
        QVERIFY(!Child<QLabel>(info, "Label_Firma")->geometry().intersects(web));

        // Below the panel: the line, the version, the copyright and OK.
        const QRect below = Child<QFrame>(info, "Bevel_Linie")->geometry();
        QVERIFY(below.top() > panel->geometry().bottom());
        for (const char* name : {"Label_Version", "Label_Copyright", "Button_OK"}) {
            const QRect area = info.findChild<QWidget*>(QString::fromLatin1(name))->geometry();
            QVERIFY2(area.top() > below.bottom() && area.bottom() < 263, name);
        }
        QVERIFY(Child<QLabel>(info, "Label_Version")->geometry().right() <
                Child<QPushButton>(info, "Button_OK")->geometry().left());
        QVERIFY(Child<QPushButton>(info, "Button_OK")->geometry().right() <
                Child<QLabel>(info, "Label_Copyright")->geometry().left());
    }

    void texts()
    {
        TFormInfo info;
        QCOMPARE(Child<QLabel>(info, "Label_Version")->text(), QStringLiteral("Version 01/2011"));
        QCOMPARE(QString::fromLatin1(ShortVersionText), QStringLiteral("01/11"));
        QVERIFY(Child<QLabel>(info, "Label_Firma")->text().startsWith(QStringLiteral("Quorvane GmbH")));
        QCOMPARE(Child<QLabel>(info, "Label_Internet")->text(), QStringLiteral("www.quorvane.example"));
        QCOMPARE(Child<QLabel>(info, "Label_EMail")->text(), QStringLiteral("info@quorvane.example"));
        QVERIFY(Child<QLabel>(info, "Label1")->text().startsWith(QStringLiteral("Tel.")));
        QVERIFY(Child<QLabel>(info, "Label_Copyright")->text().contains(QStringLiteral("Quorvane GmbH")));
        QCOMPARE(Child<QPushButton>(info, "Button_OK")->text(), QStringLiteral("OK"));
        // No text is cut by its label.
        for (QLabel* label : info.findChildren<QLabel*>()) {
            if (!label->text().isEmpty())
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
        }
    }

    void languagePictureTable()
    {
        QCOMPARE(LanguagePictureNumber(1), 1900);
        QCOMPARE(LanguagePictureNumber(2), 2900);
        QCOMPARE(LanguagePictureNumber(3), 3900);
        QCOMPARE(LanguagePictureNumber(7), 7900);
        QCOMPARE(LanguagePictureNumber(8), 8900);
        QCOMPARE(LanguagePictureNumber(9), 9900);
        QCOMPARE(LanguagePictureNumber(4), 2900);
        QCOMPARE(LanguagePictureNumber(0), 2900);
    }

    void languagePictureFollowsTheLanguage()
    {
        TFormInfo info;
        auto* energie = Child<QLabel>(info, "Image_Energie");
        QCOMPARE(info.LanguagePicture(), 2900);
        QCOMPARE(Shown(energie), Resource(2900));

        SetCurrentLanguage(1);
        // Unchanged until refreshed.
        QCOMPARE(Shown(energie), Resource(2900));
        info.RefreshLanguagePicture();
        QCOMPARE(info.LanguagePicture(), 1900);
        QCOMPARE(Shown(energie), Resource(1900));

        SetCurrentLanguage(8);
        info.RefreshLanguagePicture();
        QCOMPARE(Shown(energie), Resource(8900));
        QVERIFY(Shown(energie) != Resource(1900));
    }

    void newWindowShowsTheCurrentLanguage()
    {
        SetCurrentLanguage(9);
        TFormInfo info;
        QCOMPARE(Shown(Child<QLabel>(info, "Image_Energie")), Resource(9900));
    }

    void hintsAreTheAddresses()
    {
        TFormInfo info;
        QCOMPARE(Child<QLabel>(info, "Image_AHRI")->toolTip(), QStringLiteral("https://www.ahridirectory.org"));
        QCOMPARE(Child<QLabel>(info, "Image_Eurovent")->toolTip(),
                 QStringLiteral("https://www.eurovent-certification.com"));
        QCOMPARE(Child<QLabel>(info, "Image_ProduktLogo")->toolTip(), QStringLiteral("https://www.quorvane.example"));
    }

    void mailSubject()
    {
        QCOMPARE(MailSubject(QStringLiteral("WRG - Heat Recovery")),
                 QStringLiteral("Quorvane Software: WRG - Heat Recovery, Version 01/2011"));
        const QUrl url = MakerMailUrl(QStringLiteral("A & B = C #1 + 100%"));
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), QStringLiteral("info@quorvane.example"));
        const QUrlQuery query(url);
        QCOMPARE(query.queryItems().size(), 1);
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Quorvane Software: A & B = C #1 + 100%, Version 01/2011"));
    }

    void mailLinkUsesTheMainWindowCaption()
    {
        QMainWindow main;
        main.setWindowTitle(QStringLiteral("Wärmerückgewinnung"));
        TFormInfo info(&main);
        QCOMPARE(info.MainWindowCaption(), QStringLiteral("Wärmerückgewinnung"));
        info.Label_EMailClick();
        QCOMPARE(opened_.size(), 1);
        QCOMPARE(QUrlQuery(opened_[0]).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Quorvane Software: Wärmerückgewinnung, Version 01/2011"));
    }

    void clicksOpenTheAddresses()
    {
        TFormInfo info;
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        QTest::mouseClick(Child<QLabel>(info, "Label_Internet"), Qt::LeftButton);
        QTest::mouseClick(Child<QLabel>(info, "Image_ProduktLogo"), Qt::LeftButton);
        QTest::mouseClick(Child<QLabel>(info, "Image_Eurovent"), Qt::LeftButton);
        QTest::mouseClick(Child<QLabel>(info, "Image_AHRI"), Qt::LeftButton);
        QTest::mouseClick(Child<QLabel>(info, "Label_EMail"), Qt::LeftButton);
        // Another button or a click on the plain picture opens nothing.
        QTest::mouseClick(Child<QLabel>(info, "Label_Internet"), Qt::RightButton);
        QTest::mouseClick(Child<QLabel>(info, "Label1"), Qt::LeftButton);

        QCOMPARE(opened_.size(), 5);
        QCOMPARE(opened_[0], QUrl(QStringLiteral("https://www.quorvane.example")));
        QCOMPARE(opened_[1], QUrl(QStringLiteral("https://www.quorvane.example")));
        QCOMPARE(opened_[2], QUrl(QStringLiteral("https://www.eurovent-certification.com")));
        QCOMPARE(opened_[3], QUrl(QStringLiteral("https://www.ahridirectory.org")));
        QCOMPARE(opened_[4].scheme(), QStringLiteral("mailto"));
    }

    void linksUnderlineUnderTheMouse()
    {
        TFormInfo info;
        auto* web = Child<QLabel>(info, "Label_Internet");
        auto* mail = Child<QLabel>(info, "Label_EMail");
        QCOMPARE(web->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(mail->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!web->font().underline());

        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(web, &enter);
        QVERIFY(web->font().underline());
        QVERIFY(!mail->font().underline());
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(web, &leave);
        QVERIFY(!web->font().underline());

        QCoreApplication::sendEvent(mail, &enter);
        QVERIFY(mail->font().underline());
        QCoreApplication::sendEvent(mail, &leave);
        QVERIFY(!mail->font().underline());

        // The phone line is no link.
        auto* phone = Child<QLabel>(info, "Label1");
        QCoreApplication::sendEvent(phone, &enter);
        QVERIFY(!phone->font().underline());
    }

    void okCloses()
    {
        TFormInfo info;
        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        Child<QPushButton>(info, "Button_OK")->click();
        QVERIFY(!info.isVisible());
        QCOMPARE(info.result(), int(QDialog::Accepted));
    }

    // With WRG_SCREENSHOT_DIR set, the window in three languages and the
    // splash are saved as PNG files there for a look by eye.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("WRG_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("WRG_SCREENSHOT_DIR not set");
        for (const int language : {2, 1, 8}) {
            SetCurrentLanguage(language);
            TFormInfo info;
            QVERIFY(info.grab().save(folder + QStringLiteral("/info_%1.png").arg(language)));
        }
        TFormInfo splash(nullptr, TFormInfo::TMode::Splash);
        QVERIFY(splash.grab().save(folder + QStringLiteral("/splash.png")));
    }

    void splashShowsThePanelAndClosesItself()
    {
        QPointer<TFormInfo> splash = ShowSplash(100);
        QVERIFY(splash);
        QVERIFY(splash->isVisible());
        QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash->size(), QSize(506, 226));
        QCOMPARE(Child<QFrame>(*splash, "Panel_Bild")->geometry(), QRect(0, 0, 506, 226));
        QCOMPARE(Child<QLabel>(*splash, "Image_Bild")->geometry(), QRect(3, 3, 500, 220));
        // Still there right after the call, gone after its time.
        QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 3000);
    }
};

QTEST_MAIN(InfoWindowTest)
#include "InfoWindowTest.moc"
