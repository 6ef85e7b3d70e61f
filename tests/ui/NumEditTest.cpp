// The numeric edits in a small window: formats, the range check on leaving
// the field and on Enter, the events, separators, and the aligned combo box.

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <optional>
#include <vector>

#include "ui/NumEdit.h"
#include "ui/UVxMessage.h"

namespace {

// The range message of the catalogue (text 105).
const QString RangeMessage = QStringLiteral("Please enter a number between %g and %g");
constexpr NumberSeparators English{'.', ','};
constexpr NumberSeparators German{',', '.'};

struct FormatCase { FloatFormat format; int precision, digits; double value; std::string currency; QString expected; };
struct LeaveCase { bool validation; QString typed, shown; int calculate; bool message; };
struct EnterCase { bool validation; QString typed, shown; int calculate, returns, messages; };
struct SeparatorCase { bool german; FloatFormat format; QString typed; double value; QString shown; };  // NAN: invalid
struct IntCase { bool validation; QString typed; bool accepted; QString shown; std::optional<int> value; };

struct RecordedMessage {
    QString message;
    int type = -1;
    QString title;
};

std::vector<RecordedMessage> recorded;

// A shown, active window with the edit between two plain edits, so that Tab
// moves the focus as the user would.
template <class Edit>
struct Form {
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    Edit* edit = new Edit(&window);
    QLineEdit* after = new QLineEdit(&window);

    Form()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(edit);
        layout->addWidget(after);
        window.show();
        window.activateWindow();
    }
    bool Ready() { return QTest::qWaitForWindowActive(&window); }
    // Enters the edit as Tab does and types `text` over its content.
    void Type(const QString& text)
    {
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(edit, text);
    }
    void Leave() { QTest::keyClick(edit, Qt::Key_Tab); }
    void Enter() { QTest::keyClick(edit, Qt::Key_Return); }
};

// The pressure field of the options window: 600 … 1100 mbar.
template <class Edit>
void MakePressureField(Edit* edit, bool validation = true)
{
    edit->SetMinValue(600);
    edit->SetMaxValue(1100);
    edit->SetErrorMessage(RangeMessage);
    edit->SetContent(QStringLiteral("Attention"));
    edit->SetValidation(validation);
}

QWidget* FocusWidget()
{
    return QApplication::focusWidget();
}

// The mean column of the dark pixels of `image` within `area`; -1 when none.
double TextCentre(const QImage& image, const QRect& area)
{
    double sum = 0;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 110) {
                sum += x;
                ++count;
            }
    return count == 0 ? -1.0 : sum / count;
}

}  // namespace

class NumEditTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(SetProgramSeparators(English));
        SetProgramCurrency({});
        recorded.clear();
        SetMessageBoxHook([](const QString& message, int type, const QString& title) {
            recorded.push_back({message, type, title});
            return MessageResultOK;
        });
    }
    void cleanup()
    {
        SetMessageBoxHook({});
        QVERIFY(SetProgramSeparators(English));
        SetProgramCurrency({});
    }

    void defaults()
    {
        TNumEdit edit;
        QCOMPARE(edit.text(), QStringLiteral("0.00"));
        QCOMPARE(edit.alignment(), Qt::AlignRight | Qt::AlignVCenter);
        QVERIFY(edit.Format() == FloatFormat::Fixed);
        QCOMPARE(edit.Digits(), 2);
        QCOMPARE(edit.Precision(), 10);
        QVERIFY(!edit.Validation());
        TIntEdit intEdit;
        QCOMPARE(intEdit.text(), QStringLiteral("0"));
        QCOMPARE(intEdit.Alignment(), TAlignment::Right);
        QVERIFY(!intEdit.Validation());

        QVERIFY(edit.setProperty("Alignment", QVariant::fromValue(TAlignment::Centre)));
        QCOMPARE(edit.Alignment(), TAlignment::Centre);
        QCOMPARE(edit.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        intEdit.SetAlignment(TAlignment::Left);
        QCOMPARE(intEdit.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    }

    void formats_data()
    {
        QTest::addColumn<FormatCase>("c");
        QTest::newRow("general 1013") << FormatCase{FloatFormat::General, 10, 0, 1013.0, "", "1013"};
        QTest::newRow("exponent") << FormatCase{FloatFormat::Exponent, 15, 3, 1234.5, "", "1.23450000000000E+003"};
        QTest::newRow("fixed rounds") << FormatCase{FloatFormat::Fixed, 10, 0, 2.5, "", "3"};
        QTest::newRow("currency") << FormatCase{FloatFormat::Currency, 10, 2, 1234.0, "EUR", "1,234.00 EUR"};
    }
    void formats()
    {
        QFETCH(FormatCase, c);
        const auto [format, precision, digits, value, currency, expected] = c;
        SetProgramCurrency(currency);

        TNumEdit edit;  // setters in the order of the form definitions
        edit.SetFormat(format);
        edit.SetPrecision(precision);
        edit.SetDigits(digits);
        edit.SetValue(value);
        QCOMPARE(edit.text(), expected);
        QVERIFY(!edit.isModified());

        // Properties, value first: each format property re-formats it.
        TNumEdit byProperty;
        QVERIFY(byProperty.setProperty("Value", value));
        QVERIFY(byProperty.setProperty("Format", QVariant::fromValue(format)));
        QVERIFY(byProperty.setProperty("Precision", precision));
        QVERIFY(byProperty.setProperty("Digits", digits));
        QCOMPARE(byProperty.text(), expected);
        QCOMPARE(byProperty.property("Value").toDouble(), value);
    }

    // Leaving the field (the value shown before is 0.00, below the range):
    // 1100 passes, 1101 and a letter show message 105 and keep the text and
    // the focus until corrected; without Validation any changed number fires
    // OnCalculate and a letter stays; an unchanged field fires nothing.
    void leaving_data()
    {
        QTest::addColumn<LeaveCase>("c");
        QTest::newRow("upper limit") << LeaveCase{true, "1100", "1100.00", 1, false};
        QTest::newRow("lower limit") << LeaveCase{true, "600", "600.00", 1, false};
        QTest::newRow("above") << LeaveCase{true, "1101", "1101", 0, true};
        QTest::newRow("just below") << LeaveCase{true, "599.99", "599.99", 0, true};
        QTest::newRow("letter") << LeaveCase{true, "x", "x", 0, true};
        QTest::newRow("unchanged") << LeaveCase{true, "", "0.00", 0, false};
        QTest::newRow("off far outside") << LeaveCase{false, "-5e9", "-5000000000.00", 1, false};
        QTest::newRow("off rounded for display") << LeaveCase{false, "2.345", "2.35", 1, false};
        QTest::newRow("off unchanged") << LeaveCase{false, "", "0.00", 0, false};
        QTest::newRow("off letter") << LeaveCase{false, "1O13", "1O13", 0, false};
    }
    void leaving()
    {
        QFETCH(LeaveCase, c);
        const auto [validation, typed, shown, calculate, message] = c;
        Form<TNumEdit> form;
        QVERIFY(form.Ready());
        MakePressureField(form.edit, validation);
        QSignalSpy calculated(form.edit, &TNumEdit::OnCalculate);
        QSignalSpy onReturn(form.edit, &TNumEdit::OnReturn);

        form.Type(typed);
        form.Leave();
        QCOMPARE(form.edit->text(), shown);
        QCOMPARE(onReturn.count(), 0);
        QCOMPARE(calculated.count(), calculate);
        QCOMPARE(form.edit->isModified(), !typed.isEmpty() && calculate == 0);
        QCOMPARE(recorded.size(), std::size_t{message ? 1u : 0u});
        if (calculate == 1)
            QCOMPARE(form.edit->Value(), typed.toDouble());
        if (!message) {
            QCOMPARE(FocusWidget(), static_cast<QWidget*>(form.after));
            if (calculate == 0 && !typed.isEmpty()) {  // a letter kept
                QVERIFY_THROWS_EXCEPTION(EConvertError, form.edit->Value());
                try {
                    form.edit->Value();
                } catch (const std::invalid_argument& error) {
                    QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("\"1O13\" is not a number"));
                }
            }
            return;
        }
        QCOMPARE(recorded[0].message, QStringLiteral("Please enter a number between 600 and 1100"));
        QCOMPARE(recorded[0].type, 0);
        QCOMPARE(recorded[0].title, QStringLiteral("Attention"));
        QCOMPARE(FocusWidget(), static_cast<QWidget*>(form.edit));
        QCOMPARE(form.edit->selectedText(), shown);

        QTest::keyClicks(form.edit, "1000");
        form.Leave();
        QCOMPARE(recorded.size(), std::size_t{1});
        QCOMPARE(calculated.count(), 1);
        QCOMPARE(form.edit->text(), QStringLiteral("1000.00"));
        QCOMPARE(FocusWidget(), static_cast<QWidget*>(form.after));
    }

    // Enter: a changed valid entry is re-formatted and fires OnCalculate and
    // OnReturn; an unchanged one only OnReturn; a rejected one the message
    // only. The text is selected afterwards, so typing replaces it.
    void enter_data()
    {
        QTest::addColumn<EnterCase>("c");
        QTest::newRow("changed valid") << EnterCase{true, "1100", "1100.00", 1, 1, 0};
        QTest::newRow("unchanged") << EnterCase{true, "", "1013.00", 0, 1, 0};
        QTest::newRow("out of range") << EnterCase{true, "1101", "1101", 0, 0, 1};
        QTest::newRow("letter with validation") << EnterCase{true, "a", "a", 0, 0, 1};
        QTest::newRow("validation off outside range") << EnterCase{false, "5", "5.00", 1, 1, 0};
        QTest::newRow("validation off letter") << EnterCase{false, "a", "a", 0, 0, 0};
    }
    void enter()
    {
        QFETCH(EnterCase, c);
        const auto [validation, typed, shown, calculate, returns, messages] = c;
        Form<TNumEdit> form;
        QVERIFY(form.Ready());
        MakePressureField(form.edit, validation);
        form.edit->SetValue(1013);
        QSignalSpy calculated(form.edit, &TNumEdit::OnCalculate);
        QSignalSpy returned(form.edit, &TNumEdit::OnReturn);

        form.Type(typed);
        form.Enter();
        QCOMPARE(form.edit->text(), shown);
        QCOMPARE(calculated.count(), calculate);
        QCOMPARE(returned.count(), returns);
        QCOMPARE(static_cast<int>(recorded.size()), messages);
        QCOMPARE(form.edit->selectedText(), shown);
        QCOMPARE(FocusWidget(), static_cast<QWidget*>(form.edit));
        if (calculate == 1) {  // complete: leaving fires nothing more
            form.Leave();
            QCOMPARE(calculated.count(), 1);
        } else {
            QTest::keyClicks(form.edit, "7");
            QCOMPARE(form.edit->text(), QStringLiteral("7"));
        }
    }

    // Enter completes the number; it does not also press the dialog's
    // default button.
    void enterStaysInTheEdit()
    {
        QDialog dialog;
        auto* edit = new TNumEdit(&dialog);
        auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->setDefault(true);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(edit);
        layout->addWidget(ok);
        connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        QSignalSpy clicked(ok, &QPushButton::clicked);
        QSignalSpy returned(edit, &TNumEdit::OnReturn);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(edit, "12");
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Enter);
        QCOMPARE(returned.count(), 2);
        QCOMPARE(clicked.count(), 0);
        QVERIFY(dialog.isVisible());
    }

    // The range message is shown once and the focus returns to the edit,
    // whether the message is a real modal box or takes the focus inside the
    // window.
    void messageShownOnce_data()
    {
        QTest::addColumn<bool>("modal");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("modal box, leaving") << true << false;
        QTest::newRow("modal box, enter") << true << true;
        QTest::newRow("focus taken, leaving") << false << false;
        QTest::newRow("focus taken, enter") << false << true;
    }
    void messageShownOnce()
    {
        QFETCH(bool, modal);
        QFETCH(bool, byEnter);
        Form<TNumEdit> form;
        QVERIFY(form.Ready());
        MakePressureField(form.edit);
        QSignalSpy calculate(form.edit, &TNumEdit::OnCalculate);

        int shown = 0;
        QTimer closer;  // closes and counts each modal box
        if (modal) {
            SetMessageBoxHook({});
            connect(&closer, &QTimer::timeout, [&shown] {
                if (QWidget* box = QApplication::activeModalWidget()) {
                    ++shown;
                    box->close();
                }
            });
            closer.start(20);
        } else {
            SetMessageBoxHook([&form, &shown](const QString&, int, const QString&) {
                ++shown;
                form.before->setFocus(Qt::OtherFocusReason);
                return MessageResultOK;
            });
        }
        form.Type("1101");
        byEnter ? form.Enter() : form.Leave();
        QTest::qWait(modal ? 150 : 0);
        QCOMPARE(shown, 1);
        QCOMPARE(form.window.focusWidget(), static_cast<QWidget*>(form.edit));
        form.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        QCOMPARE(FocusWidget(), static_cast<QWidget*>(form.edit));
        QCOMPARE(calculate.count(), 0);
        QCOMPARE(form.edit->text(), QStringLiteral("1101"));
    }

    void separators_data()
    {
        QTest::addColumn<SeparatorCase>("c");
        QTest::newRow("en number") << SeparatorCase{false, FloatFormat::Number, "1,234.5", 1234.5, "1,234.50"};
        QTest::newRow("en comma fraction") << SeparatorCase{false, FloatFormat::Fixed, "1,5", NAN, "1,5"};
        QTest::newRow("de number") << SeparatorCase{true, FloatFormat::Number, "1.234,5", 1234.5, "1.234,50"};
        QTest::newRow("de general") << SeparatorCase{true, FloatFormat::General, "0,0001234", 0.0001234, "0,0001234"};
        QTest::newRow("de exponent typed") << SeparatorCase{true, FloatFormat::Fixed, "1,5E3", 1500.0, "1500,00"};
        QTest::newRow("de point fraction") << SeparatorCase{true, FloatFormat::Fixed, "1.5", NAN, "1.5"};
        QTest::newRow("de two commas") << SeparatorCase{true, FloatFormat::Fixed, "1,2,3", NAN, "1,2,3"};
    }
    void separators()
    {
        QFETCH(SeparatorCase, c);
        const auto [german, format, typed, value, shown] = c;
        const bool valid = !std::isnan(value);
        QVERIFY(SetProgramSeparators(german ? German : English));
        Form<TNumEdit> form;
        QVERIFY(form.Ready());
        form.edit->SetFormat(format);
        if (format == FloatFormat::General)
            form.edit->SetDigits(0);
        QSignalSpy returned(form.edit, &TNumEdit::OnReturn);

        form.Type(typed);
        if (valid)
            QCOMPARE(form.edit->Value(), value);
        else
            QVERIFY_THROWS_EXCEPTION(EConvertError, form.edit->Value());
        form.Enter();
        QCOMPARE(form.edit->text(), shown);
        QCOMPARE(returned.count(), valid ? 1 : 0);
    }

    // A shown value stays valid when the separators change; Enter shows it
    // with the new ones, and so does the range message.
    void separatorsChangedAfterFormatting()
    {
        Form<TNumEdit> form;
        QVERIFY(form.Ready());
        MakePressureField(form.edit);
        form.edit->SetMinValue(599.5);
        form.edit->SetFormat(FloatFormat::Number);
        form.edit->SetValue(1013.25);
        QCOMPARE(form.edit->text(), QStringLiteral("1,013.25"));
        QVERIFY(SetProgramSeparators(German));
        QVERIFY(form.edit->Validate());
        form.edit->setFocus(Qt::TabFocusReason);
        form.Enter();
        QVERIFY(recorded.empty());
        QCOMPARE(form.edit->text(), QStringLiteral("1.013,25"));
        QTest::keyClicks(form.edit, "1,5");
        form.Leave();
        QCOMPARE(recorded.size(), std::size_t{1});
        QCOMPARE(recorded[0].message, QStringLiteral("Please enter a number between 599,5 and 1100"));
    }

    // The whole-number edit: the days per week, 1 … 7.
    void intEdit_data()
    {
        QTest::addColumn<IntCase>("c");
        QTest::newRow("upper limit") << IntCase{true, "7", true, "7", 7};
        QTest::newRow("signed") << IntCase{true, "+3", true, "3", 3};
        QTest::newRow("above") << IntCase{true, "8", false, "8", 8};
        QTest::newRow("fraction") << IntCase{true, "1.5", false, "1.5", std::nullopt};
        QTest::newRow("off grouped") << IntCase{false, "1,000", true, "1000", 1000};
        QTest::newRow("off overflow") << IntCase{false, "2147483648", false, "2147483648", std::nullopt};
    }
    void intEdit()
    {
        QFETCH(IntCase, c);
        const auto [validation, typed, accepted, shown, value] = c;
        Form<TIntEdit> form;
        QVERIFY(form.Ready());
        form.edit->SetMinValue(1);
        form.edit->SetMaxValue(7);
        form.edit->SetErrorMessage(RangeMessage);
        form.edit->SetValidation(validation);
        QSignalSpy calculate(form.edit, &TIntEdit::OnCalculate);

        form.Type(typed);
        form.Leave();
        QCOMPARE(form.edit->text(), shown);
        QCOMPARE(calculate.count(), accepted ? 1 : 0);
        const bool messageExpected = validation && !accepted;
        QCOMPARE(recorded.size(), std::size_t{messageExpected ? 1u : 0u});
        if (messageExpected)
            QCOMPARE(recorded[0].message, QStringLiteral("Please enter a number between 1 and 7"));
        if (value)
            QCOMPARE(form.edit->Value(), *value);
        else
            QVERIFY_THROWS_EXCEPTION(EConvertError, form.edit->Value());
    }

    // The combo box draws its items, in the list and in the closed box, where
    // its alignment says.
    void comboAlignment_data()
    {
        QTest::addColumn<TAlignment>("alignment");
        QTest::addColumn<double>("lowest");  // text centre, fraction of the width
        QTest::newRow("left") << TAlignment::Left << 0.0;
        QTest::newRow("centre") << TAlignment::Centre << 0.35;
        QTest::newRow("right") << TAlignment::Right << 0.7;
    }
    void comboAlignment()
    {
        QFETCH(TAlignment, alignment);
        QFETCH(double, lowest);
        const double highest = lowest + 0.3;
        TAlignComboBox combo;
        QCOMPARE(combo.Alignment(), TAlignment::Right);
        combo.addItems({QStringLiteral("WW"), QStringLiteral("MM")});
        combo.resize(400, combo.sizeHint().height());
        QVERIFY(combo.setProperty("Alignment", QVariant::fromValue(alignment)));

        const QRect itemRect(0, 0, 400, 24);  // an item of the list
        QImage item(itemRect.size(), QImage::Format_RGB32);
        item.fill(Qt::white);
        {
            QPainter painter(&item);
            QStyleOptionViewItem option;
            option.initFrom(&combo);
            option.rect = itemRect;
            option.state = QStyle::State_Enabled;
            combo.itemDelegate()->paint(&painter, option, combo.model()->index(0, 0));
        }
        const double itemCentre = TextCentre(item, itemRect) / itemRect.width();
        QVERIFY2(itemCentre >= lowest && itemCentre <= highest, qPrintable(QString::number(itemCentre)));

        // The closed box: its text field, without frame and arrow.
        const QImage box = combo.grab().toImage();
        QStyleOptionComboBox option;
        option.initFrom(&combo);
        option.editable = false;
        const QRect field = combo.style()
                                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo)
                                .adjusted(2, 2, -2, -2);
        const double fieldCentre = (TextCentre(box, field) - field.left()) / field.width();
        QVERIFY2(fieldCentre >= lowest && fieldCentre <= highest, qPrintable(QString::number(fieldCentre)));

        // Another delegate replaces the aligned drawing without a dangling one.
        combo.setItemDelegate(new QStyledItemDelegate(&combo));
        combo.SetAlignment(TAlignment::Left);
        QCOMPARE(combo.Alignment(), TAlignment::Left);
    }
};

QTEST_MAIN(NumEditTest)
#include "NumEditTest.moc"
