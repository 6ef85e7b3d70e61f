// The numeric edits TNumEdit and TIntEdit.

#include "gui/controls/NumericEdit.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include <array>
#include <string>
#include <utility>

#include "core/text/Catalogue.h"
#include "gui/controls/MessageBox.h"

namespace {

// Set while an edit shows its range message and takes the focus back. The
// modal message box and the focus moves around it make the edits lose and
// gain the focus; none of that may start a second check.
bool rangeMessageActive = false;

// Focus changes that do not leave or enter the field as the user sees it:
// another window became active, a popup (the context menu) or the menu bar
// took the keyboard for a moment.
bool IsTransientFocusChange(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
}

}  // namespace

Qt::Alignment ToQtAlignment(TAlignment alignment)
{
    switch (alignment) {
    case TAlignment::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case TAlignment::Centre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case TAlignment::Right:
        break;
    }
    return Qt::AlignRight | Qt::AlignVCenter;
}

// ---------------------------------------------------------------------------
// TCustomNumEdit

TCustomNumEdit::TCustomNumEdit(QWidget* parent)
    : QLineEdit(parent), formattedSeparators_(ProgramSeparators()), formattedCurrency_(ProgramCurrency())
{
    QLineEdit::setAlignment(ToQtAlignment(alignment_));
}

void TCustomNumEdit::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    QLineEdit::setAlignment(ToQtAlignment(alignment));
}

bool TCustomNumEdit::Validate()
{
    if (!validation_)
        return true;
    const std::optional<double> number = TextNumber();
    if (number && minValue_ <= *number && *number <= maxValue_)
        return true;
    if (!number) {
        const bool whole = qobject_cast<const TIntEdit*>(this) != nullptr;
        ShowRejection(
            QString::fromStdString(ShownText(NotANumberMessage(text().toStdString(), whole, TextSeparators()))));
    } else {
        const std::array<double, 2> limits{minValue_, maxValue_};
        ShowRejection(QString::fromStdString(FormatWithG(errorMessage_.toStdString(), limits, ProgramSeparators())));
    }
    return false;
}

void TCustomNumEdit::ShowRejection(const QString& message)
{
    if (rangeMessageActive)
        return;
    struct Guard {
        Guard() { rangeMessageActive = true; }
        ~Guard() { rangeMessageActive = false; }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;
    } guard;

    QPointer<TCustomNumEdit> self(this);
    ShowMessageBox(message, TMessageType::Warning, content_);
    if (self) {
        setFocus(Qt::OtherFocusReason);
        // Selected, so that the correction replaces the rejected text.
        selectAll();
    }
}

void TCustomNumEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!IsTransientFocusChange(event->reason()))
        selectAll();
    // The press of the click that entered the field puts the cursor at the
    // click; the release selects the whole text again.
    selectOnRelease_ = event->reason() == Qt::MouseFocusReason;
}

void TCustomNumEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (selectOnRelease_ && event->button() == Qt::LeftButton && !hasSelectedText())
        selectAll();
    selectOnRelease_ = false;
}

void TCustomNumEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    selectOnRelease_ = false;
    if (rangeMessageActive || IsTransientFocusChange(event->reason()))
        return;
    QPointer<TCustomNumEdit> self(this);
    LeaveField();
    if (self)
        emit OnExit();
}

void TCustomNumEdit::LeaveField()
{
    if (!isModified() || !Validate() || !Reformat())
        return;
    setModified(false);
    emit OnCalculate();
}

