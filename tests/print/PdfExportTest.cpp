// Writing pages to a PDF file: one sheet per page, the mapping of the whole
// A4 sheet, and a failed write that leaves an existing file alone.

#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "core/text/Catalogue.h"
#include "print/PdfExport.h"
#include "tests/print/PdfPageCount.h"

namespace {

// A page that frames the sheet and notes where its logical corners land.
PageProcedure FramePage(QList<QPointF>* corners)
{
    return [corners](QPainter& canvas) {
        canvas.drawRect(100, 100, PageWidth - 200, PageHeight - 200);
        corners->append(canvas.combinedTransform().map(QPointF(PageWidth, PageHeight)));
    };
}

}  // namespace

class PdfExportTest : public QObject {
    Q_OBJECT

private slots:
    void writesEveryPageOnA4()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheets.pdf"));
        QList<QPointF> corners;
        const std::vector<PageProcedure> pages(3, FramePage(&corners));
        QCOMPARE(WritePdf(path, pages, QStringLiteral("Title")), std::nullopt);
        QCOMPARE(PdfPageCount(path.toStdString()), 3);
        // 600 dpi: the page fills the sheet's width and almost all its height.
        QCOMPARE(corners.size(), 3);
        QVERIFY(qAbs(corners[0].x() - 210 / 25.4 * 600) < 5);
        QVERIFY(qAbs(corners[0].y() - 297 / 25.4 * 600) < 10);
        QVERIFY(QDir(dir.path()).entryList(QDir::Files) == QStringList{QStringLiteral("sheets.pdf")});
    }

    // A failed write names the file and the reason, and leaves an existing
    // file as it was.
    void failureKeepsTheExistingFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pageCount");
        QTest::addColumn<TextId>("text");  // the catalogue text of the reason
        QTest::newRow("read-only folder") << QStringLiteral("locked/old.pdf") << 1 << TextId::PdfAccessDenied;
        QTest::newRow("missing folder") << QStringLiteral("missing/x.pdf") << 1 << TextId::PdfFolderMissing;
        QTest::newRow("folder is a file") << QStringLiteral("locked/old.pdf/x.pdf") << 1 << TextId::PdfFolderMissing;
        QTest::newRow("name is a folder") << QStringLiteral("locked") << 1 << TextId::PdfNameIsFolder;
        QTest::newRow("no pages") << QStringLiteral("locked/old.pdf") << 0 << TextId::PdfNoPage;
    }

    void failureKeepsTheExistingFile()
    {
        QFETCH(QString, name);
        QFETCH(int, pageCount);
        QFETCH(TextId, text);
        if (geteuid() == 0 && pageCount > 0 && name == QStringLiteral("locked/old.pdf"))
            QSKIP("root writes into read-only folders");
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("locked")));
        const QString path = dir.filePath(name);
        QFile old(dir.filePath(QStringLiteral("locked/old.pdf")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old content");
        old.close();
        const QString locked = dir.filePath(QStringLiteral("locked"));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);

        QList<QPointF> corners;
        const std::vector<PageProcedure> pages(static_cast<std::size_t>(pageCount), FramePage(&corners));
        const std::optional<CoreMessage> error = WritePdf(path, pages, QString());
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(error.has_value());
        QCOMPARE(error->textIndex, text);
        QCOMPARE(error->arguments, std::vector<std::string>{QDir::toNativeSeparators(path).toStdString()});
        // The English text, for the command line, has the file in it too.
        QVERIFY2(QString::fromStdString(error->Text()).contains(QDir::toNativeSeparators(path)), error->Text().c_str());
        QCOMPARE(error->englishText, CatalogueTextIn(2, text));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old content"));
    }
};

QTEST_MAIN(PdfExportTest)
#include "PdfExportTest.moc"
