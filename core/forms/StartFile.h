#pragma once
// What the windowed program makes of a file named on its command line (by
// the desktop when the user opens a file with it, or by the user in a
// shell).

#include <string>

#include "core/text/CoreMessage.h"

enum class StartFileKind {
    Climate,  // a user climate file: opened in the climate data window
    Project,  // a project file: opened as the main window's project
    Unknown,  // any other file: a message says it cannot be opened
};

// A climate file by its name ending ".cli" (in any case, also when the file
// is missing or damaged: reading it then says what is wrong) or, under any
// other name, by the signature of a climate file in its first bytes; a
// project file likewise by ".wrg" or by its format name ("WRG project") near
// the start of a JSON text. Only a regular file is read, so a pipe or device
// at the path never blocks.
StartFileKind KindOfStartFile(const std::string& path);

// TextId::UnknownStartFile, "The file %s cannot be opened: ...", for `path`.
CoreMessage UnknownStartFileMessage(const std::string& path);