void TCustomNumEdit::keyPressEvent(QKeyEvent* event)
{
    // Alt with a key is the key of a menu or a button: one that no control
    // owns types nothing either (Ctrl+Alt stays AltGr's typing).
    const Qt::KeyboardModifiers commandKeys = event->modifiers() & (Qt::AltModifier | Qt::ControlModifier);
    if (commandKeys == Qt::AltModifier && !event->text().isEmpty() && event->text().front().isPrint()) {
        event->ignore();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QPointer<TCustomNumEdit> self(this);
    ReturnPressed();
    if (!self)
        return;
    QLineEdit::keyPressEvent(event);
    // Enter completes the number here; it does not also press a dialog's
    // default button.
    event->accept();
}

void TCustomNumEdit::ReturnPressed()
{
    if (rangeMessageActive)
        return;
    // Setting the text clears the line edit's modified state; the change the
    // user made still counts after re-formatting, so a changed entry fires
    // OnCalculate once, here, and leaving the field afterwards fires nothing
    // more. A text that is no number (Validation off) is left as typed and
    // fires nothing.
    const bool changed = isModified();
    QPointer<TCustomNumEdit> self(this);
    if (Validate() && self && Reformat()) {
        setModified(false);
        if (changed) {
            emit OnCalculate();
            if (!self)
                return;
        }
        emit OnReturn();
        if (!self)
            return;
    }
    if (self)
        selectAll();
}

NumberSeparators TCustomNumEdit::TextSeparators() const
{
    return isModified() ? ProgramSeparators() : formattedSeparators_;
}

std::string TCustomNumEdit::TextCurrency() const
{
    return isModified() ? ProgramCurrency() : formattedCurrency_;
}

void TCustomNumEdit::RememberFormatting(std::string currency)
{
    formattedSeparators_ = ProgramSeparators();
    formattedCurrency_ = std::move(currency);
}

// ---------------------------------------------------------------------------
// TNumEdit

TNumEdit::TNumEdit(QWidget* parent) : TCustomNumEdit(parent)
{
    ShowValue();
}

std::optional<double> TNumEdit::TryValue()
{
    if (isModified()) {
        const std::optional<double> number = ParseNumber(text().toStdString(), ProgramSeparators(), ProgramCurrency());
        if (!number)
            return std::nullopt;
        value_ = *number;
    }
    return value_;
}

double TNumEdit::Value()
{
    if (const std::optional<double> value = TryValue())
        return *value;
    throw EConvertError("\"" + text().toStdString() + "\" is not a number");
}

void TNumEdit::SetValue(double value)
{
    value_ = value;
    ShowValue();
}

void TNumEdit::SetFormat(FloatFormat format)
{
    format_ = format;
    ShowValue();
}

void TNumEdit::SetDigits(int digits)
{
    digits_ = digits;
    ShowValue();
}

void TNumEdit::SetPrecision(int precision)
{
    precision_ = precision;
    ShowValue();
}

void TNumEdit::ShowValue()
{
    const std::string& currency = ProgramCurrency();
    const bool fixedPoint = format_ == FloatFormat::Fixed || format_ == FloatFormat::Number ||
                            format_ == FloatFormat::Currency;
    const int digits = fixedPoint ? ShownDecimals(value_, precision_, digits_) : digits_;
    setText(QString::fromStdString(FormatFloat(value_, format_, precision_, digits, ProgramSeparators(), currency)));
    RememberFormatting(currency);
}

std::optional<double> TNumEdit::TextNumber() const
{
    return ParseNumber(text().toStdString(), TextSeparators(), TextCurrency());
}

bool TNumEdit::Reformat()
{
    if (!TryValue())
        return false;
    ShowValue();
    return true;
}

// ---------------------------------------------------------------------------
// TIntEdit

TIntEdit::TIntEdit(QWidget* parent) : TCustomNumEdit(parent)
{
    SetValue(0);
}

std::optional<std::int32_t> TIntEdit::TryValue()
{
    if (isModified()) {
        const std::optional<std::int32_t> number = ParseInteger(text().toStdString(), ProgramSeparators());
        if (!number)
            return std::nullopt;
        value_ = *number;
    }
    return value_;
}

std::int32_t TIntEdit::Value()
{
    if (const std::optional<std::int32_t> value = TryValue())
        return *value;
    throw EConvertError("\"" + text().toStdString() + "\" is not a whole number between -2147483648 and 2147483647");
}

void TIntEdit::SetValue(std::int32_t value)
{
    value_ = value;
    setText(QString::number(value));
    RememberFormatting({});
}

std::optional<double> TIntEdit::TextNumber() const
{
    const std::optional<std::int32_t> number = ParseInteger(text().toStdString(), TextSeparators());
    if (!number)
        return std::nullopt;
    return static_cast<double>(*number);
}

bool TIntEdit::Reformat()
{
    const std::optional<std::int32_t> value = TryValue();
    if (!value)
        return false;
    SetValue(*value);
    return true;
}

// ---------------------------------------------------------------------------
// TAlignComboBox

TAlignItemDelegate::TAlignItemDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void TAlignItemDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->displayAlignment = ToQtAlignment(alignment_);
    // One line, as in the box itself.
    option->features &= ~QStyleOptionViewItem::WrapText;
}

TAlignComboBox::TAlignComboBox(QWidget* parent) : QComboBox(parent), delegate_(new TAlignItemDelegate(this))
{
    setItemDelegate(delegate_);
}

void TAlignComboBox::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    if (delegate_)
        delegate_->SetAlignment(alignment);
    update();
    if (view() != nullptr)
        view()->viewport()->update();
}

void TAlignComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0 && !placeholderText().isEmpty()) {
        option.palette.setBrush(QPalette::ButtonText, option.palette.placeholderText());
        option.currentText = placeholderText();
    }
    option.textAlignment = ToQtAlignment(alignment_);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
