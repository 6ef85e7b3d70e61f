// The numeric edits in a small window: formats, the range check on leaving
// the field and on Enter, the events, English and German separators, and the
// aligned combo box.

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

#include <memory>
#include <vector>

#include "ui/NumEdit.h"
#include "ui/UVxMessage.h"

namespace {

// The range message of the catalogue (text 105).
const QString RangeMessage = QStringLiteral("Please enter a number between %g and %g");

struct RecordedMessage {
    QString message;
    int type = -1;
    QString title;
};

std::vector<RecordedMessage> recorded;

void RecordMessages()
{
    recorded.clear();
    SetMessageBoxHook([](const QString& message, int type, const QString& title) {
        recorded.push_back({message, type, title});
        return MessageResultOK;
    });
}

// A window with the edit under test between two plain edits, shown and
// active, so that Tab moves the focus as the user would.
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

    // Enters the edit as the Tab key does and types `text` over its content.
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
void MakePressureField(Edit* edit)
{
    edit->SetMinValue(600);
    edit->SetMaxValue(1100);
    edit->SetErrorMessage(RangeMessage);
    edit->SetContent(QStringLiteral("Attention"));
    edit->SetValidation(true);
}

QWidget* FocusWidget()
{
    return QApplication::focusWidget();
}

NumberSeparators Separators(const QString& decimal, const QString& thousands)
{
    return NumberSeparators{decimal.toLatin1().at(0), thousands.isEmpty() ? '\0' : thousands.toLatin1().at(0)};
}

// The mean column of the dark pixels of `image` within `area`; -1 when there
// are none.
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
        QVERIFY(SetProgramSeparators(NumberSeparators{'.', ','}));
        SetProgramCurrency({});
        RecordMessages();
    }
    void cleanup()
    {
        SetMessageBoxHook({});
        QVERIFY(SetProgramSeparators(NumberSeparators{'.', ','}));
        SetProgramCurrency({});
    }

    void defaults()
    {
        TNumEdit edit;
        QCOMPARE(edit.text(), QStringLiteral("0.00"));
        QCOMPARE(edit.Alignment(), TAlignment::Right);
        QCOMPARE(edit.alignment(), Qt::AlignRight | Qt::AlignVCenter);
        QVERIFY(edit.Format() == FloatFormat::Fixed);
        QCOMPARE(edit.Digits(), 2);
        QCOMPARE(edit.Precision(), 10);
        QCOMPARE(edit.MinValue(), 0.0);
        QCOMPARE(edit.MaxValue(), 0.0);
        QVERIFY(edit.Content().isEmpty());
        QVERIFY(edit.ErrorMessage().isEmpty());
        QVERIFY(!edit.Validation());
        QCOMPARE(edit.Value(), 0.0);

        TIntEdit intEdit;
        QCOMPARE(intEdit.text(), QStringLiteral("0"));
        QCOMPARE(intEdit.Alignment(), TAlignment::Right);
        QVERIFY(!intEdit.Validation());
        QCOMPARE(intEdit.Value(), 0);
    }

    void formats_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("precision");
        QTest::addColumn<int>("digits");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QString>("expected");

        const int general = static_cast<int>(FloatFormat::General);
        const int exponent = static_cast<int>(FloatFormat::Exponent);
        const int fixed = static_cast<int>(FloatFormat::Fixed);
        const int number = static_cast<int>(FloatFormat::Number);
        const int currency = static_cast<int>(FloatFormat::Currency);
        QTest::newRow("general 1013 without decimals") << general << 10 << 0 << 1013.0 << "" << "1013";
        QTest::newRow("general fraction") << general << 10 << 0 << 0.0001234 << "" << "0.0001234";
        QTest::newRow("general large") << general << 10 << 0 << 1.234e20 << "" << "1.234E20";
        QTest::newRow("exponent") << exponent << 15 << 3 << 1234.5 << "" << "1.23450000000000E+003";
        QTest::newRow("fixed defaults") << fixed << 10 << 2 << 0.0 << "" << "0.00";
        QTest::newRow("fixed half away from zero") << fixed << 10 << 0 << 2.5 << "" << "3";
        QTest::newRow("number") << number << 10 << 2 << 1234567.891 << "" << "1,234,567.89";
        QTest::newRow("currency") << currency << 10 << 2 << 1234.0 << "EUR" << "1,234.00 EUR";
    }
    void formats()
    {
        QFETCH(int, format);
        QFETCH(int, precision);
        QFETCH(int, digits);
        QFETCH(double, value);
        QFETCH(QString, currency);
        QFETCH(QString, expected);
        SetProgramCurrency(currency.toStdString());

        // Through the setters, in the order the form definitions use.
        TNumEdit edit;
        edit.SetFormat(static_cast<FloatFormat>(format));
        edit.SetPrecision(precision);
        edit.SetDigits(digits);
        edit.SetValue(value);
        QCOMPARE(edit.text(), expected);
        QVERIFY(!edit.isModified());

        // Through the Qt properties, value first: each format property
        // re-formats the stored value.
        TNumEdit byProperty;
        QVERIFY(byProperty.setProperty("Value", value));
        QVERIFY(byProperty.setProperty("Format", QVariant::fromValue(static_cast<FloatFormat>(format))));
        QVERIFY(byProperty.setProperty("Precision", precision));
        QVERIFY(byProperty.setProperty("Digits", digits));
        QCOMPARE(byProperty.text(), expected);
        QCOMPARE(byProperty.property("Value").toDouble(), value);
    }

    // The pressure field: 1100 passes, 1101 and a letter show message 105
    // with 600 and 1100 and keep the text; the edit gets the focus back.
    void rangeOnLeaving_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("shown");

        QTest::newRow("upper limit") << "1100" << true << "1100.00";
        QTest::newRow("lower limit") << "600" << true << "600.00";
        QTest::newRow("fraction inside") << "1013.25" << true << "1013.25";
        QTest::newRow("above") << "1101" << false << "1101";
        QTest::newRow("just below") << "599.99" << false << "599.99";
        QTest::newRow("letter") << "x" << false << "x";
        QTest::newRow("number with letter") << "10a" << false << "10a";
        QTest::newRow("two decimal separators") << "1.0.0" << false << "1.0.0";
        QTest::newRow("empty") << "" << false << "";
    }
    void rangeOnLeaving()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, shown);

        Form<TNumEdit> form;
        QVERIFY(form.Ready());
        MakePressureField(form.edit);
        form.edit->SetValue(1013);
        QSignalSpy calculate(form.edit, &TNumEdit::OnCalculate);
        QSignalSpy onReturn(form.edit, &TNumEdit::OnReturn);

        form.Type(typed);
        if (typed.isEmpty())
            QTest::keyClick(form.edit, Qt::Key_Delete);
        form.Leave();

        QCOMPARE(form.edit->text(), shown);
        QCOMPARE(onReturn.count(), 0);
        if (accepted) {
            QVERIFY(recorded.empty());
            QCOMPARE(calculate.count(), 1);
            QVERIFY(!form.edit->isModified());
            QCOMPARE(FocusWidget(), static_cast<QWidget*>(form.after));
        } else {
            QCOMPARE(recorded.size(), std::size_t{1});
            QCOMPARE(recorded[0].message, QStringLiteral("Please enter a number between 600 and 1100"));
            QCOMPARE(recorded[0].type, 0);
            QCOMPARE(recorded[0].title, QStringLiteral("Attention"));
            QCOMPARE(calculate.count(), 0);
            QVERIFY(form.edit->isModified());
            QCOMPARE(FocusWidget(), static_cast<QWidget*>(form.edit));
            QCOMPARE(form.edit->selectedText(), shown);
        }
    }

    // A rejected entry can be corrected and then completes normally.
    void correctionAfterRejection()
    {
        Form<TNumEdit> form;
        QVERIFY(form.Ready());
        MakePressureField(form.edit);
        QSignalSpy calculate(form.edit, &TNumEdit::OnCalculate);

        form.Type("1101");
        form.Leave();
        QCOMPARE(recorded.size(), std::size_t{1});
        QCOMPARE(FocusWidget(), static_cast<QWidget*>(form.edit));

        QTest::keyClicks(form.edit, "1000");
        form.Leave();
        QCOMPARE(recorded.size(), std::size_t{1});
        QCOMPARE(calculate.count(), 1);
        QCOMPARE(form.edit->text(), QStringLiteral("1000.00"));
        QCOMPARE(form.edit->Value(), 1000.0);
        QCOMPARE(FocusWidget(), static_cast<QWidget*>(form.after));
    }

    // Without Validation any number passes and a changed field fires
    // OnCalculate when it is left.
    void validationOff_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");

        QTest::newRow("far outside any range") << "-5e9" << -5e9 << "-5000000000.00";
        QTest::newRow("grouped") << "1,234.5" << 1234.5 << "1234.50";
        QTest::newRow("zero") << "0" << 0.0 << "0.00";
        QTest::newRow("rounded for display") << "2.345" << 2.345 << "2.35";
    }
    void validationOff()
    {
        QFETCH(QString, typed);
        QFETCH(double, value);
        QFETCH(QString, shown);

        Form<TNumEdit> form;
        QVERIFY(form.Ready());
        form.edit->SetMinValue(600);
        form.edit->SetMaxValue(1100);
        form.edit->SetErrorMessage(RangeMessage);
        QSignalSpy calculate(form.edit, &TNumEdit::OnCalculate);

        form.Type(typed);
        QVERIFY(form.edit->isModified());
        form.Leave();

        QVERIFY(recorded.empty());
        QCOMPARE(calculate.count(), 1);
        QCOMPARE(form.edit->text(), shown);
        QCOMPARE(form.edit->Value(), value);
        QVERIFY(!form.edit->isModified());
        QCOMPARE(FocusWidget(), static_cast<QWidget*>(form.after));
    }

    // Leaving a field whose text was not changed fires nothing, not even the
    // range message for a value outside the range.
    void unchangedFieldFiresNothing_data()
    {
        QTest::addColumn<bool>("validation");
        QTest::newRow("validation off") << false;
        QTest::newRow("validation on") << true;
    }
    void unchangedFieldFiresNothing()
    {
        QFETCH(bool, validation);
        Form<TNumEdit> form;
        QVERIFY(form.Ready());
        MakePressureField(form.edit);
        form.edit->SetValidation(validation);
        QSignalSpy calculate(form.edit, &TNumEdit::OnCalculate);
        QSignalSpy onReturn(form.edit, &TNumEdit::OnReturn);

        form.edit->setFocus(Qt::TabFocusReason);
        form.Leave();

        QCOMPARE(calculate.count(), 0);
        QCOMPARE(onReturn.count(), 0);
        QVERIFY(recorded.empty());
        QCOMPARE(form.edit->text(), QStringLiteral("0.00"));
        QCOMPARE(FocusWidget(), static_cast<QWidget*>(form.after));
    }

    // A letter with Validation off: the text stays, nothing fires, and
    // reading the value raises the conversion error.
    void letterWithoutValidation()
    {
        Form<TNumEdit> form;
        QVERIFY(form.Ready());
        form.edit->SetValue(1013);
        QSignalSpy calculate(form.edit, &TNumEdit::OnCalculate);
        QSignalSpy onReturn(form.edit, &TNumEdit::OnReturn);

        form.Type("1O13");
        form.Leave();
        QCOMPARE(form.edit->text(), QStringLiteral("1O13"));
        QVERIFY(form.edit->isModified());
        QCOMPARE(calculate.count(), 0);
        QVERIFY(recorded.empty());
        QVERIFY_THROWS_EXCEPTION(EConvertError, form.edit->Value());
        try {
            form.edit->Value();
        } catch (const std::invalid_argument& error) {
            QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("\"1O13\" is not a number"));
        }

        form.Type("x");
        form.Enter();
        QCOMPARE(form.edit->text(), QStringLiteral("x"));
        QCOMPARE(calculate.count(), 0);
        QCOMPARE(onReturn.count(), 0);
        QCOMPARE(form.edit->selectedText(), QStringLiteral("x"));
    }

    // Enter: a changed valid entry is re-formatted and fires OnCalculate and
    // OnReturn; an unchanged one only OnReturn; a rejected one the message
    // and nothing else. The whole text is selected afterwards in every case.
    void enter_data()
    {
        QTest::addColumn<bool>("validation");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("calculate");
        QTest::addColumn<int>("returns");
        QTest::addColumn<int>("messages");

        QTest::newRow("changed valid") << true << "1100" << "1100.00" << 1 << 1 << 0;
        QTest::newRow("unchanged") << true << "" << "1013.00" << 0 << 1 << 0;
        QTest::newRow("changed out of range") << true << "1101" << "1101" << 0 << 0 << 1;
        QTest::newRow("letter with validation") << true << "a" << "a" << 0 << 0 << 1;
        QTest::newRow("validation off outside range") << false << "5" << "5.00" << 1 << 1 << 0;
        QTest::newRow("validation off letter") << false << "a" << "a" << 0 << 0 << 0;
    }
    void enter()
    {
        QFETCH(bool, validation);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, calculate);
        QFETCH(int, returns);
        QFETCH(int, messages);

        Form<TNumEdit> form;
        QVERIFY(form.Ready());
        MakePressureField(form.edit);
        form.edit->SetValidation(validation);
        form.edit->SetValue(1013);
        QSignalSpy calculated(form.edit, &TNumEdit::OnCalculate);
        QSignalSpy returned(form.edit, &TNumEdit::OnReturn);

        form.edit->setFocus(Qt::TabFocusReason);
        if (!typed.isEmpty())
            QTest::keyClicks(form.edit, typed);
        form.Enter();

        QCOMPARE(form.edit->text(), shown);
        QVERIFY(!form.edit->text().contains(QLatin1Char('\n')));
        QCOMPARE(calculated.count(), calculate);
        QCOMPARE(returned.count(), returns);
        QCOMPARE(static_cast<int>(recorded.size()), messages);
        QCOMPARE(form.edit->selectedText(), shown);
        QCOMPARE(FocusWidget(), static_cast<QWidget*>(form.edit));

        // The entry counts as complete: leaving now fires nothing more.
        if (calculate == 1) {
            form.Leave();
            QCOMPARE(calculated.count(), 1);
        }
    }

    // After Enter the next ordinary key types into the field again.
    void typingAfterEnter()
    {
        Form<TNumEdit> form;
        QVERIFY(form.Ready());
        form.Type("900");
        form.Enter();
        QVERIFY(!form.edit->isReadOnly());
        QTest::keyClicks(form.edit, "7");
        QCOMPARE(form.edit->text(), QStringLiteral("7"));
        QCOMPARE(form.edit->Value(), 7.0);
    }

    // Enter completes the number in the edit; it does not also press the
    // default button of a dialog (which would close it before the user saw
    // the result of the entry).
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

    // Focus in selects all, so that typing replaces the old value.
    void focusInSelectsAll_data()
    {
        QTest::addColumn<int>("reason");
        QTest::newRow("tab") << static_cast<int>(Qt::TabFocusReason);
        QTest::newRow("backtab") << static_cast<int>(Qt::BacktabFocusReason);
        QTest::newRow("program") << static_cast<int>(Qt::OtherFocusReason);
        QTest::newRow("shortcut") << static_cast<int>(Qt::ShortcutFocusReason);
    }
    void focusInSelectsAll()
    {
        QFETCH(int, reason);
        Form<TNumEdit> form;
        QVERIFY(form.Ready());
        form.edit->SetValue(1013);
        form.edit->setFocus(static_cast<Qt::FocusReason>(reason));
        QCOMPARE(form.edit->selectedText(), QStringLiteral("1013.00"));
    }

    // The range message is shown once and the focus returns to the edit,
    // whether the message is a real modal box (which takes the activation
    // from the window) or takes the keyboard focus inside the window.
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
        QTimer closer;  // closes each modal box that appears, counting them
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
        if (byEnter)
            form.Enter();
        else
            form.Leave();
        QTest::qWait(modal ? 150 : 0);
        QCOMPARE(shown, 1);
        QCOMPARE(form.window.focusWidget(), static_cast<QWidget*>(form.edit));
        form.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        QCOMPARE(FocusWidget(), static_cast<QWidget*>(form.edit));
        QCOMPARE(calculate.count(), 0);
        QCOMPARE(form.edit->text(), QStringLiteral("1101"));
        QVERIFY(form.edit->isModified());
    }

    // German separators: "," decimal and "." thousands, typed and shown.
    void separators_data()
    {
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("thousands");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("shown");

        const int fixed = static_cast<int>(FloatFormat::Fixed);
        const int number = static_cast<int>(FloatFormat::Number);
        const int general = static_cast<int>(FloatFormat::General);
        QTest::newRow("en fixed") << "." << "," << fixed << "1234.5" << true << 1234.5 << "1234.50";
        QTest::newRow("en number") << "." << "," << number << "1,234.5" << true << 1234.5 << "1,234.50";
        QTest::newRow("en comma fraction") << "." << "," << fixed << "1,5" << false << 0.0 << "1,5";
        QTest::newRow("de fixed") << "," << "." << fixed << "1234,5" << true << 1234.5 << "1234,50";
        QTest::newRow("de number") << "," << "." << number << "1.234,5" << true << 1234.5 << "1.234,50";
        QTest::newRow("de general") << "," << "." << general << "0,0001234" << true << 0.0001234 << "0,0001234";
        QTest::newRow("de exponent typed") << "," << "." << fixed << "1,5E3" << true << 1500.0 << "1500,00";
        QTest::newRow("de point fraction") << "," << "." << fixed << "1.5" << false << 0.0 << "1.5";
        QTest::newRow("de two commas") << "," << "." << fixed << "1,2,3" << false << 0.0 << "1,2,3";
    }
    void separators()
    {
        QFETCH(QString, decimal);
        QFETCH(QString, thousands);
        QFETCH(int, format);
        QFETCH(QString, typed);
        QFETCH(bool, valid);
        QFETCH(double, value);
        QFETCH(QString, shown);
        QVERIFY(SetProgramSeparators(Separators(decimal, thousands)));

        Form<TNumEdit> form;
        QVERIFY(form.Ready());
        form.edit->SetFormat(static_cast<FloatFormat>(format));
        form.edit->SetPrecision(10);
        if (format == static_cast<int>(FloatFormat::General))
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

    // A shown value stays valid when the options change the separators; Enter
    // shows it with the new ones.
    void separatorsChangedAfterFormatting()
    {
        Form<TNumEdit> form;
        QVERIFY(form.Ready());
        MakePressureField(form.edit);
        form.edit->SetFormat(FloatFormat::Number);
        form.edit->SetValue(1013.25);
        QCOMPARE(form.edit->text(), QStringLiteral("1,013.25"));

        QVERIFY(SetProgramSeparators(NumberSeparators{',', '.'}));
        QVERIFY(form.edit->Validate());
        form.edit->setFocus(Qt::TabFocusReason);
        form.Enter();
        QVERIFY(recorded.empty());
        QCOMPARE(form.edit->text(), QStringLiteral("1.013,25"));
        QCOMPARE(form.edit->Value(), 1013.25);
    }

    // The range message uses the program's decimal separator for the limits.
    void rangeMessageWithGermanSeparators()
    {
        QVERIFY(SetProgramSeparators(NumberSeparators{',', '.'}));
        Form<TNumEdit> form;
        QVERIFY(form.Ready());
        form.edit->SetMinValue(0.6);
        form.edit->SetMaxValue(1.08);
        form.edit->SetErrorMessage(QStringLiteral("Bitte geben Sie eine Zahl zwischen %g und %g ein"));
        form.edit->SetValidation(true);
        form.Type("1,1");
        form.Leave();
        QCOMPARE(recorded.size(), std::size_t{1});
        QCOMPARE(recorded[0].message, QStringLiteral("Bitte geben Sie eine Zahl zwischen 0,6 und 1,08 ein"));
    }

    // The whole-number edit: the days per week, 1 … 7.
    void intEdit_data()
    {
        QTest::addColumn<bool>("validation");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<int>("value");

        QTest::newRow("inside") << true << "5" << true << "5" << true << 5;
        QTest::newRow("upper limit") << true << "7" << true << "7" << true << 7;
        QTest::newRow("signed") << true << "+3" << true << "3" << true << 3;
        QTest::newRow("above") << true << "8" << false << "8" << true << 8;
        QTest::newRow("fraction") << true << "1.5" << false << "1.5" << false << 0;
        QTest::newRow("letter") << true << "x" << false << "x" << false << 0;
        QTest::newRow("off outside range") << false << "-12" << true << "-12" << true << -12;
        QTest::newRow("off grouped") << false << "1,000" << true << "1000" << true << 1000;
        QTest::newRow("off fraction") << false << "2.5" << false << "2.5" << false << 0;
        QTest::newRow("off overflow") << false << "2147483648" << false << "2147483648" << false << 0;
    }
    void intEdit()
    {
        QFETCH(bool, validation);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, shown);
        QFETCH(bool, readable);
        QFETCH(int, value);

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
        if (readable)
            QCOMPARE(form.edit->Value(), value);
        else
            QVERIFY_THROWS_EXCEPTION(EConvertError, form.edit->Value());
    }

    void alignment_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("expected");
        QTest::newRow("left") << static_cast<int>(TAlignment::Left) << static_cast<int>(Qt::AlignLeft);
        QTest::newRow("right") << static_cast<int>(TAlignment::Right) << static_cast<int>(Qt::AlignRight);
        QTest::newRow("centre") << static_cast<int>(TAlignment::Centre) << static_cast<int>(Qt::AlignHCenter);
    }
    void alignment()
    {
        QFETCH(int, alignment);
        QFETCH(int, expected);
        const auto value = static_cast<TAlignment>(alignment);
        TNumEdit edit;
        QVERIFY(edit.setProperty("Alignment", QVariant::fromValue(value)));
        QCOMPARE(edit.Alignment(), value);
        QCOMPARE(static_cast<int>(edit.alignment() & Qt::AlignHorizontal_Mask), expected);
        TIntEdit intEdit;
        intEdit.SetAlignment(value);
        QCOMPARE(static_cast<int>(intEdit.alignment() & Qt::AlignHorizontal_Mask), expected);
    }

    // The combo box draws its items, in the list and in the closed box, where
    // its alignment says.
    void comboAlignment_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<double>("lowest");   // text centre, fraction of the width
        QTest::addColumn<double>("highest");
        QTest::newRow("left") << static_cast<int>(TAlignment::Left) << 0.0 << 0.3;
        QTest::newRow("centre") << static_cast<int>(TAlignment::Centre) << 0.35 << 0.65;
        QTest::newRow("right") << static_cast<int>(TAlignment::Right) << 0.7 << 1.0;
    }
    void comboAlignment()
    {
        QFETCH(int, alignment);
        QFETCH(double, lowest);
        QFETCH(double, highest);

        TAlignComboBox combo;
        QCOMPARE(combo.Alignment(), TAlignment::Right);
        combo.addItems({QStringLiteral("WW"), QStringLiteral("MM")});
        combo.resize(400, combo.sizeHint().height());
        QVERIFY(combo.setProperty("Alignment", QVariant::fromValue(static_cast<TAlignment>(alignment))));

        // An item of the list.
        const QRect itemRect(0, 0, 400, 24);
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
    }

    // Another delegate replaces the aligned drawing without leaving the box
    // with a dangling one.
    void comboWithOwnDelegate()
    {
        TAlignComboBox combo;
        combo.setItemDelegate(new QStyledItemDelegate(&combo));
        combo.SetAlignment(TAlignment::Left);
        QCOMPARE(combo.Alignment(), TAlignment::Left);
    }
};

QTEST_MAIN(NumEditTest)
#include "NumEditTest.moc"
