// The help window and its two HTML documents.

#include "gui/help/HelpViewer.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QKeySequence>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/text/Catalogue.h"

// The help documents are resources of the static library wrgui; without a
// reference the linker would leave them out of the program.
static void InitHelpResources()
{
    Q_INIT_RESOURCE(help);
}

namespace {

constexpr int German = 1;

// The texts of the window's own buttons; the German ones for German, the
// English ones for every other language, like the documents.
struct ButtonTexts {
    const char* back;
    const char* forward;
    const char* contents;
};
constexpr ButtonTexts GermanTexts = {"Zurück", "Vorwärts", "Inhalt"};
constexpr ButtonTexts EnglishTexts = {"Back", "Forward", "Contents"};

QPointer<THelpWindow>& TheHelpWindow()
{
    static QPointer<THelpWindow> window;
    return window;
}

// The anchors of one document text: <a name="..."> and id="..." attributes.
QStringList AnchorsOf(const QString& html)
{
    static const QRegularExpression anchor(QStringLiteral(R"re((?:<a\s[^>]*\bname|\bid)\s*=\s*"([^"]+)")re"),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    for (auto it = anchor.globalMatch(html); it.hasNext();) {
        const QString name = it.next().captured(1);
        if (!names.contains(name))
            names << name;
    }
    return names;
}

}  // namespace

QUrl HelpLocation::Url() const
{
    QUrl url(QStringLiteral("qrc") + document);
    url.setFragment(anchor);
    return url;
}

QString HelpDocumentPath(int language)
{
    return language == German ? QStringLiteral(":/help/WRG_D.html") : QStringLiteral(":/help/WRG_E.html");
}

QString HelpDocumentText(int language)
{
    InitHelpResources();
    QFile file(HelpDocumentPath(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QStringList HelpAnchors(int language)
{
    // The documents are fixed resources: parse each once.
    static QHash<QString, QStringList> cache;
    const QString path = HelpDocumentPath(language);
    auto found = cache.constFind(path);
    if (found == cache.constEnd())
        found = cache.insert(path, AnchorsOf(HelpDocumentText(language)));
    return *found;
}

HelpLocation HelpLocationOf(int language, const QString& topic)
{
    HelpLocation where{HelpDocumentPath(language), QString::fromLatin1(HelpContentsTopic)};
    const QString wanted = topic.trimmed();
    if (wanted.isEmpty())
        return where;
    for (const QString& anchor : HelpAnchors(language)) {
        if (anchor.compare(wanted, Qt::CaseInsensitive) == 0) {
            where.anchor = anchor;
            break;
        }
    }
    return where;
}

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    InitHelpResources();
    setObjectName(QStringLiteral("HelpWindow"));

    auto* tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("HelpTools"));
    tools->setMovable(false);
    tools->setFloatable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    back = tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QString());
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    forward = tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QString());
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    contents = tools->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QString());
    contents->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));

    browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("HelpBrowser"));
    // Links to web and mail addresses go to the system's programs.
    browser->setOpenExternalLinks(true);

    auto* close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    addAction(close);
    connect(close, &QAction::triggered, this, &QWidget::close);

    connect(back, &QAction::triggered, browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, browser, &QTextBrowser::forward);
    connect(contents, &QAction::triggered, this, &THelpWindow::ShowContents);
    connect(browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(browser, &QTextBrowser::sourceChanged, this, &THelpWindow::UpdateTitle);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(browser);

    resize(780, 620);
    ApplyTexts();
}

void THelpWindow::ApplyTexts()
{
    const ButtonTexts& texts = CurrentLanguage() == German ? GermanTexts : EnglishTexts;
    back->setText(QString::fromUtf8(texts.back));
    forward->setText(QString::fromUtf8(texts.forward));
    contents->setText(QString::fromUtf8(texts.contents));
}

void THelpWindow::ShowLocation(const HelpLocation& where)
{
    // The browser scrolls to the anchor, also when the same place is shown
    // again after the reader scrolled away. The contents start at the top of
    // the document, above the line of their anchor.
    browser->setSource(where.Url(), QTextDocument::HtmlResource);
    if (where.anchor == QLatin1String(HelpContentsTopic))
        browser->verticalScrollBar()->setValue(0);
}

void THelpWindow::ShowContents()
{
    const QString path = browser->source().path();
    const QString document = path.isEmpty() ? HelpDocumentPath(CurrentLanguage()) : QLatin1Char(':') + path;
    ShowLocation({document, QString::fromLatin1(HelpContentsTopic)});
}

void THelpWindow::UpdateTitle()
{
    setWindowTitle(browser->documentTitle());
}

void ShowHelp(const QString& topic, QWidget* parent)
{
    QWidget* owner = parent ? parent->window() : nullptr;
    QPointer<THelpWindow>& window = TheHelpWindow();
    if (!window) {
        window = new THelpWindow(owner);
        // Without an owner window nobody else deletes it.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, &QObject::deleteLater);
    } else if (owner && window->parentWidget() != owner) {
        // A window that belongs to another window is blocked while a modal
        // window is open: move it to the window that asks for help, in place.
        const QRect place = window->geometry();
        const bool wasVisible = window->isVisible();
        window->setParent(owner, Qt::Window);
        if (wasVisible)
            window->setGeometry(place);
    }
    window->ApplyTexts();
    window->show();
    window->ShowLocation(HelpLocationOf(CurrentLanguage(), topic));
    window->raise();
    window->activateWindow();
}

THelpWindow* HelpWindow()
{
    return TheHelpWindow().data();
}
