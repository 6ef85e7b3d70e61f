// The climate data window: the bounds of the check before saving in both unit
// systems, the round trip record → grid → file, Save and Save as with the
// file lists, and failures that must leave the window as it was.

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <variant>

#include "climate/ClimateEditorCells.h"
#include "climate/FKlimaDaten.h"
#include "print/FSeite.h"
#include "ui/Catalogue.h"
#include "ui/UVxMessage.h"

namespace {

constexpr int MarchRow = 4;  // rows 0 and 1 are headings

ClimateRecord SampleRecord(const std::string& name = "Sample site")
{
    ClimateRecord r;
    r.Name = name;
    for (std::size_t m = 0; m < 12; ++m) {
        r.HumRatio[m] = 2.3 + 0.7 * double(m);
        r.MinTemp[m] = -7.4 + 1.3 * double(m);
        r.MinTime[m] = 4 + 0.25 * double(m);
        r.MaxTemp[m] = 1.1 + 2.05 * double(m);
        r.MaxTime[m] = 13 + 0.5 * double(m);
    }
    return r;
}

bool Near(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b));
}

bool SameRecord(const ClimateRecord& a, const ClimateRecord& b)
{
    using Field = std::array<double, 12> ClimateRecord::*;
    for (Field f : {&ClimateRecord::HumRatio, &ClimateRecord::MinTemp, &ClimateRecord::MinTime,
                    &ClimateRecord::MaxTemp, &ClimateRecord::MaxTime})
        for (std::size_t m = 0; m < 12; ++m)
            if (!Near((a.*f)[m], (b.*f)[m]))
                return false;
    return a.Name == b.Name;
}

ClimateRecord ReadBack(const QString& path)
{
    Outcome<ClimateRecord> read = ReadClimateFile(path.toStdString());
    if (!std::holds_alternative<ClimateRecord>(read))
        qFatal("%s cannot be read back", qPrintable(path));
    return std::get<ClimateRecord>(read);
}

QTableWidgetItem* Cell(TFormKlimaDaten& f, int row, int column)
{
    return f.findChild<QTableWidget*>(QStringLiteral("StringGrid1"))->item(row, column);
}

QString Text(TFormKlimaDaten& f, const char* name)
{
    if (auto* edit = f.findChild<QLineEdit*>(QLatin1String(name)))
        return edit->text();
    return f.findChild<QLabel*>(QLatin1String(name))->text();
}

}  // namespace

class ClimateEditorTest : public QObject {
    Q_OBJECT

    QStringList messages_;
    QStringList titles_;
    QStringList answers_;  // paths the file dialogs give, in order
    int dialogs_ = 0;
    QTemporaryDir dir_;

    QString Path(const char* name) const { return dir_.filePath(QLatin1String(name)); }

private slots:
    void initTestCase()
    {
        SetCurrentLanguage(2);
        SetMessageBoxHook([this](const QString& message, int, const QString& title) {
            messages_ << message;
            titles_ << title;
            return MessageResultOK;
        });
        TFormKlimaDaten::SetFileDialogHook([this](bool, const QString&) {
            ++dialogs_;
            return answers_.isEmpty() ? QString() : answers_.takeFirst();
        });
    }
    void init()
    {
        messages_.clear();
        titles_.clear();
        answers_.clear();
        dialogs_ = 0;
    }

    void timeOfDay()
    {
        QCOMPARE(FormatTimeOfDay(7.5), std::string("07:30"));
        QCOMPARE(FormatTimeOfDay(23.9999), std::string("23:59"));  // 23:59:59.64, seconds dropped
        QCOMPARE(FormatTimeOfDay(24), std::string("00:00"));
        // Bit for bit the fraction of the day times 24 (not 7 + 5/60).
        QVERIFY(ParseTimeOfDay(" 7:05 ").value_or(-1) == 25500000 / 86400000.0 * 24);
        QCOMPARE(ParseTimeOfDay("07:30:36").value_or(-1), 7.51);
        for (const char* refused : {"7", "07:60", "-1:00", "7:30:", "07.30", "", "7:30 h"})
            QVERIFY2(!ParseTimeOfDay(refused), refused);
    }

