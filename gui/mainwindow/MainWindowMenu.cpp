// The menu of the main window and the commands it reaches.

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>

#include "core/settings/Language.h"
#include "core/settings/RecentProjects.h"
#include "core/text/Catalogue.h"
#include "gui/controls/Controls.h"
#include "gui/controls/MessageBox.h"
#include "gui/controls/QtTranslations.h"
#include "gui/help/HelpViewer.h"
#include "gui/info/InfoWindow.h"
#include "gui/mainwindow/MainWindow.h"

namespace {

QAction* NewItem(QMenu* menu, const char* name, const QString& text = {})
{
    auto* item = menu->addAction(text);
    item->setObjectName(QLatin1String(name));
    return item;
}

QMenu* NewMenu(QWidget* owner, const char* name)
{
    auto* menu = new QMenu(owner);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

}  // namespace

void TFormWRG::BuildMenu()
{
    MainMenu1 = new TVxMainMenu(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    auto menuCaption = [this](QMenu* menu, TextId title, const QString& prefix = {}) {
        Caption([menu](const QString& text) { menu->setTitle(text); }, title, prefix);
    };
    auto itemCaption = [this](QAction* item, TextId title, const QString& prefix = {}) {
        Caption([item](const QString& text) { item->setText(text); }, title, prefix);
    };

    // File: the project commands, the recent projects, Exit. The shortcuts
    // belong to the window, so they work while the menu is closed.
    auto* file = NewMenu(this, "Datei1");
    menuCaption(file, TextId::FileMenu);
    const struct {
        const char* name;
        TextId caption;
        QKeySequence shortcut;
        void (TFormWRG::*command)();
    } commands[] = {
        {"Neu1", TextId::MenuNew, QKeySequence::New, &TFormWRG::Neu1Click},
        {"Oeffnen1", TextId::MenuOpen, QKeySequence::Open, &TFormWRG::Oeffnen1Click},
        {"Speichern1", TextId::MenuSave, QKeySequence::Save, &TFormWRG::Speichern1Click},
        {"Speichernunter1", TextId::MenuSaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
         &TFormWRG::SpeichernUnter1Click},
        {"Projektdaten1", TextId::MenuTitleAndNote, QKeySequence(), &TFormWRG::Projektdaten1Click},
    };
    for (const auto& command : commands) {
        auto* item = NewItem(file, command.name);
        itemCaption(item, command.caption);
        item->setShortcut(command.shortcut);
        item->setShortcutContext(Qt::WindowShortcut);
        addAction(item);
        connect(item, &QAction::triggered, this, command.command);
    }
    recentSeparator_ = file->addSeparator();
    for (int position = 0; position < static_cast<int>(RecentProjectCount); ++position) {
        auto* item = NewItem(file, "");
        item->setObjectName(QStringLiteral("Projekt%1").arg(position + 1));
        connect(item, &QAction::triggered, this, [this, position] { RecentProjectClick(position); });
        recentItems_.push_back(item);
    }
    file->addSeparator();
    auto* exit = NewItem(file, "Beenden1");
    itemCaption(exit, TextId::MenuExit);
    connect(exit, &QAction::triggered, this, &TFormWRG::Beenden1Click);
    MainMenu1->addMenu(file);
    FillRecentMenu();

    // Cancel: no menu entry, only the Escape key of the whole window.
    Abbrechen1 = new QAction(this);
    Abbrechen1->setObjectName(QStringLiteral("Abbrechen1"));
    Abbrechen1->setShortcut(QKeySequence(Qt::Key_Escape));
    Abbrechen1->setShortcutContext(Qt::WindowShortcut);
    addAction(Abbrechen1);
    connect(Abbrechen1, &QAction::triggered, this, &TFormWRG::Abbrechen1Click);

    // Options: language, climate data, settings.
    auto* options = NewMenu(this, "Optionen1");
    menuCaption(options, TextId::OptionsMenu);
    auto* language = NewMenu(options, "Sprache1");
    menuCaption(language, TextId::Language);
    auto* languageGroup = new QActionGroup(language);
    languageGroup->setExclusive(true);
    struct LanguageItem {
        const char* name;
        const char* caption;
        int number;
        bool definedVisible;
    };
    const LanguageItem languages[] = {
        {"Deutsch1", "Deutsch", LanguageNumber::German, true},
        {"English1", "English", LanguageNumber::English, true},
        {"Francais1", "Francais", LanguageNumber::French, true},
        {"Polski1", "Polski", LanguageNumber::Polish, false},
        {"Russian1", "Russian", LanguageNumber::Russian, false},
        {"Chinese1", "Chinese", LanguageNumber::Chinese, false},
    };
    for (const LanguageItem& entry : languages) {
        auto* item = NewItem(language, entry.name, QLatin1String(entry.caption));
        item->setCheckable(true);
        item->setData(entry.number);
        languageGroup->addAction(item);
        // The form defines the last items hidden; every offered language
        // shows its item.
        bool offered = false;
        for (const int number : OfferedLanguages)
            offered = offered || number == entry.number;
        item->setVisible(entry.definedVisible || offered);
        item->setEnabled(entry.definedVisible || offered);
        const int number = entry.number;
        connect(item, &QAction::triggered, this, [this, number] { LanguageClick(number); });
        languageItems_.push_back(item);
    }
    options->addMenu(language);
    auto* climate = NewItem(options, "Klimadaten1");
    itemCaption(climate, TextId::ClimateData, QStringLiteral("&"));
    connect(climate, &QAction::triggered, this, &TFormWRG::Button_DefineClick);
    auto* settings = NewItem(options, "Einstellungen1");
    itemCaption(settings, TextId::Settings);
    connect(settings, &QAction::triggered, this, &TFormWRG::Einstellungen1Click);
    MainMenu1->addMenu(options);

    // Help.
    auto* help = NewMenu(this, "Hilfe1");
    menuCaption(help, TextId::HelpMenu);
    auto* contents = NewItem(help, "Inhalt1");
    itemCaption(contents, TextId::Contents);
    connect(contents, &QAction::triggered, this, &TFormWRG::Inhalt1Click);
    help->addSeparator();
    auto* home = NewItem(help, "QuorvaneHomepage1", QStringLiteral("Quorvane &Homepage"));
    connect(home, &QAction::triggered, this, &TFormWRG::QuorvaneHomepage1Click);
    auto* mail = NewItem(help, "Quorvaneemail1", QStringLiteral("Quorvane &E-Mail"));
    connect(mail, &QAction::triggered, this, &TFormWRG::Quorvaneemail1Click);
    help->addSeparator();
    auto* info = NewItem(help, "Info1");
    itemCaption(info, TextId::Info);
    connect(info, &QAction::triggered, this, &TFormWRG::Info1Click);
    MainMenu1->addMenu(help);
}

void TFormWRG::LanguageClick(int language)
{
    SetCurrentLanguage(language);
    InstallQtTranslations(language);
    for (QAction* item : languageItems_)
        item->setChecked(item->data().toInt() == language);
    if (settingsFile_) {
        if (const auto failed = WriteLanguage(*settingsFile_, language))
            ShowError(windowTitle(), QString::fromStdString(failed->Text()));
    }
    ApplyLanguage();
}

void TFormWRG::Inhalt1Click()
{
    ShowHelp(QString::fromLatin1(HelpContentsTopic), this);
}

void TFormWRG::Info1Click()
{
    // Created on first use and kept for the rest of the run.
    auto* info = findChild<TFormInfo*>(QStringLiteral("FormInfo"), Qt::FindDirectChildrenOnly);
    if (!info) {
        info = new TFormInfo(this);
        info->setObjectName(QStringLiteral("FormInfo"));
    }
    info->RefreshLanguagePicture();
    info->exec();
}

void TFormWRG::Beenden1Click()
{
    close();
}

void TFormWRG::Abbrechen1Click()
{
    cancelRequested_ = true;
}

void TFormWRG::keyPressEvent(QKeyEvent* event)
{
    // Escape reaches the window itself when the cancel shortcut does not
    // take it (the window is not the active one); it must not reach the
    // dialog base, which would hide the window and end the program.
    if (event->key() == Qt::Key_Escape || event->matches(QKeySequence::Cancel)) {
        if (calculating_)
            Abbrechen1Click();
        event->accept();
        return;
    }
    TVxForm::keyPressEvent(event);
}

void TFormWRG::QuorvaneHomepage1Click()
{
    OpenUrl(QUrl(QString::fromLatin1(MakerWebAddress)));
}

void TFormWRG::Quorvaneemail1Click()
{
    OpenUrl(MakerMailUrl(windowTitle()));
}
