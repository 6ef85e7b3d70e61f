// The project data window: title and note of the design.

#include "gui/mainwindow/ProjectDataWindow.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/text/Catalogue.h"
#include "gui/controls/WindowText.h"

using ui::Named;
using ui::Text;

namespace {

// The note shows this many lines before it scrolls, in an edit this many
// average characters wide.
constexpr int NoteLines = 6;
constexpr int EditCharacters = 50;

}  // namespace

TFormProjektdaten::TFormProjektdaten(QWidget* parent) : TVxForm(parent)
{
    setObjectName(QStringLiteral("FormProjektdaten"));
    setModal(true);
    setFont(DialogFont());
    setWindowTitle(Text(TextId::ProjectCaption));
    Edit_Titel = Named(new QLineEdit(this), "Edit_Titel");
    Memo_Notiz = Named(new QPlainTextEdit(this), "Memo_Notiz");
    Memo_Notiz->setTabChangesFocus(true);
    const QFontMetrics metrics(font());
    Edit_Titel->setMinimumWidth(EditCharacters * metrics.averageCharWidth());
    Memo_Notiz->setFixedHeight(NoteLines * metrics.lineSpacing() + 2 * Memo_Notiz->frameWidth() +
                               2 * static_cast<int>(Memo_Notiz->document()->documentMargin()));

    auto* grid = new QGridLayout;
    const std::pair<const char*, TextId> captions[] = {{"Label_Titel", TextId::ProjectTitle},
                                                       {"Label_Notiz", TextId::ProjectNote}};
    QWidget* const edits[] = {Edit_Titel, Memo_Notiz};
    for (int row = 0; row < 2; ++row) {
        auto* label = Named(new QLabel(Text(captions[row].second), this), captions[row].first);
        label->setBuddy(edits[row]);
        // The note's caption stands at its first line.
        grid->addWidget(label, row, 0, Qt::AlignLeft | (row == 0 ? Qt::AlignVCenter : Qt::AlignTop));
        grid->addWidget(edits[row], row, 1);
    }

    Button_OK = Named(new QPushButton(QStringLiteral("OK"), this), "Button_OK");
    Button_Cancel = Named(new QPushButton(Text(TextId::Cancel), this), "Button_Cancel");
    Button_OK->setDefault(true);
    connect(Button_OK, &QPushButton::clicked, this, &TFormProjektdaten::accept);
    connect(Button_Cancel, &QPushButton::clicked, this, &TFormProjektdaten::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button_OK);
    buttons->addWidget(Button_Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TFormProjektdaten::Edit(std::string& title, std::string& note)
{
    Edit_Titel->setText(QString::fromStdString(title));
    Memo_Notiz->setPlainText(QString::fromStdString(note));
    Edit_Titel->setFocus();
    if (exec() != QDialog::Accepted)
        return false;
    title = Edit_Titel->text().toStdString();
    note = Memo_Notiz->toPlainText().toStdString();
    return true;
}