    // Limits in both systems, unreadable and empty cells, times of day and
    // the same time (or text) for the minimum and the maximum of a month.
    void validation_data()
    {
        QTest::addColumn<bool>("si");
        QTest::addColumn<int>("column");  // 0: the description
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        const struct {
            const char* name;
            bool si;
            int column;
            const char* text;
            bool valid;
        } rows[] = {
            {"30 g/kg", true, 1, "30", true},             {"30.1 g/kg", true, 1, "30.1", false},
            {"negative humidity", true, 1, "-0.1", false}, {"-30 degC", true, 2, "-30", true},
            {"50 degC", true, 4, "50", true},             {"-30.1 degC", true, 2, "-30.1", false},
            {"50.1 degC", true, 4, "50.1", false},        {"unreadable", true, 2, "12a", false},
            {"empty cell", true, 4, "", false},           {"23:59", true, 5, "23:59", true},
            {"24:00", true, 3, "24:00", false},           {"60 minutes", true, 3, "04:60", false},
            // March has its minimum at 04:30 and its maximum at 14:00.
            {"same text", true, 3, "14:00", false},       {"same time", true, 5, "4:30", false},
            {"empty description", true, 0, "", false},    {"210 gr/lb", false, 1, "210", true},
            {"210.1 gr/lb", false, 1, "210.1", false},    {"-22 degF", false, 2, "-22", true},
            {"122 degF", false, 4, "122", true},          {"-22.1 degF", false, 2, "-22.1", false},
            {"122.1 degF", false, 4, "122.1", false},     {"50 degF", false, 4, "50", true},
        };
        for (const auto& r : rows)
            QTest::newRow(r.name) << r.si << r.column << QString::fromUtf8(r.text) << r.valid;
    }
    void validation()
    {
        QFETCH(bool, si);
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        ClimateFileLists lists;
        TFormKlimaDaten f(nullptr, lists);
        f.SetUnitSystem(si);
        f.ShowRecord(SampleRecord());
        QVERIFY(f.ValidateClimateGrid());
        if (column == 0)
            f.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(text);
        else
            Cell(f, MarchRow, column)->setText(text);
        QCOMPARE(f.ValidateClimateGrid(), valid);
    }

