// The climate data window (TFormKlimaDaten).

#include "gui/climateeditor/ClimateEditorWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include "core/climate/WeatherFile.h"
#include "core/forms/ClimateEditorCells.h"
#include "core/settings/DisplayUnits.h"
#include "core/text/Catalogue.h"
#include "core/text/CoreMessage.h"
#include "gui/climateeditor/ClimatePreview.h"
#include "gui/controls/FileNames.h"
#include "gui/controls/MessageBox.h"
#include "gui/controls/WindowText.h"
#include "gui/help/HelpViewer.h"

using ui::FileName;
using ui::Named;
using ui::PathOf;
using ui::Text;

namespace {

constexpr int FixedRows = 2;                                  // quantity and unit
constexpr int GridRows = FixedRows + int(ClimateMonthCount);  // then January … December
constexpr int GridColumns = 1 + int(ClimateValueColumnCount);
constexpr int SpanWidth = 207;                   // a heading over a temperature and its time
constexpr int ValueColumnWidths[] = {104, 103};  // together the span
constexpr int MinimumFirstWidth = 90;            // month names and the humidity column
constexpr int CellPadding = 4;                   // from the edge the text is aligned to
// Row 0 of the value columns: absolute humidity, temperature, time of day.
constexpr TextId QuantityTexts[ClimateValueColumnCount] = {TextId::AbsoluteHumidity, TextId::Temperature,
                                                           TextId::TimeOfDay, TextId::Temperature, TextId::TimeOfDay};

TFormKlimaDaten::TFileDialogHook& FileDialogHook()
{
    static TFormKlimaDaten::TFileDialogHook hook;
    return hook;
}

// The month grid. Tab and Backtab move through the value cells only, row by
// row, so the value typed after the last one of a row lands in the first of
// the next. A typed character always goes into the current cell: there is
// no keyboard search for a row whose text starts with it. A paste puts a
// block of cells (as a spreadsheet copies it) into the grid from the current
// cell on.
class TClimateGrid : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

    void keyboardSearch(const QString&) override {}

    // The cells of `text` (SplitPastedCells) from the current value cell on;
    // what lies beyond the last row or column is left out.
    void PasteCells(const QString& text)
    {
        int top = currentRow();
        int left = currentColumn();
        if (top < FixedRows || left < 0)
            return;
        left = std::max(left, 1);
        const auto rows = SplitPastedCells(text.toStdString());
        for (std::size_t i = 0; i < rows.size() && top + int(i) < rowCount(); ++i) {
            for (std::size_t j = 0; j < rows[i].size() && left + int(j) < columnCount(); ++j)
                item(top + int(i), left + int(j))->setText(QString::fromStdString(rows[i][j]));
        }
    }

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override
    {
        if (action != MoveNext && action != MovePrevious)
            return QTableWidget::moveCursor(action, modifiers);
        constexpr int valueColumns = int(ClimateValueColumnCount);
        constexpr int cells = int(ClimateMonthCount) * valueColumns;
        const int row = currentRow();
        const int column = currentColumn();
        int next;
        if (row < FixedRows || column < 1)
            next = action == MoveNext ? 0 : cells - 1;
        else
            next = ((row - FixedRows) * valueColumns + column - 1 + (action == MoveNext ? 1 : cells - 1)) % cells;
        return model()->index(FixedRows + next / valueColumns, 1 + next % valueColumns);
    }

    // A click on the cell that is already the selected one edits it at once,
    // with its text selected: what is typed next replaces the value. (With a
    // delay before the edit, keys typed within it would be lost.)
    void mousePressEvent(QMouseEvent* event) override
    {
        const QModelIndex index = indexAt(event->position().toPoint());
        clickedSelected_ = event->button() == Qt::LeftButton && index.isValid() && index == currentIndex() &&
                           selectionModel()->isSelected(index);
        QTableWidget::mousePressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QTableWidget::mouseReleaseEvent(event);
        const QModelIndex index = indexAt(event->position().toPoint());
        if (std::exchange(clickedSelected_, false) && index == currentIndex() && state() != EditingState &&
            index.flags().testFlag(Qt::ItemIsEditable))
            edit(index);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Paste)) {
            PasteCells(QGuiApplication::clipboard()->text());
            event->accept();
            return;
        }
        QTableWidget::keyPressEvent(event);
    }

