#pragma once
// The info window: the product picture with the maker's contact lines, the
// energy strip of the current language and the version. Without its border it
// is also the splash screen shown at start-up.

#include <QString>
#include <QUrl>

#include <functional>

#include "gui/controls/FormBase.h"
#include "print/MakerData.h"

class QEvent;
class QFrame;
class QLabel;
class QPushButton;

// The maker's lines of the info window, made of the maker's data.
QString MakerAddressLine();
QString MakerTelephone();
// The public directories of the two certification programmes.
inline constexpr char EuroventDirectoryAddress[] = "https://www.eurovent-certification.com";
inline constexpr char AhriDirectoryAddress[] = "https://www.ahridirectory.org";

// The subject of a mail to the maker: "Quorvane Software: " + the main
// window's caption + ", Version " + the program's version.
QString MailSubject(const QString& mainWindowCaption);
// The mailto address with that subject.
QUrl MakerMailUrl(const QString& mainWindowCaption);

// The JPEG resource of the energy strip for a language number: 1900 German,
// 3900 French, 7900 Polish, 8900 Chinese, 9900 Russian, 2900 any other.
int LanguagePictureNumber(int language);

// Every link of the info window is opened through this; by default
// QDesktopServices::openUrl. Tests replace it; an empty function restores the
// default.
using TUrlOpener = std::function<bool(const QUrl&)>;
void SetUrlOpenerHook(TUrlOpener opener);
// Opens `url` through the hook or the desktop.
bool OpenUrl(const QUrl& url);

class TFormInfo : public TVxForm {
    Q_OBJECT
public:
    enum class TMode { Window, Splash };

    // The window (dialog border, always on top, centred; caption "  INFO"), or
    // in splash mode only the picture panel without a border.
    explicit TFormInfo(QWidget* parent = nullptr, TMode mode = TMode::Window);

    // Puts the energy strip of the current language into Image_Energie and
    // the web addresses into the hints of the three logos.
    void RefreshLanguagePicture();
    // The resource number shown in Image_Energie.
    int LanguagePicture() const { return languagePicture_; }

    // The click and hover actions.
    void Image_AHRIClick();
    void Image_EuroventClick();
    void Image_ProduktLogoClick();
    void Label_InternetClick();
    void Label_EMailClick();
    void Label_InternetMouseEnter(QLabel* label);
    void Label_InternetMouseLeave(QLabel* label);

    // The caption of the program's main window: the parent's, else that of a
    // top-level main window, else the application's display name.
    QString MainWindowCaption() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    QLabel* AddLabel(const char* name, const QString& text, QWidget* parent);

    TMode mode_;
    int languagePicture_ = 0;
    QFrame* panelBild_ = nullptr;
    QLabel* imageBild_ = nullptr;
    QLabel* labelFirma_ = nullptr;
    QLabel* labelInternet_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* labelEMail_ = nullptr;
    QLabel* imageEnergie_ = nullptr;
    QLabel* imageProduktLogo_ = nullptr;
    QLabel* imageEurovent_ = nullptr;
    QLabel* imageAHRI_ = nullptr;
    QFrame* bevelLinie_ = nullptr;
    QLabel* labelVersion_ = nullptr;
    QLabel* labelCopyright_ = nullptr;
    QPushButton* buttonOK_ = nullptr;
};

// Shows the info window as the splash screen: no border, only the picture
// panel, centred and on top. It closes and deletes itself after
// `milliseconds` (a QTimer; the call returns at once). The pointer is for
// watching it with a QPointer; nullptr without a GUI application.
TFormInfo* ShowSplash(int milliseconds = 2000);
