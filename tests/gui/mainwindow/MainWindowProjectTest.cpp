// Project files in the main window: opening sets every control, saving
// writes what the core writes, the question about unsaved changes, the "*"
// of the caption, the recent projects, and files that are refused.

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <variant>

#include "core/climate/AnnualSimulation.h"
#include "core/climate/UserClimate.h"
#include "core/project/ProjectFile.h"
#include "core/settings/IniFile.h"
#include "print/MakerData.h"
#include "tests/core/project/ProjectSamples.h"
#include "tests/gui/mainwindow/MainWindowSupport.h"

class MainWindowProjectTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QStringList messages_;
    QStringList questions_;
    int answer_ = SaveAnswerCancel;  // to the question about unsaved changes
    QString chosen_;                 // the file the dialogs choose; empty: cancel
    int dialogs_ = 0;

    QString Path(const char* name) const { return dir_.filePath(QLatin1String(name)); }

    // A project file of the sample project with the given title.
    QString Sample(const char* name, const std::string& title = "Sample")
    {
        Project project = SampleProject(true);
        project.Title = title;
        // A profile the sample's rotor offers, so that its list can show it.
        project.Inputs.StorageMassCode = "D19";
        // More digits than the conversion to UK/US units and back keeps.
        project.Inputs.SupplyVolSummer = 9000.123456789;
        if (WriteProjectFile(Path(name).toStdString(), project))
            qFatal("sample not written");
        return Path(name);
    }

    static void Modify(TFormWRG& w)
    {
        C(w, "Edit_Zins")->SetValue(6.5);
        w.AenderungKosten();
    }
    // Title and note typed into the project data window, then OK or Cancel.
    static void EditTitleAndNote(TFormWRG& w, const QString& title, const QString& note, bool ok)
    {
        QTimer::singleShot(0, &w, [=] {
            QWidget* data = QApplication::activeModalWidget();
            QVERIFY(data && data->objectName() == QStringLiteral("FormProjektdaten"));
            C<QLineEdit>(*data, "Edit_Titel")->setText(title);
            C<QPlainTextEdit>(*data, "Memo_Notiz")->setPlainText(note);
            C<QPushButton>(*data, ok ? "Button_OK" : "Button_Cancel")->click();
        });
        w.Projektdaten1Click();
    }
    static bool Starred(const TFormWRG& w)
    {
        return w.windowTitle().section(QStringLiteral(" - "), 0, 0).endsWith('*');
    }

