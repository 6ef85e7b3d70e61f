// The info window and splash screen (TFormInfo).

#include "gui/info/InfoWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrlQuery>

#include <algorithm>
#include <array>
#include <utility>

#include "core/settings/ProgramVersion.h"
#include "core/text/Catalogue.h"
#include "gui/controls/Pictures.h"

namespace {

constexpr QSize ClientSize(514, 263);
constexpr QSize PanelSize(506, 226);
constexpr QSize PictureSize(500, 220);
constexpr int ProductPicture = 1101;
constexpr int DefaultLanguagePicture = 2900;

// The energy strip per language number; every other language gets the
// English strip.
constexpr std::array<std::pair<int, int>, 5> LanguagePictures = {{
    {1, 1900},  // German
    {3, 3900},  // French
    {7, 7900},  // Polish
    {8, 8900},  // Chinese
    {9, 9900},  // Russian
}};

// Places over the product picture, relative to its top left corner. The
// certification badges and the wheel are drawn there by
// scripts/draw_pictures.py; the contact lines sit on the dark bands at the
// top and bottom of the picture.
constexpr QPoint EnergieOffset(156, 46);
constexpr QSize EnergieSize(220, 14);
constexpr QPoint ProduktLogoOffset(224, 66);
constexpr QSize LogoSize(62, 62);
constexpr QPoint EuroventOffset(16, 97);
constexpr QPoint AhriOffset(410, 103);
constexpr QSize AhriSize(89, 50);
constexpr int FirmaTop = 10;      // company line, centred
constexpr int ContactTop = 198;   // web address, telephone, mail address
constexpr int ContactInset = 10;  // from the picture's left and right edges
constexpr int LineHeight = 16;

TUrlOpener& UrlOpener()
{
    static TUrlOpener opener;
    return opener;
}

QString VersionString()
{
    return QString::fromLatin1(ProgramVersion);
}

void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

}  // namespace

QString MailSubject(const QString& mainWindowCaption)
{
    return QStringLiteral("Quorvane Software: ") + mainWindowCaption + QStringLiteral(", Version ") + VersionString();
}

QUrl MakerMailUrl(const QString& mainWindowCaption)
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(QString::fromLatin1(MakerMailAddress));
    QUrlQuery query;
    // Encoded here so that "&", "=", "+" and "#" of a caption stay part of the
    // subject.
    query.addQueryItem(QStringLiteral("subject"),
                       QString::fromLatin1(QUrl::toPercentEncoding(MailSubject(mainWindowCaption))));
    url.setQuery(query);
    return url;
}

QString MakerAddressLine()
{
    const QString separator = QStringLiteral("  \u00b7  ");
    return QString::fromUtf8(MakerName) + separator + QString::fromUtf8(MakerStreet) + separator +
           QString::fromUtf8(MakerTown) + separator + QString::fromUtf8(MakerCountry);
}

QString MakerTelephone()
{
    return QStringLiteral("Tel. ") + QString::fromUtf8(MakerTelephoneNumber);
}

int LanguagePictureNumber(int language)
{
    const auto found = std::find_if(LanguagePictures.begin(), LanguagePictures.end(),
                                    [language](const auto& entry) { return entry.first == language; });
    return found != LanguagePictures.end() ? found->second : DefaultLanguagePicture;
}

void SetUrlOpenerHook(TUrlOpener opener)
{
    UrlOpener() = std::move(opener);
}

bool OpenUrl(const QUrl& url)
{
    const TUrlOpener opener = UrlOpener();
    if (opener)
        return opener(url);
    return QDesktopServices::openUrl(url);
}

