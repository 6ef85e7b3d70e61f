// The climate data window: the bounds of the check before saving in both unit
// systems, the round trip record → grid → file, Save and Save as with the
// file lists, the import of a weather file, and failures that must leave the
// window as it was.

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <numbers>
#include <variant>

#include "core/climate/WeatherFile.h"
#include "core/forms/ClimateEditorCells.h"
#include "core/text/Catalogue.h"
#include "gui/climateeditor/ClimateEditorWindow.h"
#include "gui/controls/MessageBox.h"
#include "gui/preview/PreviewWindow.h"

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
    for (Field f : {&ClimateRecord::HumRatio, &ClimateRecord::MinTemp, &ClimateRecord::MinTime, &ClimateRecord::MaxTemp,
                    &ClimateRecord::MaxTime})
        for (std::size_t m = 0; m < 12; ++m)
            if (!Near((a.*f)[m], (b.*f)[m]))
                return false;
    return a.Name == b.Name;
}

ClimateRecord ReadBack(const QString& path)
{
    Outcome<ClimateRecord> read = ReadClimateFile(path.toStdString());
    if (!read.ok())
        qFatal("%s cannot be read back", qPrintable(path));
    return read.value();
}

QTableWidgetItem* Cell(TFormKlimaDaten& f, int row, int column)
{
    return f.findChild<QTableWidget*>(QStringLiteral("StringGrid1"))->item(row, column);
}

QTableWidget* Grid(TFormKlimaDaten& f)
{
    return f.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
}

// Keys as the user types them: each to the widget that has the focus then.
void Type(const QString& keys)
{
    for (const QChar key : keys)
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
}

// A key, and what the grid does after it (an edit is committed after the
// key has been handled).
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    QCoreApplication::processEvents();
}

QString Position(QTableWidget* grid)
{
    return QStringLiteral("%1,%2").arg(grid->currentRow()).arg(grid->currentColumn());
}

// The twelve months of a record as a spreadsheet copies them: cells by
// tabs, rows by CR LF, a line break at the end.
QString SpreadsheetBlock(const ClimateRecord& record)
{
    QString block;
    for (const auto& month : ClimateTextsOfRecord(record, true, NumberSeparators{'.', ','})) {
        QStringList cells;
        for (const std::string& cell : month)
            cells << QString::fromStdString(cell);
        block += cells.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    }
    return block;
}

