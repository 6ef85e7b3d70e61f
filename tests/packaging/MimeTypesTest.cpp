// The file types the program declares to the desktop, read by Qt's MIME
// database from the installed definition alone (the test points
// XDG_DATA_DIRS at a folder that holds only it): a climate file is known by
// its signature whatever its name, a project file by its ending or its
// format name.

#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>

#include "core/climate/ClimateFile.h"

class MimeTypesTest : public QObject {
    Q_OBJECT

    static QString Write(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes)
    {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

private slots:
    void climateAndProjectFilesAreKnown()
    {
        QMimeDatabase types;
        QVERIFY2(types.mimeTypeForName(QStringLiteral("application/x-wrg-climate")).isValid(),
                 "the definition was not found under XDG_DATA_DIRS");
        const ClimateRecordBytes record = EncodeClimateRecord(ClimateRecord{});
        const QByteArray climate(reinterpret_cast<const char*>(record.data()), qsizetype(record.size()));

        QTemporaryDir folder;
        const struct {
            QString name;
            QByteArray bytes;
            const char* type;
        } files[] = {
            {"site.cli", climate, "application/x-wrg-climate"},
            {"site.dat", climate, "application/x-wrg-climate"},
            {"renamed", climate.left(16), "application/x-wrg-climate"},
            {"plant.wrg", R"({"Format": "WRG project", "Version": 1})", "application/x-wrg-project"},
            {"plant", R"({"Format":"WRG project"})", "application/x-wrg-project"},
        };
        for (const auto& file : files)
            QCOMPARE(types.mimeTypeForFile(Write(folder, file.name, file.bytes)).name(), QLatin1String(file.type));
        // Other content under another name is neither.
        const QString other = types.mimeTypeForFile(Write(folder, "other", "\x0fWRG*****/CLI/01")).name();
        QVERIFY2(!other.startsWith(QStringLiteral("application/x-wrg")), qPrintable(other));
    }
};

QTEST_GUILESS_MAIN(MimeTypesTest)
#include "MimeTypesTest.moc"
