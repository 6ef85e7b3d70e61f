// Routing the start file to the window that opens it.

#include "gui/mainwindow/StartFileRoute.h"

#include <QFile>
#include <QFileInfo>

#include "core/forms/StartFile.h"
#include "gui/controls/FileNames.h"
#include "gui/controls/MessageBox.h"
#include "gui/controls/WindowText.h"
#include "gui/mainwindow/MainWindow.h"

void OpenStartFile(TFormWRG& window, const QString& path)
{
    // Absolute, so that the climate file lists remember a path that still
    // holds when the program is started from another folder.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    switch (KindOfStartFile(ui::FileName(absolute))) {
    case StartFileKind::Climate:
        window.OpenClimateFile(absolute);
        return;
    case StartFileKind::Project:
        window.OpenProject(absolute);
        return;
    case StartFileKind::Unknown:
        ShowError(ui::Text(TextId::Error),
                  QString::fromStdString(ShownText(UnknownStartFileMessage(path.toStdString()))));
        return;
    }
}