    void roundTrip_data()
    {
        QTest::addColumn<bool>("si");
        QTest::newRow("SI") << true;
        QTest::newRow("UK/US") << false;
    }
    void roundTrip()
    {
        QFETCH(bool, si);
        ClimateFileLists lists;
        TFormKlimaDaten f(nullptr, lists);
        // Shown in the other system first: the switch converts what is on screen.
        f.SetUnitSystem(!si);
        f.ShowRecord(SampleRecord());
        f.SetUnitSystem(si);
        const QStringList shown = {Cell(f, 1, 1)->text(), Cell(f, 1, 4)->text(), Cell(f, 2, 1)->text(),
                                   Cell(f, 2, 3)->text()};
        QCOMPARE(shown, si ? QStringList({"[g/kg]", "[°C]", "2.3", "04:00"})
                           : QStringList({"[gr/lb]", "[°F]", "16.1", "04:00"}));
        const QString path = Path(si ? "si.cli" : "uk.cli");
        answers_ << path;
        f.Button4Click();
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('\n')));
        QVERIFY(SameRecord(ReadBack(path), SampleRecord()));
    }

    void saveAndSaveAs()
    {
        const QString loaded = Path("loaded.cli");
        QVERIFY(!WriteClimateFile(loaded.toStdString(), SampleRecord("Old name")));
        ClimateFileLists lists{{"/elsewhere/a.cli", loaded.toStdString()}, {"A", "Old name"}};
        TFormKlimaDaten f(nullptr, lists);
        QSignalSpy changed(&f, &TFormKlimaDaten::ClimateDataChanged);

        answers_ << loaded;
        f.Button2Click();
        QCOMPARE(f.CurrentPath(), loaded);
        QCOMPARE(Text(f, "Label2"), loaded);
        QCOMPARE(Text(f, "Edit1"), QStringLiteral("Old name"));

        // Save writes back to the loaded file without asking; a remembered
        // path keeps its place and only gets the new name.
        f.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("New name"));
        Cell(f, MarchRow, 1)->setText(QStringLiteral("9.5"));
        f.Button3Click();
        QCOMPARE(dialogs_, 1);
        QCOMPARE(ReadBack(loaded).HumRatio[2], 9.5);
        QCOMPARE(lists.ClimateFileList, (std::vector<std::string>{"/elsewhere/a.cli", loaded.toStdString()}));
        QCOMPARE(lists.ClimateNameList, (std::vector<std::string>{"A", "New name"}));

        // Save as of a new path puts it first.
        const QString copy = Path("copy.cli");
        answers_ << copy;
        f.Button4Click();
        QCOMPARE(f.CurrentPath(), copy);
        QCOMPARE(lists.ClimateFileList.front(), copy.toStdString());
        QCOMPARE(lists.ClimateFileList.size(), std::size_t(3));
        QVERIFY(messages_.isEmpty());
        QCOMPARE(changed.count(), 3);  // load, save, save as

        // Invalid data: the message, no dialog, nothing written.
        Cell(f, MarchRow, 1)->setText(QStringLiteral("31"));
        for (void (TFormKlimaDaten::*command)() : {&TFormKlimaDaten::Button3Click, &TFormKlimaDaten::Button4Click})
            (f.*command)();
        QCOMPARE(messages_, QStringList({QStringLiteral("Invalid data"), QStringLiteral("Invalid data")}));
        QCOMPARE(titles_.front(), QStringLiteral("Error"));
        QCOMPARE(dialogs_, 2);
        QCOMPARE(ReadBack(copy).HumRatio[2], 9.5);

        // Close empties the window and tells the main window.
        f.Button6Click();
        QCOMPARE(changed.count(), 4);
        QVERIFY(f.CurrentPath().isEmpty() && Text(f, "Edit1").isEmpty() && Cell(f, MarchRow, 1)->text().isEmpty());
    }

    void failuresKeepTheWindow_data()
    {
        QTest::addColumn<bool>("load");
        QTest::addColumn<QByteArray>("content");  // of the file loaded
        QTest::addColumn<QString>("message");
        QTest::newRow("damaged file") << true << QByteArray(600, 'x') << QStringLiteral("Invalid file format");
        QTest::newRow("missing file") << true << QByteArray() << QStringLiteral("not found");
        QTest::newRow("unwritable folder") << false << QByteArray() << QStringLiteral("could not be written");
    }
    void failuresKeepTheWindow()
    {
        QFETCH(bool, load);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        ClimateFileLists lists;
        TFormKlimaDaten f(nullptr, lists);
        f.ShowRecord(SampleRecord());
        const QString good = Path("good.cli");
        answers_ << good;
        f.Button4Click();
        const std::size_t remembered = lists.ClimateFileList.size();

        const QString bad = Path(load ? "bad.cli" : "good.cli/inside.cli");  // a file is no folder
        QFile::remove(Path("bad.cli"));
        if (!content.isEmpty()) {
            QFile file(bad);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        }
        answers_ << bad;
        load ? f.Button2Click() : f.Button4Click();
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_.front().contains(message) && messages_.front().contains(bad), qPrintable(messages_.front()));
        QCOMPARE(f.CurrentPath(), good);
        QCOMPARE(Text(f, "Label2"), good);
        QCOMPARE(lists.ClimateFileList.size(), remembered);
        QCOMPARE(Text(f, "Edit1"), QStringLiteral("Sample site"));
        QVERIFY(SameRecord(ReadBack(good), SampleRecord()));
        QVERIFY(f.ValidateClimateGrid());
    }

    void sheetData()
    {
        ClimateFileLists lists;
        TFormKlimaDaten f(nullptr, lists);
        f.ShowRecord(SampleRecord());
        const ClimateSheetData data = f.SheetData();
        QCOMPARE(data.description + "|" + data.headings[2] + "|" + data.cells[2][0] + "|" + data.cells[1][2] + "|" +
                     data.cells[MarchRow][3], std::string("Sample site|Average daily minimum|January|[°C]|04:30"));
        // The data sheet opens the preview with the one page.
        int pages = 0;
        QTimer::singleShot(0, [&pages] {
            auto* preview = qobject_cast<TFormSeite*>(QApplication::activeModalWidget());
            pages = preview ? preview->PageCount() : -1;
            if (preview)
                preview->close();
        });
        f.Button7Click();
        QCOMPARE(pages, 1);
    }
};

QTEST_MAIN(ClimateEditorTest)
#include "ClimateEditorTest.moc"
