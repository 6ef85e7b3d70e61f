#pragma once
// Helpers of the main window tests: controls by name, typing into an edit,
// the enabled command buttons and the texts of the message boxes shown.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <string>

#include "core/climate/CalcInputsFields.h"
#include "core/text/Catalogue.h"
#include "gui/controls/Controls.h"
#include "gui/controls/MessageBox.h"
#include "gui/controls/NumericEdit.h"
#include "gui/mainwindow/MainWindow.h"
#include "tests/gui/controls/MessageLog.h"

// The control `name` of `owner`; a missing one ends the test program.
template <class T = TNumEdit>
T* C(const QObject& owner, const char* name)
{
    if (T* child = owner.findChild<T*>(QLatin1String(name)))
        return child;
    qFatal("no control %s", name);
}

inline QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

inline QString Text(const QObject& owner, const char* label)
{
    return C<QLabel>(owner, label)->text();
}

// The fields of a record as "name=value" texts, for comparing records.
inline QStringList Fields(CalcInputs inputs)
{
    QStringList fields;
    VisitCalcInputs(inputs, [&fields](const char* name, const auto& field) {
        if constexpr (std::is_same_v<std::decay_t<decltype(field)>, std::string>)
            fields << QStringLiteral("%1=%2").arg(QLatin1String(name), Q(field));
        else if constexpr (std::is_enum_v<std::decay_t<decltype(field)>>)
            fields << QStringLiteral("%1=%2").arg(QLatin1String(name), Q(std::to_string(static_cast<int>(field))));
        else
            fields << QStringLiteral("%1=%2").arg(QLatin1String(name), Q(std::to_string(field)));
    });
    return fields;
}

// Replaces the text of the edit as a user types it.
inline void TypeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// The numbers of the enabled buttons Button1 … Button5, e.g. "13".
inline QString EnabledButtons(const TFormWRG& window)
{
    QString enabled;
    for (const QPushButton* button : {window.Button1, window.Button2, window.Button3, window.Button4, window.Button5})
        if (button->isEnabled())
            enabled += button->objectName().back();
    return enabled;
}

// Selects the page that holds `field`.
inline void ShowPageOf(TFormWRG& window, QWidget* field)
{
    for (int at = 0; at < window.PageControl1->count(); ++at)
        if (window.PageControl1->page(at)->isAncestorOf(field))
            window.PageControl1->setCurrentIndex(at);
}

// Shown and active, so that focus changes and keys arrive.
inline bool ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Writes a file of the test, such as a settings file.
inline void Write(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
}

// The text of a file; empty when it cannot be read.
inline QByteArray FileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
