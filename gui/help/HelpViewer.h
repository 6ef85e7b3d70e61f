#pragma once
// The help of the program: two HTML documents in the resources, the German
// one (":/help/WRG_D.html") for German and the English one
// (":/help/WRG_E.html") for every other language. A help topic is an anchor
// of the documents: "hlp_Inhalt" (the contents, where the help starts) and
// "hlp_Klimadaten" (climate data) are the topics the windows name; every
// section of the documents has an anchor of its own.
//
// ShowHelp opens one help window that is not modal and is kept and reused
// for the rest of the run: a browser with back, forward and contents.

#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

class QAction;
class QTextBrowser;

// The two topics the program's windows ask for.
inline constexpr char HelpContentsTopic[] = "hlp_Inhalt";
inline constexpr char HelpClimateDataTopic[] = "hlp_Klimadaten";

// Where a topic is shown: the document in the resources and the anchor in it.
struct HelpLocation {
    QString document;  // resource path, such as ":/help/WRG_D.html"
    QString anchor;    // such as "hlp_Klimadaten"

    // "qrc:/help/WRG_D.html#hlp_Klimadaten"
    QUrl Url() const;
};

// The resource path of the help document of a language number (1 German,
// every other number English).
QString HelpDocumentPath(int language);

// The HTML text of the help document of a language; empty when the
// resources lack it.
QString HelpDocumentText(int language);

// The anchor names of the help document of a language, in document order.
QStringList HelpAnchors(int language);

// The place of `topic` in the document of `language`. The topic is matched
// against the document's anchors without regard to case; an empty or unknown
// topic gives the contents, "hlp_Inhalt".
HelpLocation HelpLocationOf(int language, const QString& topic);

// The help window: a browser of the help documents with back, forward and
// contents. Its title is the title of the document shown.
class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows the document of `where` scrolled to its anchor.
    void ShowLocation(const HelpLocation& where);
    // Puts the texts of the current language on the buttons.
    void ApplyTexts();

    QTextBrowser* Browser() const { return browser; }
    QAction* BackAction() const { return back; }
    QAction* ForwardAction() const { return forward; }
    QAction* ContentsAction() const { return contents; }

private:
    void ShowContents();
    void UpdateTitle();

    QTextBrowser* browser = nullptr;
    QAction* back = nullptr;
    QAction* forward = nullptr;
    QAction* contents = nullptr;
};

// Opens the help window at `topic` in the document of the current language
// (CurrentLanguage() of core/text/Catalogue.h) and brings it to the front. The
// window is created on the first call and reused by every later one. It
// belongs to the window of `parent`, so that it can be used while that
// window is modal and goes when that window goes; without a parent it lives
// until the application quits.
void ShowHelp(const QString& topic, QWidget* parent = nullptr);

// The help window while it exists, otherwise nullptr.
THelpWindow* HelpWindow();