TFormInfo::TFormInfo(QWidget* parent, TMode mode) : TVxForm(parent), mode_(mode)
{
    if (mode_ == TMode::Splash)
        setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    else
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("  INFO"));
    setFont(DialogFont());
    setFixedSize(ClientSize);

    // The controls of the window, in the order of their stacking.
    panelBild_ = new QFrame(this);
    panelBild_->setObjectName(QStringLiteral("Panel_Bild"));
    panelBild_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panelBild_->setLineWidth(2);
    panelBild_->setGeometry(3, 3, 508, 227);

    imageBild_ = AddLabel("Image_Bild", QString(), panelBild_);
    imageEnergie_ = AddLabel("Image_Energie", QString(), panelBild_);
    imageProduktLogo_ = AddLabel("Image_ProduktLogo", QString(), panelBild_);
    imageEurovent_ = AddLabel("Image_Eurovent", QString(), panelBild_);
    imageAHRI_ = AddLabel("Image_AHRI", QString(), panelBild_);
    labelFirma_ = AddLabel("Label_Firma", QString(), panelBild_);
    labelInternet_ = AddLabel("Label_Internet", QString(), panelBild_);
    label1_ = AddLabel("Label1", QString(), panelBild_);
    labelEMail_ = AddLabel("Label_EMail", QString(), panelBild_);

    bevelLinie_ = new QFrame(this);
    bevelLinie_->setObjectName(QStringLiteral("Bevel_Linie"));
    bevelLinie_->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevelLinie_->setGeometry(3, 232, 508, 2);

    labelVersion_ = AddLabel("Label_Version", QString(), this);
    labelCopyright_ = AddLabel("Label_Copyright", QString(), this);

    buttonOK_ = new QPushButton(QStringLiteral("OK"), this);
    buttonOK_->setObjectName(QStringLiteral("Button_OK"));
    buttonOK_->setDefault(true);
    buttonOK_->setGeometry((ClientSize.width() - 75) / 2, 237, 75, 23);
    connect(buttonOK_, &QPushButton::clicked, this, &QDialog::accept);

    // White lettering over the picture.
    for (QLabel* label : {labelFirma_, labelInternet_, label1_, labelEMail_}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(palette);
    }
    QFont firmaFont = font();
    firmaFont.setBold(true);
    firmaFont.setPixelSize(12);
    labelFirma_->setFont(firmaFont);

    // Links and logos answer the mouse.
    for (QLabel* link : {labelInternet_, labelEMail_, imageProduktLogo_, imageEurovent_, imageAHRI_}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }

    FormCreate();

    if (mode_ == TMode::Splash) {
        // Only the picture panel, with the window's client the panel's size.
        panelBild_->move(0, 0);
        setFixedSize(PanelSize);
    }
    CentreOnScreen(this);
}

QLabel* TFormInfo::AddLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

void TFormInfo::FormCreate()
{
    RefreshLanguagePicture();

    // The product picture; its top left corner is the origin of the pictures
    // and lines placed over it.
    const QPoint origin(3, 3);
    imageBild_->setGeometry(QRect(origin, PictureSize));
    imageBild_->setPixmap(QPixmap::fromImage(JpegResource(ProductPicture)));

    imageProduktLogo_->resize(LogoSize);
    imageEurovent_->setGeometry(QRect(origin + EuroventOffset, LogoSize));
    imageAHRI_->setGeometry(QRect(origin + AhriOffset, AhriSize));
    imageEnergie_->setGeometry(QRect(origin + EnergieOffset, EnergieSize));
    panelBild_->resize(PanelSize);

    labelVersion_->setText(QStringLiteral("Version ") + VersionString());
    labelCopyright_->setText(QString::fromUtf8(MakerCopyright));
    labelInternet_->setText(QString::fromLatin1(MakerWebText));
    labelFirma_->setText(MakerAddressLine());
    label1_->setText(MakerTelephone());
    labelEMail_->setText(QString::fromLatin1(MakerMailAddress));

    imageProduktLogo_->move(origin + ProduktLogoOffset);

    // The company line centred over the picture; the contact lines left,
    // centre and right on its bottom band, each as wide as its text so that
    // they do not cover one another's mouse area.
    labelFirma_->setAlignment(Qt::AlignCenter);
    labelFirma_->setGeometry(origin.x(), origin.y() + FirmaTop, PictureSize.width(), LineHeight);
    const int contactTop = origin.y() + ContactTop;
    // Room for the underline font of the hover.
    const auto width = [](QLabel* label) { return label->sizeHint().width() + 2; };
    labelInternet_->setGeometry(origin.x() + ContactInset, contactTop, width(labelInternet_), LineHeight);
    label1_->setGeometry(origin.x() + (PictureSize.width() - width(label1_)) / 2, contactTop, width(label1_),
                         LineHeight);
    labelEMail_->setGeometry(origin.x() + PictureSize.width() - ContactInset - width(labelEMail_), contactTop,
                             width(labelEMail_), LineHeight);

    // Version left and copyright right under the line, level with the button.
    const int bottomRow = 241;
    labelVersion_->setGeometry(8, bottomRow, 200, LineHeight);
    labelCopyright_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    labelCopyright_->setGeometry(ClientSize.width() - 8 - 200, bottomRow, 200, LineHeight);
}