private:
    bool clickedSelected_ = false;
};

// Whether a pasted text is more than one cell.
bool IsBlockOfCells(const QString& text)
{
    const auto rows = SplitPastedCells(text.toStdString());
    return rows.size() > 1 || (rows.size() == 1 && rows.front().size() > 1);
}

// Column 0 left-aligned, every other column right-aligned, 4 pixels from the
// edge, vertically centred; background and selection as the style draws them.
class TClimateCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem cell(option);
        initStyleOption(&cell, index);
        const QString text = std::exchange(cell.text, QString());
        const QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
        const bool selected = cell.state.testFlag(QStyle::State_Selected);
        painter->save();
        painter->setPen(cell.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const Qt::Alignment horizontal = index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight;
        painter->drawText(cell.rect.adjusted(CellPadding, 0, -CellPadding, 0), horizontal | Qt::AlignVCenter, text);
        painter->restore();
    }

    // A value goes into the grid without the white space around it.
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        if (auto* edit = qobject_cast<QLineEdit*>(editor))
            model->setData(index, edit->text().trimmed(), Qt::EditRole);
        else
            QStyledItemDelegate::setModelData(editor, model, index);
    }

protected:
    // A paste into the cell being edited: one value without the white space
    // around it (a spreadsheet cell is copied with a line break), a block of
    // cells into the grid from this cell on.
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* edit = qobject_cast<QLineEdit*>(object);
        if (edit && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
            const QString text = QGuiApplication::clipboard()->text();
            auto* grid = dynamic_cast<TClimateGrid*>(parent());
            if (grid && IsBlockOfCells(text)) {
                emit closeEditor(edit, QAbstractItemDelegate::RevertModelCache);
                grid->PasteCells(text);
            } else {
                edit->insert(text.trimmed());
            }
            return true;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }
};

void SetupGrid(QTableWidget* grid, int rows, int columns)
{
    grid->setRowCount(rows);
    grid->setColumnCount(columns);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(0);
    grid->verticalHeader()->setMinimumSectionSize(0);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setItemDelegate(new TClimateCellDelegate(grid));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            grid->setItem(r, c, new QTableWidgetItem);
}

// A cell the user cannot change, drawn like a heading.
void MakeFixed(QTableWidgetItem* item, const QPalette& palette)
{
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(palette.button());
}

// The grid's size follows its columns and rows, so nothing needs scrolling.
void FitGrid(QTableWidget* grid)
{
    int width = 2 * grid->frameWidth();
    for (int c = 0; c < grid->columnCount(); ++c)
        width += grid->columnWidth(c);
    int height = 2 * grid->frameWidth();
    for (int r = 0; r < grid->rowCount(); ++r)
        height += grid->rowHeight(r);
    grid->setFixedSize(width, height);
}

// A message of reading or writing a climate file in the user's language.
QString FileMessage(const CoreMessage& message)
{
    return QString::fromStdString(ShownText(message));
}

// The wait cursor for as long as the window is busy.
class TWaitCursor {
public:
    TWaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

// The climate data set of the typical days of the weather file at `path`,
// or why there is none. A refusal of the reader names the file and the line
// already; one of the typical days names a month, so the file is put before it.
Outcome<ClimateRecord> ImportedRecord(const std::string& path)
{
    const TWaitCursor busy;  // a year of hours takes a moment to read
    const Outcome<WeatherData> weather = ReadWeatherFile(path);
    if (!weather.ok())
        return weather.message();
    Outcome<ClimateRecord> record = TypicalDaysOf(weather.value());
    if (!record.ok())
        return CoreMessage{TextId::WeatherFileNotImported,
                           "No climate data can be derived from %s. %s",
                           {path, ShownText(record.message())}};
    return record;
}

QStringList WeatherFileFilters()
{
    const auto filter = [](TextId name, const char* pattern) {
        return QStringLiteral("%1 (%2)").arg(Text(name), QLatin1String(pattern));
    };
    return {filter(TextId::EpwWeatherFiles, "*.epw"), filter(TextId::TestReferenceYears, "*.dat"),
            filter(TextId::AllFiles, "*")};
}

}  // namespace

