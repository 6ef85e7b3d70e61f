#pragma once
// The numeric edits of the program: TNumEdit for floating-point values and
// TIntEdit for whole numbers. Each keeps a typed value behind its text,
// formats it with the program's separators, can check a finished entry
// against a range, and reports a finished entry (Enter or leaving the field)
// through OnCalculate and OnReturn. TAlignComboBox draws its items left,
// right or centre aligned.

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QStyledItemDelegate>

#include <cstdint>
#include <optional>
#include <string>

#include "core/text/NumberFormat.h"

namespace VxAlign {
Q_NAMESPACE
// The horizontal alignment of a control's text.
enum class TAlignment { Left, Right, Centre };
Q_ENUM_NS(TAlignment)
}  // namespace VxAlign
using VxAlign::TAlignment;

// The Qt alignment of `alignment`, vertically centred.
Qt::Alignment ToQtAlignment(TAlignment alignment);

// What TNumEdit and TIntEdit share: range check, focus handling, Enter and
// the two events.
class TCustomNumEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(VxAlign::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(double MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(double MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(QString Content READ Content WRITE SetContent)
    Q_PROPERTY(QString ErrorMessage READ ErrorMessage WRITE SetErrorMessage)
    Q_PROPERTY(bool Validation READ Validation WRITE SetValidation)

public:
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    double MinValue() const { return minValue_; }
    void SetMinValue(double value) { minValue_ = value; }
    double MaxValue() const { return maxValue_; }
    void SetMaxValue(double value) { maxValue_ = value; }
    // The caption of the range message.
    QString Content() const { return content_; }
    void SetContent(const QString& content) { content_ = content; }
    // The range message, with "%g" for MinValue and then MaxValue.
    QString ErrorMessage() const { return errorMessage_; }
    void SetErrorMessage(const QString& message) { errorMessage_ = message; }
    bool Validation() const { return validation_; }
    void SetValidation(bool on) { validation_ = on; }

    // The range check of a finished entry. Accepted when Validation is off,
    // or when the text is a number within MinValue … MaxValue. Otherwise a
    // message is shown in the program's message box as a warning with
    // Content as its caption (the range message, or for a text that is no
    // number one that says so and names the expected decimal separator), the
    // focus is put back into the edit, and false is returned.
    bool Validate();
    // Whether the text is a number of this edit's kind (any range).
    bool HoldsNumber() const { return TextNumber().has_value(); }

signals:
    // A changed entry was completed and accepted.
    void OnCalculate();
    // Enter completed an accepted entry.
    void OnReturn();
    // The field was left: the focus moved on within the window. Sent on every
    // leave, also when the text did not change since the last one, after the
    // range check and OnCalculate; not when only another window, a popup or
    // the menu bar took the keyboard for a while.
    void OnExit();

protected:
    explicit TCustomNumEdit(QWidget* parent);

    // The number of the text for the range check; nothing when the text is no
    // number of this edit's kind.
    virtual std::optional<double> TextNumber() const = 0;
    // Sets the text from the value (reading a modified text first). Returns
    // false, leaving the text as it is, when the text is no number.
    virtual bool Reformat() = 0;

    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    // The separators and currency to read the text with: the program's for a
    // text the user changed, those of its formatting for an unchanged text,
    // which so stays readable after the options changed the separators.
    NumberSeparators TextSeparators() const;
    std::string TextCurrency() const;
    void RememberFormatting(std::string currency);

private:
    void LeaveField();
    void ReturnPressed();
    void ShowRejection(const QString& message);

    TAlignment alignment_ = TAlignment::Right;
    double minValue_ = 0.0;
    double maxValue_ = 0.0;
    QString content_;
    QString errorMessage_;
    bool validation_ = false;
    // Entered by a mouse click: the release selects the whole text, as
    // entering by keyboard does, unless the click dragged a selection.
    bool selectOnRelease_ = false;
    NumberSeparators formattedSeparators_;
    std::string formattedCurrency_;
};

// The edit of a floating-point value.
class TNumEdit : public TCustomNumEdit {
    Q_OBJECT
    Q_PROPERTY(double Value READ Value WRITE SetValue)
    Q_PROPERTY(FloatFormat Format READ Format WRITE SetFormat)
    Q_PROPERTY(int Digits READ Digits WRITE SetDigits)
    Q_PROPERTY(int Precision READ Precision WRITE SetPrecision)

public:
    // Right aligned, fixed format with 2 digits and precision 10, showing 0.
    explicit TNumEdit(QWidget* parent = nullptr);

    // The value; a text the user modified since it was last formatted is read
    // first. Nothing when that text is no number: the value stays as it was.
    std::optional<double> TryValue();
    // The value of a text known to be a number (the "Value" property, or an
    // edit whose entry was checked). A text that is none is a fault of the
    // caller: EConvertError.
    double Value();
    // Stores the value and shows it in Format with Precision and Digits. The
    // fixed-point formats (Fixed, Number, Currency) show Digits decimals, or
    // more when the value has more within Precision significant digits, so
    // that the text never shows a rounded value: 45.5 with Digits 0 shows
    // "45.5".
    void SetValue(double value);
    FloatFormat Format() const { return format_; }
    void SetFormat(FloatFormat format);
    int Digits() const { return digits_; }
    void SetDigits(int digits);
    int Precision() const { return precision_; }
    void SetPrecision(int precision);

protected:
    std::optional<double> TextNumber() const override;
    bool Reformat() override;

private:
    void ShowValue();

    double value_ = 0.0;
    FloatFormat format_ = FloatFormat::Fixed;
    int digits_ = 2;
    int precision_ = 10;
};

// The edit of a whole number of 32 bits, shown as a plain decimal integer.
class TIntEdit : public TCustomNumEdit {
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE SetValue)

public:
    // Right aligned, showing 0.
    explicit TIntEdit(QWidget* parent = nullptr);

    // The value; a text the user modified since it was last shown is read
    // first. Nothing when that text is no whole number of 32 bits.
    std::optional<std::int32_t> TryValue();
    // The value of a text known to be a whole number; EConvertError for a
    // text that is none, as TNumEdit::Value.
    std::int32_t Value();
    void SetValue(std::int32_t value);

protected:
    std::optional<double> TextNumber() const override;
    bool Reformat() override;

private:
    std::int32_t value_ = 0;
};

// Draws the items of a list with a given horizontal alignment.
class TAlignItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TAlignItemDelegate(QObject* parent = nullptr);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment) { alignment_ = alignment; }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    TAlignment alignment_ = TAlignment::Right;
};

// A combo box whose items, in the list and in the box, are drawn left, right
// or centre aligned. Another item delegate set on it replaces the drawing.
class TAlignComboBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(VxAlign::TAlignment Alignment READ Alignment WRITE SetAlignment)

public:
    explicit TAlignComboBox(QWidget* parent = nullptr);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TAlignment alignment_ = TAlignment::Right;
    QPointer<TAlignItemDelegate> delegate_;  // gone when another delegate replaced it
};
