#pragma once
// The program's message box. Every warning, error and information goes
// through it, so that its font and language follow the program rather than
// the desktop's own dialogs.

#include <QRect>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "gui/controls/FormBase.h"

class QLabel;
class QPushButton;

// Message types and their icons. The numbers are those a hook sees in the
// logs of the tests.
enum class TMessageType : int {
    Warning = 0,      // exclamation
    Error = 1,        // hand
    Information = 2,  // asterisk
    Question = 3,     // question
    Plain = 4,        // no icon
};

// The result of a message box: it has only the OK button, and Escape or the
// window's close button count as OK as well.
inline constexpr int MessageResultOK = QDialog::Accepted;

// The measures of one message box, all in pixels, derived from the font as
// in BuildMessageForm.
struct TMessageGeometry {
    int charWidth = 0;       // average width of the 52 letters A … Z, a … z
    int charHeight = 0;      // height of a line
    int horzMargin = 0;      // 8 × charWidth / 4
    int vertMargin = 0;      // 8 × charHeight / 8
    int horzSpacing = 0;     // 10 × charWidth / 4
    int vertSpacing = 0;     // 10 × charHeight / 8
    int buttonWidth = 0;     // 50 × charWidth / 4
    int buttonHeight = 0;    // 14 × charHeight / 8
    int wrapWidth = 0;       // half the screen width
    QRect textRect;          // the wrapped message at (0, 0)
    int iconTextWidth = 0;   // text, and with an icon 32 + spacing beside it
    int iconTextHeight = 0;  // text, at least 32 with an icon
    QSize clientSize;
};

// The message box, built at run time: the icon "Image" (only for the types
// with an icon), the text "Message" and the button "Button_OK".
class TMessageForm : public TVxForm {
    Q_OBJECT
public:
    TMessageForm(const QString& message, TMessageType type, const QString& title, QWidget* parent = nullptr);

    const TMessageGeometry& Geometry() const { return geometry_; }
    TMessageType MessageType() const { return type_; }

    // Escape and the close button give OK, like the button itself; in a box
    // with its own buttons (SetButtons) the result of the escape button.
    void reject() override;

    // Replaces the OK button by a row of buttons with the given captions,
    // each at least the box's button width, centred under the message; the
    // box grows when the row needs it. A button ends the box with its
    // result; the first one is the default button, Escape and the close
    // button give `escapeResult`.
    struct TButton {
        QString caption;
        int result;
    };
    void SetButtons(const std::vector<TButton>& buttons, int escapeResult);

private:
    TMessageGeometry geometry_;
    TMessageType type_ = TMessageType::Plain;
    std::optional<int> escapeResult_;
};

// Whether a message type shows an icon (Warning … Question; not Plain nor a
// number outside the types).
bool MessageTypeHasIcon(TMessageType type);

// Builds the box for `message` of `type` with the caption `title`, placed in
// the centre of the screen, without showing it.
std::unique_ptr<TMessageForm> BuildMessageForm(const QString& message, TMessageType type, const QString& title);

// Shows the message modally and returns the result (MessageResultOK).
// Without a GUI application the message goes to the standard error stream.
int ShowMessageBox(const QString& message, TMessageType type, const QString& title);

// ShowMessageBox with the error icon.
void ShowError(const QString& title, const QString& message);

// The answers of AskSaveChanges. None equals MessageResultOK: a hook that
// answers every box with OK neither saves nor discards anything.
enum TSaveAnswer : int {
    SaveAnswerSave = 0x5A1,     // save, then go on
    SaveAnswerDiscard = 0x5A2,  // go on without saving
    SaveAnswerCancel = 0x5A3,   // stay as it is
};

// Asks whether changed data are to be saved before they are replaced: a
// question box with the buttons "Save" (the default), "Don't save" and
// "Cancel" (also Escape and the close button). Goes through the hook as a
// message of type TMessageType::Question; any answer of the hook other than
// the three counts as Cancel. Without a GUI application: Cancel.
TSaveAnswer AskSaveChanges(const QString& message, const QString& title);

// Whether changed data may be replaced by others: without changes at once;
// otherwise AskSaveChanges decides: Save goes on when `save` succeeds, Don't
// save goes on, Cancel does not.
bool MayReplaceChanges(bool changed, const QString& message, const QString& title, const std::function<bool()>& save);

// A replacement for the modal box: while set, ShowMessageBox (and so
// ShowError) hands every message to it and returns its answer without
// showing anything. An empty function restores the real box.
using TMessageBoxHook = std::function<int(const QString& message, TMessageType type, const QString& title)>;
void SetMessageBoxHook(TMessageBoxHook hook);
