#pragma once
// Records the message boxes of a window test instead of showing them.

#include <QString>
#include <QStringList>

#include "gui/controls/MessageBox.h"

// The texts of the message boxes shown while it lives, each answered with OK.
struct MessageLog : QStringList {
    MessageLog()
    {
        SetMessageBoxHook([this](const QString& text, TMessageType, const QString&) {
            append(text);
            return MessageResultOK;
        });
    }
    ~MessageLog() { SetMessageBoxHook({}); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;
};
