#pragma once
// The one conversion between the paths the windows show (QString) and the
// file names the core reads and writes (bytes in the file system's encoding).

#include <QByteArray>
#include <QFile>
#include <QString>

#include <string>

namespace ui {

// The file name of `path` as the core opens it.
inline std::string FileName(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// The path a window shows for the core's file name `fileName`.
inline QString PathOf(const std::string& fileName)
{
    return QFile::decodeName(QByteArray::fromStdString(fileName));
}

}  // namespace ui
