// The main window and the settings file: the defaults of a first start, the
// inputs of the last calculation in the next run, values the selectors do not
// offer, a file of nonsense and a failing save.

#include <QFile>
#include <QTemporaryDir>

#include "core/settings/SettingsFile.h"
#include "tests/gui/mainwindow/MainWindowSupport.h"

class MainWindowSettingsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    MessageLog messages_;
    QString Ini() const { return dir_.filePath(QStringLiteral("Quorvane.ini")); }

private slots:
    void init()
    {
        QFile::remove(Ini());
        messages_.clear();
    }

    void firstStartAndLastCalculationComeBack()
    {
        {
            TIniDatei file(Ini().toStdString());
            TFormWRG w;
            w.LoadSettingsIntoWindow(file);
            QCOMPARE(Fields(w.ReadInputs()), Fields(CalcInputs{}));
            w.show();
            C(w, "Edit_VolZuWi")->SetValue(8000);
            C(w, "Edit_TageWoche")->SetValue(5.5);
            w.Button1->click();
            QVERIFY2(messages_.isEmpty() && w.LastResults(), qPrintable(messages_.join('\n')));
            C(w, "Edit_Zins")->SetValue(9);  // after the last calculation: not kept
            QVERIFY(w.close());
        }
        TIniDatei file(Ini().toStdString());
        TFormWRG w;
        w.LoadSettingsIntoWindow(file);
        QCOMPARE(C(w, "Edit_VolZuWi")->Value(), 8000.0);
        QCOMPARE(C(w, "Edit_TageWoche")->Value(), 5.5);
        QCOMPARE(C(w, "Edit_Zins")->Value(), 8.0);
    }

    void unofferedValuesAndKeptOptions()
    {
        QByteArray climate;
        for (const char* name : {"a.wrgk", "b.wrgk"}) {
            Write(dir_.filePath(QLatin1String(name)), "x");
            climate += dir_.filePath(QLatin1String(name)).toUtf8() + "=User " + name + "\n";
        }
        Write(Ini(),
              "[GLOBAL]\nVersion=201101\n[WRG_Selection]\nClimateZone=9\n[WRG_Device]\nRotortype=4\n"
              "[Options]\nCurrency=CHF\n[WRG_Options]\nSI=0\nDecimalSeparator=,\nThousandSeparator=.\n"
              "[WRG_ClimateData]\n" +
                  climate);
        TIniDatei file(Ini().toStdString());
        {
            TFormWRG w;
            w.LoadSettingsIntoWindow(file);
            QCOMPARE(C<QComboBox>(w, "Combo_Klimazone")->count(), 5);
            QCOMPARE(C<QComboBox>(w, "Combo_Klimazone")->currentIndex(), 0);
            QCOMPARE(C<QComboBox>(w, "Combo_Rotortyp")->currentIndex(), 1);
            // SI = 0: UK/US units, the stored values converted.
            QVERIFY(!w.siUnits && w.currency == QStringLiteral("CHF"));
            QVERIFY(qAbs(C(w, "Edit_VolZuWi")->Value() - 5886.0) < 1e-6);
            QVERIFY(qAbs(C(w, "Edit_TempWi")->Value() - 71.6) < 1e-9);
            // Every edit shows the stored separators, also those the unit
            // switch does not touch.
            QCOMPARE(C(w, "Edit_Zins")->text() + " " + C(w, "Edit_TempWi")->text(), QStringLiteral("8,0 71,6"));
            QVERIFY(w.SaveSettingsOfWindow());
        }
        TIniDatei saved(Ini().toStdString());
        QVERIFY(!saved.ReadBool("WRG_Options", "SI", true));
        QCOMPARE(saved.ReadSection("WRG_ClimateData").size(), std::size_t{2});
        SetProgramSeparators({'.', ','});
    }

    void nonsenseStartsUsableWithDefaults()
    {
        Write(Ini(),
              "[GLOBAL]\nVersion=201101\n[WRG_Selection]\nSVol11W=lots\nTemp21W=1e999\nClimateZone=-4\n"
              "[WRG_Device]\nDeviceType=7\nRotortype=x\nDiameter=big\nPWTEdge=99\n[WRG_Control]\n"
              "DaysWeek=,,\nSOperation=0\n[WRG_Economy]\nInvestment=\n[WRG_Options]\nDecimalSeparator=5\n");
        TIniDatei file(Ini().toStdString());
        TFormWRG w;
        w.LoadSettingsIntoWindow(file);
        QCOMPARE(Fields(w.ReadInputs()), Fields(CalcInputs{}));
        w.show();
        w.Button1->click();
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('\n')));
        QVERIFY(!w.StringGrid1->item(0, 1)->text().isEmpty());
    }

    // Stored values the fields would reject, or a half-open heating period,
    // come back as their defaults and calculate as such.
    void rejectedValuesLoadAsDefaults()
    {
        Write(Ini(),
              "[GLOBAL]\nVersion=201101\n[WRG_Selection]\nHumidity21W=150\nSVol21S=-10\n"
              "[WRG_Device]\nDiameter=-1920\nPWTWidth=50\n[WRG_Control]\nMonth1=13\nMonth2=0\n"
              "DaysWeek=9\n[WRG_Economy]\nRate=-8\n");
        TIniDatei file(Ini().toStdString());
        TFormWRG w;
        w.LoadSettingsIntoWindow(file);
        QCOMPARE(Fields(w.ReadInputs()), Fields(CalcInputs{}));
        QCOMPARE(C<QComboBox>(w, "ComboBox_Monat_von")->currentIndex(), 10);
        QCOMPARE(C<QComboBox>(w, "ComboBox_Monat_bis")->currentIndex(), 5);
        QCOMPARE(C<QLineEdit>(w, "Edit_Rad")->text(), QStringLiteral("1920"));
    }

    void failedSaveDoesNotBlockClosing()
    {
        Write(dir_.filePath(QStringLiteral("taken")), "x");  // the folder is a plain file
        TIniDatei file(dir_.filePath(QStringLiteral("taken/Quorvane.ini")).toStdString());
        TFormWRG w;
        w.LoadSettingsIntoWindow(file);
        w.show();
        QVERIFY(w.close() && messages_.size() == 1);
    }
};

QTEST_MAIN(MainWindowSettingsTest)
#include "MainWindowSettingsTest.moc"