void TFormInfo::RefreshLanguagePicture()
{
    languagePicture_ = LanguagePictureNumber(CurrentLanguage());
    imageEnergie_->setPixmap(QPixmap::fromImage(JpegResource(languagePicture_)));
    imageAHRI_->setToolTip(QString::fromLatin1(AhriDirectoryAddress));
    imageEurovent_->setToolTip(QString::fromLatin1(EuroventDirectoryAddress));
    imageProduktLogo_->setToolTip(QString::fromLatin1(MakerWebAddress));
}

void TFormInfo::Image_AHRIClick()
{
    OpenUrl(QUrl(QString::fromLatin1(AhriDirectoryAddress)));
}

void TFormInfo::Image_EuroventClick()
{
    OpenUrl(QUrl(QString::fromLatin1(EuroventDirectoryAddress)));
}

void TFormInfo::Image_ProduktLogoClick()
{
    OpenUrl(QUrl(QString::fromLatin1(MakerWebAddress)));
}

void TFormInfo::Label_InternetClick()
{
    OpenUrl(QUrl(QString::fromLatin1(MakerWebAddress)));
}

void TFormInfo::Label_EMailClick()
{
    OpenUrl(MakerMailUrl(MainWindowCaption()));
}

void TFormInfo::Label_InternetMouseEnter(QLabel* label)
{
    QFont underlined = label->font();
    underlined.setUnderline(true);
    label->setFont(underlined);
}

void TFormInfo::Label_InternetMouseLeave(QLabel* label)
{
    QFont plain = label->font();
    plain.setUnderline(false);
    label->setFont(plain);
}

QString TFormInfo::MainWindowCaption() const
{
    if (const QWidget* owner = parentWidget())
        return owner->window()->windowTitle();
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget != this && (widget->inherits("TFormWRG") || widget->inherits("QMainWindow")))
            return widget->windowTitle();
    }
    return QGuiApplication::applicationDisplayName();
}

bool TFormInfo::eventFilter(QObject* watched, QEvent* event)
{
    auto* label = qobject_cast<QLabel*>(watched);
    if (!label)
        return TVxForm::eventFilter(watched, event);
    const bool link = label == labelInternet_ || label == labelEMail_;

    switch (event->type()) {
    case QEvent::Enter:
        if (link)
            Label_InternetMouseEnter(label);
        break;
    case QEvent::Leave:
        if (link)
            Label_InternetMouseLeave(label);
        break;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !label->rect().contains(mouse->position().toPoint()))
            break;
        if (label == labelInternet_)
            Label_InternetClick();
        else if (label == labelEMail_)
            Label_EMailClick();
        else if (label == imageProduktLogo_)
            Image_ProduktLogoClick();
        else if (label == imageEurovent_)
            Image_EuroventClick();
        else if (label == imageAHRI_)
            Image_AHRIClick();
        return true;
    }
    default:
        break;
    }
    return TVxForm::eventFilter(watched, event);
}

TFormInfo* ShowSplash(int milliseconds)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return nullptr;
    auto* splash = new TFormInfo(nullptr, TFormInfo::TMode::Splash);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    splash->repaint();
    QTimer::singleShot(std::max(milliseconds, 0), splash, &QWidget::close);
    return splash;
}
