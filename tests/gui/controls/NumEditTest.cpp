// The numeric edits in a small window: formats, the range check on leaving
// the field and on Enter, the events, separators, and the aligned combo box.

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

#include "gui/controls/MessageBox.h"
#include "gui/controls/NumericEdit.h"

namespace {

constexpr NumberSeparators English{'.', ','};
constexpr NumberSeparators German{',', '.'};

QStringList recorded;  // the messages shown, as "title|type|message"

// A shown, active dialog with the edit between two plain edits, so that Tab
// moves the focus as the user would, and a default button Enter must not
// press. The edit is a TIntEdit of the days per week (1 … 7) or a TNumEdit of
// the pressure (600 … 1100), with the range message of the catalogue.
struct Form {
    QDialog window;
    QLineEdit* before = new QLineEdit(&window);
    TCustomNumEdit* edit;
    QLineEdit* after = new QLineEdit(&window);
    QPushButton* ok = new QPushButton(QStringLiteral("OK"), &window);
    QSignalSpy calculated, returned;

    explicit Form(bool validation = true, bool days = false)
        : edit(days ? static_cast<TCustomNumEdit*>(new TIntEdit(&window)) : new TNumEdit(&window)),
          calculated(edit, &TCustomNumEdit::OnCalculate),
          returned(edit, &TCustomNumEdit::OnReturn)
    {
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* widget : std::initializer_list<QWidget*>{before, edit, after, ok})
            layout->addWidget(widget);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, &window, &QDialog::accept);
        edit->SetMinValue(days ? 1 : 600);
        edit->SetMaxValue(days ? 7 : 1100);
        edit->SetErrorMessage(QStringLiteral("Please enter a number between %g and %g"));
        edit->SetContent(QStringLiteral("Attention"));
        edit->SetValidation(validation);
        window.show();
        window.activateWindow();
    }
    bool Ready() { return QTest::qWaitForWindowActive(&window); }
    TNumEdit& Num() { return static_cast<TNumEdit&>(*edit); }
    // Enters the edit as Tab does and types `text` over its content.
    void Type(const QString& text)
    {
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(edit, text);
    }
    void Leave() { QTest::keyClick(edit, Qt::Key_Tab); }
    void Enter() { QTest::keyClick(edit, Qt::Key_Return); }
};

QWidget* FocusWidget()
{
    return QApplication::focusWidget();
}

// The value of either edit, or the message of the error its Value() throws.
QVariant ValueOrError(TCustomNumEdit& edit)
{
    try {
        if (auto* days = qobject_cast<TIntEdit*>(&edit))
            return days->Value();
        return static_cast<TNumEdit&>(edit).Value();
    } catch (const EConvertError& error) {
        return QString::fromUtf8(error.what());
    }
}

// One finished entry: `typed` over the shown 0 (nothing typed: the field is
// only entered), finished with Tab or Enter (the keypad's), and the outcome.
struct Entry {
    bool days, validation, german;
    QString typed;
    Qt::Key key;
    QString shown;
    int calculate, returns;
    QString message;  // the range message shown, if any
    double value;     // NAN: Value() throws, naming the text
};