TFormKlimaDaten::TFormKlimaDaten(QWidget* owner, ClimateFileLists& lists) : TVxForm(owner), lists_(lists)
{
    setObjectName(QStringLiteral("FormKlimaDaten"));
    setModal(true);
    Label1 = Named(new QLabel(this), "Label1");
    Edit1 = Named(new QLineEdit(this), "Edit1");
    Edit1->setMaxLength(int(ClimateNameMaxLength));
    Label1->setBuddy(Edit1);
    Label2 = Named(new QLabel(this), "Label2");
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    BuildGrids();

    auto* buttons = new QVBoxLayout;
    const std::pair<QPushButton**, const char*> named[] = {
        {&Button1, "Button1"}, {&Button2, "Button2"}, {&Button8, "Button8"}, {&Button3, "Button3"},
        {&Button4, "Button4"}, {&Button7, "Button7"}, {&Button5, "Button5"}, {&Button6, "Button6"},
    };
    for (const auto& [button, name] : named) {
        *button = Named(new QPushButton(this), name);
        (*button)->setAutoDefault(false);
        buttons->addWidget(*button);
    }
    buttons->insertSpacing(6, 12);  // Help and Close apart from the commands on data
    buttons->addStretch(1);
    connect(Button1, &QPushButton::clicked, this, &TFormKlimaDaten::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFormKlimaDaten::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TFormKlimaDaten::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TFormKlimaDaten::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TFormKlimaDaten::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TFormKlimaDaten::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TFormKlimaDaten::Button7Click);
    connect(Button8, &QPushButton::clicked, this, &TFormKlimaDaten::Button8Click);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(Edit1, 1, 0);
    layout->addWidget(Label2, 2, 0);
    auto* grids = new QVBoxLayout;
    grids->setSpacing(0);
    grids->addWidget(StringGrid2);
    grids->addWidget(StringGrid1);
    layout->addLayout(grids, 3, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addLayout(buttons, 0, 1, 4, 1);
    layout->setRowStretch(3, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ApplyTexts();
    ClearDataSet();
}

void TFormKlimaDaten::BuildGrids()
{
    StringGrid2 = Named(new QTableWidget(this), "StringGrid2");
    StringGrid1 = Named(new TClimateGrid(this), "StringGrid1");
    SetupGrid(StringGrid2, 1, 4);
    SetupGrid(StringGrid1, GridRows, GridColumns);
    StringGrid2->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid2->setFocusPolicy(Qt::NoFocus);
    for (int c = 0; c < StringGrid2->columnCount(); ++c)
        MakeFixed(StringGrid2->item(0, c), palette());
    for (int c = 0; c < GridColumns; ++c) {
        for (int r = 0; r < FixedRows; ++r)
            MakeFixed(StringGrid1->item(r, c), palette());
    }
    // The month names are captions, not data.
    for (int r = FixedRows; r < GridRows; ++r)
        MakeFixed(StringGrid1->item(r, 0), palette());
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    // A click on the selected cell edits it as well (TClimateGrid).
    StringGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed);
    StringGrid1->setCurrentCell(FixedRows, ClimateColumn::HumRatio);
    for (int c = 1; c < GridColumns; ++c)
        StringGrid1->setColumnWidth(c, ValueColumnWidths[(c - 1) % 2]);
    StringGrid2->setColumnWidth(2, SpanWidth);
    StringGrid2->setColumnWidth(3, SpanWidth);
}

void TFormKlimaDaten::ApplyTexts()
{
    setFont(DialogFont());
    setWindowTitle(Text(TextId::ClimateData));
    Label1->setText(Text(TextId::Description));
    const std::pair<QPushButton*, TextId> captions[] = {
        {Button1, TextId::New},      {Button2, TextId::Load},   {Button8, TextId::ImportWeather},
        {Button3, TextId::Save},     {Button4, TextId::SaveAs}, {Button7, TextId::Datasheet},
        {Button5, TextId::HelpMenu}, {Button6, TextId::Close},
    };
    for (const auto& [button, index] : captions)
        button->setText(Text(index));
    StringGrid2->item(0, 2)->setText(Text(TextId::DailyMinimum));
    StringGrid2->item(0, 3)->setText(Text(TextId::DailyMaximum));
    for (int c = 1; c < GridColumns; ++c)
        StringGrid1->item(0, c)->setText(Text(QuantityTexts[c - 1]));
    for (int m = 0; m < int(ClimateMonthCount); ++m)
        StringGrid1->item(FixedRows + m, 0)->setText(Text(MonthName(m + 1)));
    SetUnitHeadings();
    FitFirstColumns();
}

// Columns 0 and 1 are as wide as their longest caption, in both grids.
void TFormKlimaDaten::FitFirstColumns()
{
    const QFontMetrics metrics(font());
    const int rowHeight = metrics.height() + 6;
    for (QTableWidget* grid : {StringGrid1, StringGrid2}) {
        grid->setFont(font());
        for (int r = 0; r < grid->rowCount(); ++r)
            grid->setRowHeight(r, rowHeight);
    }
    for (int c = 0; c < 2; ++c) {
        int width = MinimumFirstWidth;
        for (int r = 0; r < GridRows; ++r)
            width = std::max(width, metrics.horizontalAdvance(StringGrid1->item(r, c)->text()) + 3 * CellPadding);
        StringGrid1->setColumnWidth(c, width);
        StringGrid2->setColumnWidth(c, width);
    }
    FitGrid(StringGrid1);
    FitGrid(StringGrid2);
}

void TFormKlimaDaten::SetUnitHeadings()
{
    const auto unit = [this](DisplayQuantity quantity) {
        return QStringLiteral("[%1]").arg(QString::fromStdString(UnitLabel(quantity, siUnits_)));
    };
    const QString humidity = unit(DisplayQuantity::HumidityRatio);
    const QString temperature = unit(DisplayQuantity::Temperature);
    const QString hours = QStringLiteral("[h]");
    const QString headings[ClimateValueColumnCount] = {humidity, temperature, hours, temperature, hours};
    for (int c = 1; c < GridColumns; ++c)
        StringGrid1->item(1, c)->setText(headings[c - 1]);
}

void TFormKlimaDaten::SetUnitSystem(bool siUnits)
{
    const auto converted = [&](const QString& text, int column) {
        return QString::fromStdString(
            ConvertClimateText(text.toStdString(), column, siUnits_, siUnits, ProgramSeparators()));
    };
    for (int r = FixedRows; r < GridRows; ++r) {
        for (int c = 1; c < GridColumns; ++c) {
            QTableWidgetItem* item = StringGrid1->item(r, c);
            item->setText(converted(item->text(), c));
            // The saved state in the new units as well: a switch of units
            // is no edit.
            QString& saved = savedTexts_[TextPosition(r, c)];
            saved = converted(saved, c);
        }
    }
    siUnits_ = siUnits;
    SetUnitHeadings();
}

int TFormKlimaDaten::TextPosition(int row, int column)
{
    return 1 + (row - FixedRows) * int(ClimateValueColumnCount) + column - 1;
}

QStringList TFormKlimaDaten::DataSetTexts() const
{
    QStringList texts{Edit1->text()};
    for (int r = FixedRows; r < GridRows; ++r)
        for (int c = 1; c < GridColumns; ++c)
            texts << StringGrid1->item(r, c)->text();
    return texts;
}

bool TFormKlimaDaten::HasUnsavedEdits() const
{
    return DataSetTexts() != savedTexts_;
}

void TFormKlimaDaten::MarkSaved()
{
    savedTexts_ = DataSetTexts();
}

bool TFormKlimaDaten::MayReplaceDataSet()
{
    return MayReplaceChanges(HasUnsavedEdits(), Text(TextId::SaveClimateChanges), Text(TextId::ClimateData),
                             [this] { return SaveDataSet(); });
}

void TFormKlimaDaten::Open(bool siUnits)
{
    SetUnitSystem(siUnits);
    exec();
}

void TFormKlimaDaten::ShowRecord(const ClimateRecord& record)
{
    Edit1->setText(QString::fromStdString(record.Name));
    const ClimateMonthTexts texts = ClimateTextsOfRecord(record, siUnits_, ProgramSeparators());
    for (int m = 0; m < int(ClimateMonthCount); ++m) {
        for (int c = 1; c < GridColumns; ++c)
            StringGrid1->item(FixedRows + m, c)->setText(QString::fromStdString(texts[m][c - 1]));
    }
}

std::optional<ClimateRecord> TFormKlimaDaten::GridRecord() const
{
    return CheckGrid().record;
}

bool TFormKlimaDaten::ValidateClimateGrid() const
{
    return GridRecord().has_value();
}

ClimateTextCheck TFormKlimaDaten::CheckGrid() const
{
    ClimateMonthTexts texts;
    for (int m = 0; m < int(ClimateMonthCount); ++m) {
        for (int c = 1; c < GridColumns; ++c)
            texts[m][c - 1] = StringGrid1->item(FixedRows + m, c)->text().toStdString();
    }
    return CheckClimateTexts(Edit1->text().toStdString(), texts, siUnits_, ProgramSeparators());
}

// The record of the grid, or nothing after telling the user what cannot be
// saved; the focus is then on the description or the cell at fault.
std::optional<ClimateRecord> TFormKlimaDaten::CheckedGridRecord()
{
    const ClimateTextCheck check = CheckGrid();
    if (check.record)
        return check.record;
    const CoreMessage fault = ClimateTextCheckMessage(check).value_or(
        CoreMessage{TextId::InvalidData, "Invalid data", {}});
    const QString message = QString::fromStdString(ShownText(fault));
    ShowMessageBox(message, TMessageType::Error, Text(TextId::Error));
    if (check.fault == ClimateTextFault::EmptyDescription) {
        Edit1->setFocus();
    } else if (check.column > 0) {
        StringGrid1->setCurrentCell(FixedRows + int(check.month), check.column);
        StringGrid1->setFocus();
    }
    return std::nullopt;
}

void TFormKlimaDaten::ClearCells()
{
    for (int r = FixedRows; r < GridRows; ++r)
        for (int c = 1; c < GridColumns; ++c)
            StringGrid1->item(r, c)->setText(QString());
}

void TFormKlimaDaten::ClearDataSet()
{
    Label2->clear();
    currentPath_.clear();
    Edit1->clear();
    ClearCells();
    MarkSaved();
}

// The file whose data are to replace the window's, once unsaved edits are
// dealt with; empty when the user cancels either the question or the dialog.
QString TFormKlimaDaten::AskFileReplacingDataSet(TFileChoice choice)
{
    return MayReplaceDataSet() ? AskFile(choice) : QString();
}

void TFormKlimaDaten::Button1Click()
{
    if (MayReplaceDataSet())
        ClearDataSet();
}

void TFormKlimaDaten::Button2Click()
{
    const QString path = AskFileReplacingDataSet(TFileChoice::LoadClimate);
    if (!path.isEmpty())
        LoadFile(path);
}

bool TFormKlimaDaten::LoadFile(const QString& path)
{
    Outcome<ClimateRecord> read = ReadClimateFile(FileName(path));
    if (!read.ok()) {
        ShowError(Text(TextId::Error), FileMessage(read.message()));
        return false;  // the window keeps the data set and the file it had
    }
    record_ = std::move(read).value();
    currentPath_ = path;
    Label2->setText(path);
    ShowRecord(record_);
    MarkSaved();
    Remember(path, record_);
    return true;
}

void TFormKlimaDaten::Button8Click()
{
    const QString path = AskFileReplacingDataSet(TFileChoice::ImportWeather);
    if (path.isEmpty())
        return;
    lists_.WeatherFolder = FileName(QFileInfo(path).absolutePath());
    const Outcome<ClimateRecord> imported = ImportedRecord(FileName(path));
    if (!imported.ok()) {
        ShowError(Text(TextId::Error), FileMessage(imported.message()));
        return;  // the window keeps the data set and the file it had
    }
    // A new data set: Save asks for a file rather than overwrite the one
    // loaded before, and until then the data count as not saved.
    ClearDataSet();
    ShowRecord(imported.value());
}

void TFormKlimaDaten::Button3Click()
{
    SaveDataSet();
}

void TFormKlimaDaten::Button4Click()
{
    SaveDataSetAs();
}

bool TFormKlimaDaten::SaveDataSet()
{
    if (currentPath_.isEmpty())
        return SaveDataSetAs();
    const std::optional<ClimateRecord> record = CheckedGridRecord();
    return record && WriteRecord(currentPath_, *record);
}

bool TFormKlimaDaten::SaveDataSetAs()
{
    const std::optional<ClimateRecord> record = CheckedGridRecord();
    if (!record)
        return false;
    const QString path = AskFile(TFileChoice::SaveClimate);
    if (path.isEmpty() || !WriteRecord(path, *record))
        return false;
    currentPath_ = path;
    Label2->setText(path);
    return true;
}

void TFormKlimaDaten::Button5Click()
{
    ShowHelp(QString::fromLatin1(HelpClimateDataTopic), this);
}

void TFormKlimaDaten::Button6Click()
{
    if (!MayReplaceDataSet())
        return;
    ClearDataSet();
    emit ClimateDataChanged();
    accept();
}

void TFormKlimaDaten::reject()
{
    Button6Click();
}

void TFormKlimaDaten::Button7Click()
{
    ShowClimatePreview(this, SheetData());
}

// Writes the file; on success the record is the window's record, shown as
// the file holds it, and the file is remembered. On failure the message.
bool TFormKlimaDaten::WriteRecord(const QString& path, const ClimateRecord& record)
{
    if (const std::optional<CoreMessage> failure = WriteClimateFile(FileName(path), record)) {
        ShowError(Text(TextId::Error), FileMessage(*failure));
        return false;
    }
    record_ = record;
    ShowRecord(record_);
    MarkSaved();
    Remember(path, record_);
    return true;
}

void TFormKlimaDaten::Remember(const QString& path, const ClimateRecord& record)
{
    RememberClimateFile(lists_, FileName(path), record.Name);
    emit ClimateDataChanged();
}

ClimateSheetData TFormKlimaDaten::SheetData() const
{
    ClimateSheetData data;
    data.description = Edit1->text().toStdString();
    for (int c = 0; c < StringGrid2->columnCount(); ++c)
        data.headings[c] = StringGrid2->item(0, c)->text().toStdString();
    for (int r = 0; r < GridRows; ++r)
        for (int c = 0; c < GridColumns; ++c)
            data.cells[r][c] = StringGrid1->item(r, c)->text().toStdString();
    data.language = CurrentLanguage();
    return data;
}

void TFormKlimaDaten::SetFileDialogHook(TFileDialogHook hook)
{
    FileDialogHook() = std::move(hook);
}

QString TFormKlimaDaten::DialogStartFolder(bool saving)
{
    const QString program = QCoreApplication::applicationDirPath();
    if (saving && !QFileInfo(program).isWritable())
        return QDir::homePath();
    return program;
}

QString TFormKlimaDaten::ImportStartFolder() const
{
    const QString last = PathOf(lists_.WeatherFolder);
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : QDir::homePath();
}

QString TFormKlimaDaten::AskFile(TFileChoice choice)
{
    const bool importing = choice == TFileChoice::ImportWeather;
    const bool saving = choice == TFileChoice::SaveClimate;
    const QString folder = importing ? ImportStartFolder() : DialogStartFolder(saving);
    if (FileDialogHook())
        return FileDialogHook()(choice, folder);
    const TextId title = importing ? TextId::ImportWeatherTitle : saving ? TextId::SaveAs : TextId::LoadClimateData;
    QFileDialog dialog(this, Text(title), folder);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (importing) {
        dialog.setNameFilters(WeatherFileFilters());
    } else {
        dialog.setDefaultSuffix(QStringLiteral("cli"));
        dialog.setNameFilters({QStringLiteral("(*.cli)"), QStringLiteral("(*.*)")});
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}
