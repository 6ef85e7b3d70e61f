#pragma once
// The project data window: the title and the note of the design on screen.
// The title names the design in the main window's caption; the note keeps
// what the engineer wants to remember about it (the customer, the offer).
// Neither decides a result.

#include <string>

#include "gui/controls/FormBase.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TFormProjektdaten : public TVxForm {
    Q_OBJECT
public:
    explicit TFormProjektdaten(QWidget* parent = nullptr);

    // Shows `title` and `note` modally; OK puts the edited texts back and
    // gives true, Cancel (or Escape) leaves both as they were.
    bool Edit(std::string& title, std::string& note);

private:
    QLineEdit* Edit_Titel;
    QPlainTextEdit* Memo_Notiz;
    QPushButton* Button_OK;
    QPushButton* Button_Cancel;
};
