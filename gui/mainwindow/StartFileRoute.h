#pragma once
// The file the program is started with (`wrg FILE`, or a file the user opens
// with it from the desktop): where each kind of file goes.

#include <QString>

class TFormWRG;

// Opens `path` over the visible main window: a climate file in the climate
// data window; any other file gets a message that it cannot be opened, and
// the program goes on as after a start without a file.
void OpenStartFile(TFormWRG& window, const QString& path);