private slots:
    void init()
    {
        messages_.clear();
        questions_.clear();
        answer_ = SaveAnswerCancel;
        chosen_.clear();
        dialogs_ = 0;
        SetMessageBoxHook([this](const QString& text, TMessageType type, const QString&) {
            (type == TMessageType::Question ? questions_ : messages_) << text;
            return type == TMessageType::Question ? answer_ : MessageResultOK;
        });
        TFormWRG::SetProjectDialogHook([this](TFormWRG::TProjectFileChoice, const QString&) {
            ++dialogs_;
            return chosen_;
        });
    }
    void cleanup()
    {
        SetMessageBoxHook({});
        TFormWRG::SetProjectDialogHook({});
    }

    // The sample project (UK/US, an embedded climate no file has) replaces
    // a calculated design: every input, the units, the climate as a zone of
    // its own, title and note; the results go; a calculation runs on the
    // embedded climate with the numbers of the core.
    void openSetsEveryControlAndEmptiesResults()
    {
        TFormWRG w;
        w.show();
        w.Button1Click();
        QVERIFY(w.LastResults());
        QVERIFY(w.OpenProject(Sample("a.wrg", "Klinikum Nord")));
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('\n')));

        CalcInputs expected = ReadProjectFile(Path("a.wrg").toStdString()).value().project.Inputs;
        expected.ClimateZone = 4;  // after the three built-in zones
        QCOMPARE(Fields(w.ReadInputs()), Fields(expected));
        QVERIFY(w.ReadInputs() == expected);  // to the last bit
        QVERIFY(!w.siUnits);
        QCOMPARE(Text(w, "Label7"), QStringLiteral("cfm"));
        auto* zone = C<QComboBox>(w, "Combo_Klimazone");
        QCOMPARE(zone->count(), 4);
        QCOMPARE(zone->currentText(), Q(SampleClimate().Name));
        QCOMPARE(w.ProjectNote(), SampleProject(true).Note);
        QVERIFY(w.windowTitle().startsWith(QStringLiteral("Klinikum Nord - ")));
        QCOMPARE(EnabledButtons(w), QStringLiteral("13"));
        QVERIFY(Text(w, "Label65").isEmpty());
        QVERIFY(!w.ProjectModified());

        w.Button1Click();
        QVERIFY2(w.LastResults(), qPrintable(messages_.join('\n')));
        expected.ClimateZone = EmbeddedClimateZone;
        const SimulationOutcome core = SimulateYear(expected, ClimateYearOfRecord(SampleClimate()), SimulationHooks{});
        QCOMPARE(w.LastResults()->WinterSensible, std::get<AnnualResults>(core).WinterSensible);
        QCOMPARE(w.LastResults()->SummerLatent, std::get<AnnualResults>(core).SummerLatent);
    }

    // Save as writes the file the core writes for the design, the climate of
    // a listed file embedded; opened again, that climate selects its file.
    // A save that fails says why and keeps the old file and the state.
    void saveWritesWhatTheCoreWrites()
    {
        const std::string climateFile = Path("site.cli").toStdString();
        QVERIFY(!WriteClimateFile(climateFile, SampleClimate()));
        TFormWRG w;
        w.SetClimateFiles({{climateFile}, {SampleClimate().Name}});
        C<QComboBox>(w, "Combo_Klimazone")->setCurrentIndex(3);
        EditTitleAndNote(w, QStringLiteral("RLT 3"), QString(), true);
        QVERIFY(Starred(w));
        chosen_ = Path("saved.wrg");
        w.Speichern1Click();
        QCOMPARE(dialogs_, 1);
        Project expected = ProjectOf(w.ReadInputs(), true, SampleClimate());
        expected.Title = "RLT 3";
        QCOMPARE(FileText(chosen_), QByteArray::fromStdString(ProjectText(expected)));
        QVERIFY(!Starred(w) && w.windowTitle().startsWith(QStringLiteral("RLT 3 - ")));
        QCOMPARE(w.ProjectPath(), chosen_);

        TFormWRG other;
        other.SetClimateFiles(w.ClimateFiles());
        QVERIFY(other.OpenProject(chosen_));
        QCOMPARE(C<QComboBox>(other, "Combo_Klimazone")->count(), 4);
        QCOMPARE(other.ReadInputs().ClimateZone, 4);

        Modify(w);
        chosen_ = Path("missing/folder/x.wrg");
        w.SpeichernUnter1Click();
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].contains(QStringLiteral("x.wrg")));
        QCOMPARE(w.ProjectPath(), Path("saved.wrg"));
        QVERIFY(Starred(w));
        QCOMPARE(FileText(Path("saved.wrg")), QByteArray::fromStdString(ProjectText(expected)));
    }

    // New, Open and closing ask about unsaved changes: Cancel changes
    // nothing, Don't save goes on, Save writes first. No question without
    // changes.
    void questionForNewOpenAndClose()
    {
        const QString sample = Sample("q.wrg");
        TFormWRG w;
        w.show();
        w.Neu1Click();
        QVERIFY(questions_.isEmpty());

        Modify(w);
        answer_ = SaveAnswerCancel;
        w.Neu1Click();
        w.Oeffnen1Click();
        QVERIFY(!w.close());
        QCOMPARE(questions_.size(), 3);
        QCOMPARE(dialogs_, 0);
        QVERIFY(w.isVisible() && Starred(w));
        QCOMPARE(C(w, "Edit_Zins")->Value(), 6.5);

        answer_ = SaveAnswerDiscard;
        chosen_ = sample;
        w.Oeffnen1Click();
        QCOMPARE(dialogs_, 1);
        QCOMPARE(w.ProjectPath(), sample);

        Modify(w);
        answer_ = SaveAnswerSave;
        w.Neu1Click();  // saves to the project's own file, no dialog
        QCOMPARE(dialogs_, 1);
        QVERIFY(w.ProjectPath().isEmpty());
        QCOMPARE(Fields(w.ReadInputs()), Fields(CalcInputs{}));
        Outcome<ProjectRead> saved = ReadProjectFile(sample.toStdString());
        QVERIFY(saved.ok() && saved.value().project.Inputs.InterestRate == 6.5);

        Modify(w);
        answer_ = SaveAnswerDiscard;
        QVERIFY(w.close());
        QCOMPARE(questions_.size(), 6);
        QVERIFY(messages_.isEmpty());
    }

    // The "*" follows every kind of change and goes when the change is
    // taken back; a text that is no number counts as a change.
    void starFollowsChanges()
    {
        TFormWRG w;
        w.show();
        QCOMPARE(w.windowTitle(), Q(ProgramCaption()));
        auto* edit = C(w, "Edit_VolZuWi");
        TypeInto(edit, QStringLiteral("8000"));
        QVERIFY(Starred(w) && w.windowTitle().startsWith(Q(CatalogueText(TextId::Untitled))));
        TypeInto(edit, QStringLiteral("10000"));
        QVERIFY(!Starred(w));
        TypeInto(edit, QStringLiteral("10000x"));
        QVERIFY(Starred(w) && w.ProjectModified());
        TypeInto(edit, QStringLiteral("10000"));
        EditTitleAndNote(w, QString(), QStringLiteral("Angebot 4711"), false);
        QVERIFY(!Starred(w) && w.ProjectNote().empty());
        EditTitleAndNote(w, QString(), QStringLiteral("Angebot 4711"), true);
        QVERIFY(Starred(w) && w.ProjectNote() == "Angebot 4711");
        EditTitleAndNote(w, QString(), QString(), true);
        C<QAbstractButton>(w, "RadioButton_GS")->click();
        QVERIFY(Starred(w));
        C<QAbstractButton>(w, "RadioButton_RWT")->click();
        QVERIFY(!Starred(w));
        w.SetUnitSystem(false);
        QVERIFY(Starred(w));
        w.SetUnitSystem(true);
        QVERIFY(!Starred(w));
    }

    // The recent projects: most recent first, each once, at most six, kept
    // in the settings file; a file that is gone says so and leaves the list.
    void recentProjects()
    {
        const QString ini = Path("recent.ini");
        const char* names[] = {"r1.wrg", "r2.wrg", "r3.wrg", "r4.wrg", "r5.wrg", "r6.wrg", "r7.wrg"};
        {
            TIniDatei file(ini.toStdString());
            TFormWRG w;
            w.LoadSettingsIntoWindow(file);
            for (const char* name : names)
                QVERIFY(w.OpenProject(Sample(name)));
            QVERIFY(w.OpenProject(Path("r3.wrg")));
            QVERIFY(w.close());
        }
        TIniDatei file(ini.toStdString());
        TFormWRG w;
        w.LoadSettingsIntoWindow(file);
        const std::vector<std::string> expected = {"r3.wrg", "r7.wrg", "r6.wrg", "r5.wrg", "r4.wrg", "r2.wrg"};
        QCOMPARE(w.RecentProjects().size(), expected.size());
        for (std::size_t at = 0; at < expected.size(); ++at)
            QCOMPARE(w.RecentProjects()[at], Path(expected[at].c_str()).toStdString());
        auto* first = C<QAction>(w, "Projekt1");
        QVERIFY(first->isVisible() && first->text().startsWith(QStringLiteral("&1 ")));
        QVERIFY(first->text().endsWith(QStringLiteral("r3.wrg")));

        QVERIFY(QFile::remove(Path("r7.wrg")));
        w.RecentProjectClick(1);
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_[0].contains(QStringLiteral("r7.wrg")));
        QCOMPARE(w.RecentProjects().size(), std::size_t{5});
        QCOMPARE(w.RecentProjects()[1], Path("r6.wrg").toStdString());
        QVERIFY(!C<QAction>(w, "Projekt6")->isVisible());
        QVERIFY(w.ProjectPath().isEmpty());
    }

    // Files the reader refuses show the message naming the field and leave
    // the window as it was; a file with a missing field opens with a warning.
    void refusedFileLeavesWindowUnchanged()
    {
        TFormWRG w;
        QVERIFY(w.OpenProject(Sample("good.wrg")));
        Modify(w);
        const QStringList before = Fields(w.ReadInputs());
        const QString caption = w.windowTitle();
        Write(Path("text.wrg"), "no project");
        QByteArray wrongField = FileText(Path("good.wrg"));
        wrongField.replace("\"WheelDiameter\": 2500", "\"WheelDiameter\": -5");
        Write(Path("field.wrg"), wrongField);
        answer_ = SaveAnswerDiscard;
        for (const char* name : {"text.wrg", "field.wrg"})
            QVERIFY(!w.OpenProject(Path(name)));
        QCOMPARE(messages_.size(), 2);
        QVERIFY(messages_[1].contains(QStringLiteral("Inputs.WheelDiameter")));
        QCOMPARE(Fields(w.ReadInputs()), before);
        QCOMPARE(w.windowTitle(), caption);
        QCOMPARE(w.ProjectPath(), Path("good.wrg"));
        QVERIFY(!w.siUnits);
        QCOMPARE(w.RecentProjects().size(), std::size_t{1});

        QByteArray missing = FileText(Path("good.wrg"));
        missing.replace("\"DrivePower\": 250,", "");
        Write(Path("missing.wrg"), missing);
        QVERIFY(w.OpenProject(Path("missing.wrg")));
        QCOMPARE(messages_.size(), 3);
        QVERIFY(messages_[2].contains(QStringLiteral("DrivePower")));
        QCOMPARE(C<TIntEdit>(w, "Edit_Antrieb")->Value(), CalcInputs{}.DrivePower);
    }
};

QTEST_MAIN(MainWindowProjectTest)
#include "MainWindowProjectTest.moc"