// The mean column of the dark pixels of `image` within `area`, as a fraction
// of the area's width; -1 when none.
double TextCentre(const QImage& image, const QRect& area)
{
    double sum = 0;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 110) {
                sum += x - area.left();
                ++count;
            }
    return count == 0 ? -1.0 : sum / count / area.width();
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
        SetMessageBoxHook([](const QString& message, TMessageType type, const QString& title) {
            recorded << title + '|' + QString::number(static_cast<int>(type)) + '|' + message;
            return MessageResultOK;
        });
    }

    void defaultTextAndAlignment()
    {
        TNumEdit edit;
        QCOMPARE(edit.text(), QStringLiteral("0.00"));
        QCOMPARE(TIntEdit().text(), QStringLiteral("0"));
        QCOMPARE(edit.alignment(), Qt::AlignRight | Qt::AlignVCenter);
        QVERIFY(edit.setProperty("Alignment", QVariant::fromValue(TAlignment::Centre)));
        QCOMPARE(edit.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        edit.SetAlignment(TAlignment::Left);
        QCOMPARE(edit.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    }

    // The setters in the order of the form definitions, and the properties
    // value first: each format property re-formats the value.
    void formats()
    {
        SetProgramCurrency("EUR");
        TNumEdit edit;
        edit.SetFormat(FloatFormat::Exponent);
        edit.SetPrecision(15);
        edit.SetDigits(3);
        edit.SetValue(1234.5);
        QCOMPARE(edit.text(), QStringLiteral("1.23450000000000E+003"));
        QVERIFY(!edit.isModified());
        TNumEdit byProperty;
        QVERIFY(byProperty.setProperty("Value", 1234.0));
        QVERIFY(byProperty.setProperty("Format", QVariant::fromValue(FloatFormat::Currency)));
        QVERIFY(byProperty.setProperty("Precision", 10));
        QVERIFY(byProperty.setProperty("Digits", 2));
        QCOMPARE(byProperty.text(), QStringLiteral("1,234.00 EUR"));
    }

    // Leaving or Enter: a changed accepted entry is re-formatted and fires
    // OnCalculate (Enter also OnReturn, and leaving afterwards nothing more);
    // an unchanged one fires only OnReturn on Enter. With Validation an entry
    // outside the range or no number shows the range message and keeps text
    // and focus, selected so that the correction replaces it; without, a
    // text that is no number stays and fires nothing.
    void finishEntry_data()
    {
        const QString pressure = "Attention|0|Please enter a number between 600 and 1100";
        const QString days = "Attention|0|Please enter a number between 1 and 7";
        const auto notNumber = [](const char* text, const char* separator) {
            return QStringLiteral("Attention|0|\"%1\" is not a number. Please use \"%2\" as the decimal separator.")
                .arg(QLatin1String(text), QLatin1String(separator));
        };
        const Qt::Key tab = Qt::Key_Tab, enter = Qt::Key_Enter;
        QTest::addColumn<Entry>("e");
        QTest::newRow("upper limit") << Entry{false, true, false, "1100", tab, "1100.00", 1, 0, "", 1100};
        QTest::newRow("lower limit") << Entry{false, true, false, "600", tab, "600.00", 1, 0, "", 600};
        QTest::newRow("above") << Entry{false, true, false, "1101", tab, "1101", 0, 0, pressure, 1101};
        QTest::newRow("just below") << Entry{false, true, false, "599.99", tab, "599.99", 0, 0, pressure, 599.99};
        QTest::newRow("letter") << Entry{false, true, false, "x", tab, "x", 0, 0, notNumber("x", "."), NAN};
        QTest::newRow("unchanged outside") << Entry{false, true, false, "", tab, "0.00", 0, 0, "", 0};
        QTest::newRow("off far outside") << Entry{false, false, false, "-5e9", tab, "-5000000000.00", 1, 0, "", -5e9};
        QTest::newRow("off rounded") << Entry{false, false, false, "2.345", tab, "2.345", 1, 0, "", 2.345};
        QTest::newRow("off unchanged") << Entry{false, false, false, "", tab, "0.00", 0, 0, "", 0};
        QTest::newRow("off letter") << Entry{false, false, false, "1O13", tab, "1O13", 0, 0, "", NAN};
        QTest::newRow("enter valid") << Entry{false, true, false, "1100", enter, "1100.00", 1, 1, "", 1100};
        QTest::newRow("enter unchanged outside") << Entry{false, true, false, "", enter, "0.00", 0, 0, pressure, 0};
        QTest::newRow("enter above") << Entry{false, true, false, "1101", enter, "1101", 0, 0, pressure, 1101};
        QTest::newRow("enter letter") << Entry{false, true, false, "a", enter, "a", 0, 0, notNumber("a", "."), NAN};
        QTest::newRow("enter off outside") << Entry{false, false, false, "5", enter, "5.00", 1, 1, "", 5};
        QTest::newRow("enter off unchanged") << Entry{false, false, false, "", enter, "0.00", 0, 1, "", 0};
        QTest::newRow("enter off letter") << Entry{false, false, false, "a", enter, "a", 0, 0, "", NAN};
        QTest::newRow("en grouped") << Entry{false, false, false, "1,234.5", enter, "1234.50", 1, 1, "", 1234.5};
        QTest::newRow("en comma fraction") << Entry{false, false, false, "1,5", enter, "1,5", 0, 0, "", NAN};
        QTest::newRow("de grouped") << Entry{false, false, true, "1.234,5", enter, "1234,50", 1, 1, "", 1234.5};
        QTest::newRow("de exponent") << Entry{false, false, true, "1,5E3", enter, "1500,00", 1, 1, "", 1500};
        QTest::newRow("de small") << Entry{false, false, true, "0,0001234", tab, "0,0001234", 1, 0, "", 0.0001234};
        QTest::newRow("de point fraction") << Entry{false, false, true, "1.5", enter, "1.5", 0, 0, "", NAN};
        QTest::newRow("de two commas") << Entry{false, false, true, "1,2,3", enter, "1,2,3", 0, 0, "", NAN};
        QTest::newRow("days upper limit") << Entry{true, true, false, "7", tab, "7", 1, 0, "", 7};
        QTest::newRow("days signed") << Entry{true, true, false, "+3", enter, "3", 1, 1, "", 3};
        QTest::newRow("days above") << Entry{true, true, false, "8", tab, "8", 0, 0, days, 8};
        QTest::newRow("days fraction") << Entry{
            true, true, false, "1.5", tab, "1.5", 0, 0, "Attention|0|\"1.5\" is not a whole number.", NAN};
        QTest::newRow("comma decimal") << Entry{
            false, true, false, "750,5", tab, "750,5", 0, 0, notNumber("750,5", "."), NAN};
        QTest::newRow("de point decimal")
            << Entry{false, true, true, "750.5", enter, "750.5", 0, 0, notNumber("750.5", ","), NAN};
        QTest::newRow("days off grouped") << Entry{true, false, false, "1,000", tab, "1000", 1, 0, "", 1000};
        QTest::newRow("days off overflow") << Entry{true, false, false, "2147483648", tab, "2147483648", 0, 0, "", NAN};
    }
    void finishEntry()
    {
        QFETCH(Entry, e);
        QVERIFY(SetProgramSeparators(e.german ? German : English));
        Form form(e.validation, e.days);
        QVERIFY(form.Ready());
        form.Type(e.typed);
        QTest::keyClick(form.edit, e.key);
        QVERIFY(form.window.isVisible());
        QCOMPARE(form.edit->text(), e.shown);
        QCOMPARE(form.calculated.count(), e.calculate);
        QCOMPARE(form.returned.count(), e.returns);
        QCOMPARE(recorded, e.message.isEmpty() ? QStringList{} : QStringList{e.message});
        QCOMPARE(form.edit->isModified(), !e.typed.isEmpty() && e.calculate == 0);
        if (std::isnan(e.value))
            QVERIFY(ValueOrError(*form.edit).toString().startsWith('"' + e.typed + "\" is not a"));
        else
            QCOMPARE(ValueOrError(*form.edit).toDouble(), e.value);
        if (e.key == Qt::Key_Tab && e.message.isEmpty()) {
            QCOMPARE(FocusWidget(), static_cast<QWidget*>(form.after));
            return;
        }
        QCOMPARE(FocusWidget(), static_cast<QWidget*>(form.edit));
        QCOMPARE(form.edit->selectedText(), e.shown);
        if (!e.message.isEmpty()) {
            const QString correction = e.days ? "5" : "1000";
            QTest::keyClicks(form.edit, correction);
            QCOMPARE(form.edit->text(), correction);
        }
        form.Leave();  // a correction is accepted; a completed entry fires nothing more
        QCOMPARE(recorded.size(), e.message.isEmpty() ? 0 : 1);
        QCOMPARE(form.calculated.count(), e.message.isEmpty() ? e.calculate : 1);
    }

    // Every leave is reported, also a second one with the same text, so that
    // a check hooked to it sees a rejected value again; a window switch is
    // no leave.
    void everyLeaveIsReported()
    {
        Form form(false);
        QVERIFY(form.Ready());
        QSignalSpy exits(form.edit, &TCustomNumEdit::OnExit);
        form.Type("150");
        form.Leave();
        QCOMPARE(exits.count(), 1);
        QCOMPARE(form.calculated.count(), 1);
        form.edit->setFocus(Qt::MouseFocusReason);
        form.Leave();  // unchanged
        QCOMPARE(exits.count(), 2);
        QCOMPARE(form.calculated.count(), 1);
        form.edit->setFocus(Qt::TabFocusReason);
        QDialog other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(exits.count(), 2);
    }

    // A number pasted with the line break of a table cell, or with blanks,
    // is read as the number.
    void pastedNumberWithLineBreak_data()
    {
        QTest::addColumn<bool>("days");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("decimal, CR LF") << false << "1013.5\r\n"
                                        << "1013.50";
        QTest::newRow("decimal, blanks and LF") << false << " 700 \n"
                                                << "700.00";
        QTest::newRow("whole, LF") << true << "5\n"
                                   << "5";
    }
    void pastedNumberWithLineBreak()
    {
        QFETCH(bool, days);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        Form form(true, days);
        QVERIFY(form.Ready());
        form.edit->setFocus(Qt::TabFocusReason);
        QGuiApplication::clipboard()->setText(pasted);
        form.edit->paste();  // over the selected text; the edit keeps the line break
        form.Leave();
        QVERIFY2(recorded.isEmpty(), qPrintable(recorded.join('|')));
        QCOMPARE(form.calculated.count(), 1);
        QCOMPARE(form.edit->text(), shown);
        QCOMPARE(ValueOrError(*form.edit).toDouble(), shown.toDouble());
    }

    // A click into the field selects its whole text, as entering it by Tab
    // does; a click into a field that has the focus places the cursor.
    void clickSelectsWholeText()
    {
        Form form;
        QVERIFY(form.Ready());
        form.Num().SetValue(1013.25);
        form.before->setFocus(Qt::TabFocusReason);
        const QPoint inside(form.edit->width() / 2, form.edit->height() / 2);
        QTest::mouseClick(form.edit, Qt::LeftButton, {}, inside);
        QVERIFY(form.edit->hasFocus());
        QCOMPARE(form.edit->selectedText(), QStringLiteral("1013.25"));
        QTest::mouseClick(form.edit, Qt::LeftButton, {}, inside);
        QVERIFY(!form.edit->hasSelectedText());
    }

    // Alt with a letter is a menu's or a button's key, never text: with no
    // owner of that letter the field stays as it is. Ctrl+Alt (AltGr on some
    // keyboards) still types.
    void altWithALetterTypesNothing()
    {
        Form form;
        QVERIFY(form.Ready());
        form.Type(QStringLiteral("1000"));
        QTest::keyClick(form.edit, Qt::Key_O, Qt::AltModifier);
        QTest::keyClick(form.edit, Qt::Key_5, Qt::AltModifier);
        QCOMPARE(form.edit->text(), QStringLiteral("1000"));
        QTest::keyClick(form.edit, Qt::Key_1, Qt::AltModifier | Qt::ControlModifier);
        QCOMPARE(form.edit->text(), QStringLiteral("10001"));
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
        Form form;
        QVERIFY(form.Ready());
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
            SetMessageBoxHook([&form, &shown](const QString&, TMessageType, const QString&) {
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
        QCOMPARE(form.calculated.count(), 0);
        QCOMPARE(form.edit->text(), QStringLiteral("1101"));
    }

    // A shown value stays valid when the separators change; Enter shows it
    // with the new ones, and so does the range message.
    void separatorsChangedAfterFormatting()
    {
        Form form;
        QVERIFY(form.Ready());
        form.edit->SetMinValue(599.5);
        form.Num().SetFormat(FloatFormat::Number);
        form.Num().SetValue(1013.25);
        QVERIFY(SetProgramSeparators(German));
        QVERIFY(form.edit->Validate());
        form.edit->setFocus(Qt::TabFocusReason);
        form.Enter();
        QVERIFY(recorded.isEmpty());
        QCOMPARE(form.edit->text(), QStringLiteral("1.013,25"));
        QTest::keyClicks(form.edit, "1,5");
        form.Leave();
        QCOMPARE(recorded, QStringList{"Attention|0|Please enter a number between 599,5 and 1100"});
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
        TAlignComboBox combo;
        combo.addItems({QStringLiteral("WW"), QStringLiteral("MM")});
        combo.resize(400, combo.sizeHint().height());
        QVERIFY(combo.setProperty("Alignment", QVariant::fromValue(alignment)));

        QImage item(400, 24, QImage::Format_RGB32);  // an item of the list
        item.fill(Qt::white);
        QStyleOptionViewItem itemOption;
        itemOption.initFrom(&combo);
        itemOption.rect = item.rect();
        itemOption.state = QStyle::State_Enabled;
        QPainter painter(&item);
        combo.itemDelegate()->paint(&painter, itemOption, combo.model()->index(0, 0));
        painter.end();
        // The closed box: its text field, without frame and arrow.
        QStyleOptionComboBox option;
        option.initFrom(&combo);
        option.editable = false;
        const QRect field = combo.style()
                                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo)
                                .adjusted(2, 2, -2, -2);
        for (const double centre : {TextCentre(item, item.rect()), TextCentre(combo.grab().toImage(), field)})
            QVERIFY2(centre >= lowest && centre <= lowest + 0.3, qPrintable(QString::number(centre)));

        // Another delegate replaces the aligned drawing without a dangling one.
        combo.setItemDelegate(new QStyledItemDelegate(&combo));
        combo.SetAlignment(TAlignment::Left);
        combo.grab();
    }
};

QTEST_MAIN(NumEditTest)
#include "NumEditTest.moc"
