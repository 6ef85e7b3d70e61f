// The help documents in the resources and the help window.

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include "core/text/Catalogue.h"
#include "gui/help/HelpViewer.h"

namespace {

// The block that carries the anchor `name`, as the browser parsed it.
QTextBlock AnchorBlock(const QTextDocument& document, const QString& name)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(name))
                return block;
    return {};
}

QSet<QString> Captures(const QString& text, const char* pattern)
{
    QSet<QString> found;
    for (auto it = QRegularExpression(QString::fromLatin1(pattern)).globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

// True when the top of the anchor's block is in the visible part of the browser.
bool AnchorVisible(const QTextBrowser* browser, const QString& name)
{
    const QTextBlock block = AnchorBlock(*browser->document(), name);
    const qreal top = browser->document()->documentLayout()->blockBoundingRect(block).top();
    const int shown = browser->verticalScrollBar()->value();
    return block.isValid() && top >= shown - 1 && top < shown + browser->viewport()->height();
}

QTextBrowser* Shown(const QString& topic, QWidget* parent = nullptr)
{
    ShowHelp(topic, parent);
    return HelpWindow() && QTest::qWaitForWindowExposed(HelpWindow()) ? HelpWindow()->Browser() : nullptr;
}

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void init() { SetCurrentLanguage(2); }
    void cleanupTestCase() { delete HelpWindow(); }

    void documents_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("sample");  // a phrase only the right language has
        QTest::newRow("German") << 1 << ":/help/WRG_D.html"
                                << "Wärmerückgewinnung";
        for (int language : {2, 3, 7, 8, 9})
            QTest::addRow("language %d", language) << language << ":/help/WRG_E.html"
                                                   << "climate data editor";
    }

    void documents()
    {
        QFETCH(int, language);
        QFETCH(QString, path);
        QFETCH(QString, sample);
        QCOMPARE(HelpDocumentPath(language), path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = HelpDocumentText(language);
        QCOMPARE(html, QString::fromUtf8(file.readAll()));
        QVERIFY(html.contains(sample));  // decoded as UTF-8
        QVERIFY(html.contains("href=\"help.css\"") && QFile::exists(":/help/help.css"));

        QTextDocument parsed;
        parsed.setHtml(html);
        const QSet<QString> names = Captures(html, "<a\\s+name=\"([^\"]+)\"");
        const QStringList anchors = HelpAnchors(language);
        QCOMPARE(anchors.value(0), QString(HelpContentsTopic));  // the start of the document
        QCOMPARE(QSet<QString>(anchors.begin(), anchors.end()), names);
        QVERIFY(names.contains(HelpClimateDataTopic));

        // Every link leads to an anchor the browser knows.
        for (const QString& link : Captures(html, "href=\"#([^\"]*)\""))
            QVERIFY2(AnchorBlock(parsed, link).isValid(), qPrintable("no anchor for #" + link));
    }

    void bothDocumentsHaveTheSameSections() { QCOMPARE(HelpAnchors(1), HelpAnchors(2)); }

    // A topic is found in any case and with blanks around it; an unknown or
    // empty one gives the contents.
    void locationOfTopic()
    {
        const QString english = "qrc:/help/WRG_E.html#hlp_";
        const struct {
            int language;
            const char* topic;
            QString url;
        } rows[] = {{1, "hlp_Inhalt", "qrc:/help/WRG_D.html#hlp_Inhalt"},
                    {9, "hlp_Klimadaten", english + "Klimadaten"},
                    {2, " HLP_KLIMADATEN ", english + "Klimadaten"},
                    {2, "hlp_Unbekannt", english + "Inhalt"},
                    {8, "", english + "Inhalt"}};
        for (const auto& row : rows)
            QCOMPARE(HelpLocationOf(row.language, row.topic).Url().toString(), row.url);
    }

    void showsTheTopicOfTheLanguage()
    {
        QTextBrowser* browser = Shown(HelpClimateDataTopic);
        QVERIFY(browser);
        QCOMPARE(browser->source().toString(), QStringLiteral("qrc:/help/WRG_E.html#hlp_Klimadaten"));
        QVERIFY(AnchorVisible(browser, HelpClimateDataTopic));
        QCOMPARE(HelpWindow()->windowTitle(), QStringLiteral("WRG – Help"));

        SetCurrentLanguage(1);
        QCOMPARE(Shown(HelpClimateDataTopic), browser);  // the same window
        QCOMPARE(browser->source().path(), QStringLiteral("/help/WRG_D.html"));
        QVERIFY(AnchorVisible(browser, HelpClimateDataTopic));
        QCOMPARE(HelpWindow()->windowTitle(), QStringLiteral("WRG – Hilfe"));

        // After the reader scrolled away, the same topic scrolls back.
        browser->verticalScrollBar()->setValue(browser->verticalScrollBar()->maximum());
        QVERIFY(!AnchorVisible(browser, HelpClimateDataTopic));
        Shown(HelpClimateDataTopic);
        QVERIFY(AnchorVisible(browser, HelpClimateDataTopic));

        Shown("hlp_NoSuchTopic");  // shows the contents
        QCOMPARE(browser->source().fragment(), QString(HelpContentsTopic));
        QCOMPARE(browser->verticalScrollBar()->value(), 0);
    }

    void windowIsKeptNotModalAndNavigates()
    {
        QTextBrowser* browser = Shown(HelpContentsTopic);
        QPointer<THelpWindow> window = HelpWindow();
        QCOMPARE(window->windowModality(), Qt::NonModal);
        window->close();
        QCOMPARE(Shown(HelpClimateDataTopic), browser);  // closed, it comes back

        window->BackAction()->trigger();
        QCOMPARE(browser->source().fragment(), QString(HelpContentsTopic));
        window->ForwardAction()->trigger();
        QVERIFY(AnchorVisible(browser, HelpClimateDataTopic));
        window->ContentsAction()->trigger();
        QCOMPARE(browser->source().toString(), QStringLiteral("qrc:/help/WRG_E.html#hlp_Inhalt"));
    }

    void helpFromAModalWindowBelongsToIt()
    {
        Shown(HelpContentsTopic);  // a window without an owner exists
        auto* dialog = new QDialog;
        dialog->setModal(true);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QTextBrowser* browser = Shown(HelpClimateDataTopic, dialog);
        QPointer<THelpWindow> window = HelpWindow();
        // A window of the modal window's own is not blocked by it.
        QCOMPARE(window->parentWidget(), dialog);
        QVERIFY(browser && window->isWindow() && AnchorVisible(browser, HelpClimateDataTopic));

        delete dialog;  // it goes with its window; the next call makes a new one
        QVERIFY(!window && !HelpWindow());
        QVERIFY(Shown(HelpContentsTopic));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"
