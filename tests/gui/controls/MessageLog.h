#pragma once
// Records the message boxes of a window test instead of showing them.

#include <QString>
#include <QStringList>

#include "gui/controls/MessageBox.h"

// The texts of the message boxes shown while it lives, each answered with
// OK; a question about unsaved changes with Don't save, so that a window
// with changes closes.
struct MessageLog : QStringList {
    MessageLog()
    {
        SetMessageBoxHook([this](const QString& text, TMessageType type, const QString&) {
            append(text);
            return type == TMessageType::Question ? int(SaveAnswerDiscard) : MessageResultOK;
        });
    }
    ~MessageLog() { SetMessageBoxHook({}); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;
};
