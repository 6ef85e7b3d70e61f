// Renders every page of the main window after a calculation with the inputs
// of a first start, one PNG per page, for the documentation. Run on the
// offscreen platform by scripts/screenshots.sh.

#include <QApplication>
#include <QDir>
#include <QString>
#include <QTextStream>

#include "app/FWRG.h"
#include "ui/Catalogue.h"
#include "ui/UVxControls.h"
#include "ui/UVxForms.h"
#include "ui/UVxMessage.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    if (!QDir().mkpath(folder)) {
        QTextStream(stderr) << "cannot create " << folder << "\n";
        return 1;
    }
    SetCurrentLanguage(2);
    ChooseFonts();
    // A message during the run would need a person; print it instead.
    SetMessageBoxHook([](const QString& message, int, const QString& title) {
        QTextStream(stderr) << title << ": " << message << "\n";
        return 1;
    });

    TFormWRG window;
    window.resize(640, 480);
    window.show();
    QApplication::processEvents();
    window.Button1Click();
    QApplication::processEvents();

    TVxPageControl* pages = window.PageControl1;
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QApplication::processEvents();
        const QString file = QStringLiteral("%1/page-%2.png").arg(folder).arg(i + 1);
        if (!window.grab().save(file)) {
            QTextStream(stderr) << "cannot write " << file << "\n";
            return 1;
        }
    }
    return 0;
}
