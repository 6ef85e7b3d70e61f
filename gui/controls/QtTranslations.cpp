// Qt's own texts in the program's language.

#include "gui/controls/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <memory>

namespace {

// The translator installed last; it belongs to the application, so it is
// gone (and the pointer null) once the application is.
QPointer<QTranslator>& Installed()
{
    static QPointer<QTranslator> translator;
    return translator;
}

}  // namespace

QString QtTranslationName(int language)
{
    switch (language) {
    case 1:
        return QStringLiteral("qtbase_de");
    case 3:
        return QStringLiteral("qtbase_fr");
    case 7:
        return QStringLiteral("qtbase_pl");
    case 8:
        return QStringLiteral("qtbase_zh_CN");
    case 9:
        return QStringLiteral("qtbase_ru");
    default:
        return QString();
    }
}

bool InstallQtTranslations(int language)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application)
        return false;
    if (QTranslator* previous = Installed()) {
        QCoreApplication::removeTranslator(previous);
        delete previous;
    }
    const QString name = QtTranslationName(language);
    if (name.isEmpty())
        return false;
    auto translator = std::make_unique<QTranslator>(application);
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;  // Qt's translations are not installed: its texts stay English
    if (!QCoreApplication::installTranslator(translator.get()))
        return false;
    Installed() = translator.release();
    return true;
}