// An EPW weather file of a year: in month m the air runs on a daily sine
// from m - 4 °C at 03:00 to m + 4 °C at 15:00, or stays at m °C when `flat`.
QByteArray EpwYear(bool flat = false)
{
    QByteArray text = "LOCATION,Kassel,HE,DEU,TRY,104390,51.30,9.45,1.0,231.0\n" +
                      QByteArray("COMMENTS,\r\n").repeated(7);
    for (QDate date(1999, 1, 1); date.year() == 1999; date = date.addDays(1)) {
        for (int h = 1; h <= 24; ++h) {
            const double temp = date.month() + (flat ? 0 : 4 * std::cos(std::numbers::pi * (h - 15) / 12));
            text += QStringLiteral("1999,%1,%2,%3,60,*,%4,2.0,70,98000")
                        .arg(date.month())
                        .arg(date.day())
                        .arg(h)
                        .arg(temp, 0, 'f', 1)
                        .toLatin1() +
                    QByteArray(",0").repeated(25) + '\n';
        }
    }
    return text;
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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
    QStringList questions_;  // asked whether to save, with their titles
    int questionAnswer_ = SaveAnswerCancel;
    QStringList answers_;  // paths the file dialogs give, in order
    int dialogs_ = 0;
    QStringList importFolders_;  // where the import dialogs started
    QTemporaryDir dir_;

    QString Path(const char* name) const { return dir_.filePath(QLatin1String(name)); }

private slots:
    void initTestCase()
    {
        SetCurrentLanguage(2);
        SetMessageBoxHook([this](const QString& message, TMessageType type, const QString& title) {
            if (type == TMessageType::Question) {
                questions_ << title + '|' + message;
                return questionAnswer_;
            }
            messages_ << message;
            titles_ << title;
            return MessageResultOK;
        });
        TFormKlimaDaten::SetFileDialogHook([this](TFormKlimaDaten::TFileChoice choice, const QString& folder) {
            ++dialogs_;
            if (choice == TFormKlimaDaten::TFileChoice::ImportWeather)
                importFolders_ << folder;
            return answers_.isEmpty() ? QString() : answers_.takeFirst();
        });
    }
    void init()
    {
        messages_.clear();
        titles_.clear();
        questions_.clear();
        questionAnswer_ = SaveAnswerCancel;
        answers_.clear();
        dialogs_ = 0;
        importFolders_.clear();
        SetCurrentLanguage(2);
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
            {"30 g/kg", true, 1, "30", true},
            {"30.1 g/kg", true, 1, "30.1", false},
            {"negative humidity", true, 1, "-0.1", false},
            {"-30 degC", true, 2, "-30", true},
            {"50 degC", true, 4, "50", true},
            {"-30.1 degC", true, 2, "-30.1", false},
            {"50.1 degC", true, 4, "50.1", false},
            {"unreadable", true, 2, "12a", false},
            {"empty cell", true, 4, "", false},
            {"23:59", true, 5, "23:59", true},
            {"24:00", true, 3, "24:00", false},
            {"60 minutes", true, 3, "04:60", false},
            // March has its minimum at 04:30 and its maximum at 14:00.
            {"same text", true, 3, "14:00", false},
            {"same time", true, 5, "4:30", false},
            {"empty description", true, 0, "", false},
            {"210 gr/lb", false, 1, "210", true},
            {"210.1 gr/lb", false, 1, "210.1", false},
            {"-22 degF", false, 2, "-22", true},
            {"122 degF", false, 4, "122", true},
            {"-22.1 degF", false, 2, "-22.1", false},
            {"122.1 degF", false, 4, "122.1", false},
            {"50 degF", false, 4, "50", true},
            // As copied from a spreadsheet cell.
            {"number with line break", true, 1, "9.5\r\n", true},
            {"time with tab", true, 3, "\t04:45\n", true},
            {"same time apart from blanks", true, 5, " 04:30\n", false},
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

    // Values typed row after row with Tab between them land in their cells:
    // Tab after the last value of a row goes to the first of the next. A
    // click on the cell that is already selected, then typing at once: the
    // digits replace that cell's value and nothing else changes.
    void keysInTheGrid()
    {
        ClimateFileLists lists;
        TFormKlimaDaten f(nullptr, lists);
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTableWidget* grid = Grid(f);
        grid->setFocus();
        grid->setCurrentCell(MarchRow, ClimateColumn::MaxTemp);
        Type(QStringLiteral("20"));
        Press(Qt::Key_Tab);
        Type(QStringLiteral("14:30"));
        Press(Qt::Key_Tab);
        QCOMPARE(Position(grid), QStringLiteral("5,1"));
        Type(QStringLiteral("9.5"));
        Press(Qt::Key_Tab);
        Type(QStringLiteral("-3"));
        Press(Qt::Key_Return);
        const QStringList cells = {Cell(f, MarchRow, 4)->text(), Cell(f, MarchRow, 5)->text(),
                                   Cell(f, MarchRow + 1, 0)->text(), Cell(f, MarchRow + 1, 1)->text(),
                                   Cell(f, MarchRow + 1, 2)->text()};
        QCOMPARE(cells, QStringList({"20", "14:30", "April", "9.5", "-3"}));
        // Back the same way, and round from December to January.
        grid->setCurrentCell(MarchRow + 1, ClimateColumn::HumRatio);
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(Position(grid), QStringLiteral("4,5"));
        grid->setCurrentCell(13, ClimateColumn::MaxTime);
        Press(Qt::Key_Tab);
        QCOMPARE(Position(grid), QStringLiteral("2,1"));

        ClimateRecord record = SampleRecord();
        record.HumRatio[11] = 3.5;  // December starts with the digit typed
        f.ShowRecord(record);
        grid->setCurrentCell(MarchRow, ClimateColumn::HumRatio);
        const QPoint march = grid->visualItemRect(Cell(f, MarchRow, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, march);
        Type(QStringLiteral("30"));
        Press(Qt::Key_Return);
        QCOMPARE(Cell(f, MarchRow, 1)->text(), QStringLiteral("30"));
        QCOMPARE(Cell(f, 13, 1)->text(), QStringLiteral("3.5"));
        QCOMPARE(Position(grid), QStringLiteral("4,1"));
    }

    // A value copied from a spreadsheet cell (with its line break) pasted
    // into a cell, and a block of all twelve months pasted at January.
    void pasteFromASpreadsheet()
    {
        ClimateFileLists lists;
        TFormKlimaDaten f(nullptr, lists);
        f.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("Pasted"));
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTableWidget* grid = Grid(f);
        grid->setFocus();

        grid->setCurrentCell(2, ClimateColumn::HumRatio);
        QGuiApplication::clipboard()->setText(SpreadsheetBlock(SampleRecord()));
        Press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Cell(f, 13, 5)->text(), QStringLiteral("18:30"));
        QCOMPARE(Cell(f, 2, 0)->text(), QStringLiteral("January"));
        const QString path = Path("pasted.cli");
        answers_ << path;
        f.Button4Click();
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('\n')));
        QVERIFY(SameRecord(ReadBack(path), SampleRecord("Pasted")));

        // One value into the cell being edited.
        grid->setCurrentCell(MarchRow, ClimateColumn::MinTemp);
        grid->editItem(Cell(f, MarchRow, 2));
        QGuiApplication::clipboard()->setText(QStringLiteral("-1.5\r\n"));
        Press(Qt::Key_A, Qt::ControlModifier);
        Press(Qt::Key_V, Qt::ControlModifier);
        Press(Qt::Key_Return);
        QCOMPARE(Cell(f, MarchRow, 2)->text(), QStringLiteral("-1.5"));

        // A block while a cell is edited, cut at the edge of the grid.
        grid->setCurrentCell(13, ClimateColumn::MaxTemp);
        grid->editItem(Cell(f, 13, 4));
        QGuiApplication::clipboard()->setText(QStringLiteral("7\t16:00\t99\n8\t17:00\n"));
        Press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Cell(f, 13, 4)->text() + ' ' + Cell(f, 13, 5)->text(), QStringLiteral("7 16:00"));
        QVERIFY(f.ValidateClimateGrid());
    }

    // The message of invalid data says where, and the focus goes there.
    void invalidDataNamesMonthAndColumn_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("row");  // -1: the description
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, int language, int r, int c, const char* text, const char* message) {
            QTest::newRow(name) << language << r << c << QString::fromUtf8(text) << QString::fromUtf8(message);
        };
        row("humidity", 2, MarchRow, 1, "31", "Invalid data: March, absolute humidity.");
        row("minimum temperature", 2, 13, 2, "cold", "Invalid data: December, temperature of the daily minimum.");
        row("minimum time", 2, MarchRow, 3, "24:00", "Invalid data: March, time of the daily minimum.");
        row("maximum temperature", 2, 2, 4, "", "Invalid data: January, temperature of the daily maximum.");
        row("same time", 2, MarchRow, 5, "04:30", "Invalid data: March, time of the daily maximum.");
        row("German", 1, MarchRow, 3, "4.30", "Ungültige Daten: März, Uhrzeit des Tagesminimums.");
        row("description", 2, -1, 0, "", "Invalid data: the description is empty.");
        row("close times", 2, MarchRow, 5, "05:00",
            "The minimum and maximum times of March are too close for a daily course.");
    }
    void invalidDataNamesMonthAndColumn()
    {
        QFETCH(int, language);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, message);
        SetCurrentLanguage(language);
        ClimateFileLists lists;
        TFormKlimaDaten f(nullptr, lists);
        f.ShowRecord(SampleRecord());
        auto* description = f.findChild<QLineEdit*>(QStringLiteral("Edit1"));
        (row < 0 ? description->setText(text) : Cell(f, row, column)->setText(text));
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.findChild<QPushButton*>(QStringLiteral("Button3"))->setFocus();
        answers_ << Path("never.cli");
        f.Button3Click();
        QCOMPARE(messages_, QStringList{message});
        QVERIFY(!QFile::exists(Path("never.cli")));
        if (row < 0) {
            QCOMPARE(QApplication::focusWidget(), description);
        } else {
            QCOMPARE(QApplication::focusWidget(), Grid(f));
            QCOMPARE(Position(Grid(f)), QStringLiteral("%1,%2").arg(row).arg(column));
        }
    }

    // New, Load and Close (also by Escape or the close box) with an unsaved
    // edit ask first: Save saves and goes on, Don't save goes on, Cancel
    // leaves everything as it was.
    void unsavedEditsAreAsked_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        for (const char* command : {"New", "Load", "Close", "Escape", "close box"}) {
            for (const auto& [name, answer] :
                 {std::pair{"save", int(SaveAnswerSave)}, std::pair{"don't save", int(SaveAnswerDiscard)},
                  std::pair{"cancel", int(SaveAnswerCancel)}})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(command, name)))
                    << QString::fromLatin1(command) << answer;
        }
    }
    void unsavedEditsAreAsked()
    {
        QFETCH(QString, command);
        QFETCH(int, answer);
        const QString file = Path("edited.cli");
        const QString other = Path("other.cli");
        QVERIFY(!WriteClimateFile(file.toStdString(), SampleRecord("Edited")));
        ClimateRecord otherRecord = SampleRecord("Other");
        otherRecord.HumRatio[2] = 4.25;
        QVERIFY(!WriteClimateFile(other.toStdString(), otherRecord));
        ClimateFileLists lists;
        TFormKlimaDaten f(nullptr, lists);
        answers_ << file;
        f.Button2Click();
        QVERIFY(!f.HasUnsavedEdits());
        Cell(f, MarchRow, 1)->setText(QStringLiteral("9.5"));
        QVERIFY(f.HasUnsavedEdits());

        questionAnswer_ = answer;
        answers_ << other;
        f.show();
        QSignalSpy finished(&f, &QDialog::finished);
        if (command == QLatin1String("New"))
            f.Button1Click();
        else if (command == QLatin1String("Load"))
            f.Button2Click();
        else if (command == QLatin1String("Close"))
            f.Button6Click();
        else if (command == QLatin1String("Escape"))
            QTest::keyClick(&f, Qt::Key_Escape);
        else
            f.close();

        QCOMPARE(questions_, QStringList{QStringLiteral(
                                 "Climate Data|The climate data have been changed. Do you want to save the changes?")});
        QVERIFY(messages_.isEmpty());
        QCOMPARE(ReadBack(file).HumRatio[2], answer == SaveAnswerSave ? 9.5 : SampleRecord().HumRatio[2]);
        const bool goesOn = answer != SaveAnswerCancel;
        const QString shown = command == QLatin1String("Load") ? QStringLiteral("4.25") : QString();
        QCOMPARE(Cell(f, MarchRow, 1)->text(), goesOn ? shown : QStringLiteral("9.5"));
        QCOMPARE(f.CurrentPath(), goesOn ? (command == QLatin1String("Load") ? other : QString()) : file);
        const bool closing = command != QLatin1String("New") && command != QLatin1String("Load");
        QCOMPARE(finished.count(), goesOn && closing ? 1 : 0);
        QCOMPARE(f.isVisible(), !(goesOn && closing));
        QVERIFY(!f.HasUnsavedEdits() || !goesOn);
    }

    // Nothing to ask: no edit since loading, saving or clearing; a switch of
    // the unit system is no edit. A save that fails ends the command.
    void noQuestionWithoutEdits()
    {
        const QString file = Path("plain.cli");
        QVERIFY(!WriteClimateFile(file.toStdString(), SampleRecord()));
        ClimateFileLists lists;
        TFormKlimaDaten f(nullptr, lists);
        f.Button1Click();
        answers_ << file;
        f.Button2Click();
        f.SetUnitSystem(false);
        f.Button1Click();
        QVERIFY(f.CurrentPath().isEmpty());
        f.ShowRecord(SampleRecord());
        answers_ << Path("saved.cli");
        f.Button4Click();
        f.Button6Click();
        QVERIFY(questions_.isEmpty());

        // Save chosen, but the data cannot be saved: nothing is lost.
        f.ShowRecord(SampleRecord());
        Cell(f, MarchRow, 1)->setText(QStringLiteral("x"));
        questionAnswer_ = SaveAnswerSave;
        answers_ << Path("never.cli");
        f.Button1Click();
        QCOMPARE(questions_.size(), 1);
        QCOMPARE(messages_, QStringList{QStringLiteral("Invalid data: March, absolute humidity.")});
        QCOMPARE(Cell(f, MarchRow, 1)->text(), QStringLiteral("x"));
        QVERIFY(!QFile::exists(Path("never.cli")));
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
        const QString invalid = QStringLiteral("Invalid data: March, absolute humidity.");
        QCOMPARE(messages_, QStringList({invalid, invalid}));
        QCOMPARE(titles_.front(), QStringLiteral("Error"));
        QCOMPARE(dialogs_, 2);
        QCOMPARE(ReadBack(copy).HumRatio[2], 9.5);

        // Close empties the window and tells the main window, here without
        // saving the edit.
        questionAnswer_ = SaveAnswerDiscard;
        f.Button6Click();
        QCOMPARE(questions_.size(), 1);
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
        QVERIFY(content.isEmpty() || WriteBytes(bad, content));
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

    // A refused weather file (by the reader: file and line; by the typical
    // days: file and month) changes nothing, unsaved edits included. An
    // imported one is a new data set, not yet saved and without a file, so
    // Save cannot overwrite the file loaded before. The next import starts in
    // the folder of the last one.
    void importWeatherFile()
    {
        const QString loaded = Path("loaded.cli"), weather = Path("kassel.epw"), saved = Path("kassel.cli");
        QVERIFY(!WriteClimateFile(loaded.toStdString(), SampleRecord()));
        ClimateFileLists lists;
        TFormKlimaDaten f(nullptr, lists);
        answers_ << loaded;
        f.Button2Click();
        Cell(f, MarchRow, 1)->setText(QStringLiteral("9.5"));
        questionAnswer_ = SaveAnswerDiscard;
        const std::pair<QByteArray, const char*> refused[] = {
            {EpwYear().replace("1999,3,1,1,60,*,", "1999,3,1,1,60,*,x"), ", line 1425: \"x-0.5\" is not a number."},
            {EpwYear(true), ". The weather file has no daily course in January"}};
        for (const auto& [bytes, message] : refused) {
            QVERIFY(WriteBytes(weather, bytes));
            answers_ << weather;
            f.Button8Click();
            QVERIFY2(messages_.size() == 1 && messages_.front().contains(weather + message),
                     qPrintable(messages_.join('\n')));
            messages_.clear();
            QVERIFY(Cell(f, MarchRow, 1)->text() == "9.5" && Text(f, "Edit1") == "Sample site" && f.HasUnsavedEdits());
            QCOMPARE(f.CurrentPath(), loaded);
        }

        QVERIFY(WriteBytes(weather, EpwYear()));
        answers_ << weather << saved;
        f.Button8Click();
        QCOMPARE(QStringList({Text(f, "Edit1"), Cell(f, MarchRow, 2)->text(), Cell(f, MarchRow, 3)->text(),
                              Cell(f, 13, 4)->text(), Cell(f, 13, 5)->text()}),
                 QStringList({"Kassel, HE, DEU", "-1", "03:00", "16", "15:00"}));
        QVERIFY(f.HasUnsavedEdits() && f.CurrentPath().isEmpty());
        f.Button3Click();
        QVERIFY(messages_.isEmpty() && !f.HasUnsavedEdits());
        QVERIFY(SameRecord(ReadBack(saved), TypicalDaysOf(ReadWeatherFile(weather.toStdString()).value()).value()));
        QVERIFY(SameRecord(ReadBack(loaded), SampleRecord()));
        QCOMPARE(questions_.size(), 3);
        f.Button8Click();  // cancelled
        QCOMPARE(importFolders_, QStringList({QDir::homePath(), dir_.path(), dir_.path(), dir_.path()}));
    }

    void sheetData()
    {
        ClimateFileLists lists;
        TFormKlimaDaten f(nullptr, lists);
        f.ShowRecord(SampleRecord());
        const ClimateSheetData data = f.SheetData();
        QCOMPARE(data.description + "|" + data.headings[2] + "|" + data.cells[2][0] + "|" + data.cells[1][2] + "|" +
                     data.cells[MarchRow][3],
                 std::string("Sample site|Average daily minimum|January|[°C]|04:30"));
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
