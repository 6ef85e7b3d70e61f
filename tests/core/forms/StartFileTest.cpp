// The kind of a file the windowed program is started with: climate files by
// their ending or their signature, every other file unknown, and no read
// that could block.

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "core/climate/ClimateFile.h"
#include "core/forms/StartFile.h"

namespace fs = std::filesystem;

namespace {

class StartFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::path(testing::TempDir()) / ("start-file-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    fs::path dir_;
};

TEST_F(StartFileTest, ClimateFilesByEndingOrSignature)
{
    const ClimateRecordBytes record = EncodeClimateRecord(ClimateRecord{});
    const std::string climateBytes(record.begin(), record.end());
    // By the ending in any case, also when missing or damaged: reading it
    // then names the fault.
    EXPECT_EQ(KindOfStartFile(Write("site.cli", climateBytes)), StartFileKind::Climate);
    EXPECT_EQ(KindOfStartFile(Write("SITE.CLI", "damaged")), StartFileKind::Climate);
    EXPECT_EQ(KindOfStartFile((dir_ / "missing.Cli").string()), StartFileKind::Climate);
    // By the signature under any other name.
    EXPECT_EQ(KindOfStartFile(Write("site.dat", climateBytes)), StartFileKind::Climate);
    EXPECT_EQ(KindOfStartFile(Write("site", climateBytes.substr(0, 16))), StartFileKind::Climate);
}

TEST_F(StartFileTest, ProjectFilesByEndingOrFormatName)
{
    EXPECT_EQ(KindOfStartFile(Write("unit3.WRG", "damaged")), StartFileKind::Project);
    EXPECT_EQ(KindOfStartFile((dir_ / "missing.wrg").string()), StartFileKind::Project);
    EXPECT_EQ(KindOfStartFile(Write("unit3.json", "\n  {\n  \"Format\": \"WRG project\",\n  \"Version\": 1\n}")),
              StartFileKind::Project);
    // The format name outside a JSON object, or another JSON text, is no project.
    EXPECT_EQ(KindOfStartFile(Write("notes.txt", "see \"WRG project\"")), StartFileKind::Unknown);
    EXPECT_EQ(KindOfStartFile(Write("other.json", "{\"Format\": \"other\"}")), StartFileKind::Unknown);
}

TEST_F(StartFileTest, EverythingElseIsUnknownWithoutBlocking)
{
    const std::string signature = "\x0fWRG*****/CLI/02";
    EXPECT_EQ(KindOfStartFile(Write("short.dat", signature.substr(0, 15))), StartFileKind::Unknown);
    EXPECT_EQ(KindOfStartFile(Write("other.dat", "\x0fWRG*****/CLI/01 and more")), StartFileKind::Unknown);
    EXPECT_EQ(KindOfStartFile(Write("empty.txt", "")), StartFileKind::Unknown);
    EXPECT_EQ(KindOfStartFile(Write("notes.cli.txt", signature.substr(1))), StartFileKind::Unknown);
    EXPECT_EQ(KindOfStartFile((dir_ / "missing.wrx").string()), StartFileKind::Unknown);
    EXPECT_EQ(KindOfStartFile(dir_.string()), StartFileKind::Unknown);
    // A pipe without a writer would block a read: it is not read at all.
    const fs::path pipe = dir_ / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(KindOfStartFile(pipe.string()), StartFileKind::Unknown);

    const CoreMessage message = UnknownStartFileMessage("/home/a/b.txt");
    EXPECT_EQ(message.textIndex, TextId::UnknownStartFile);
    EXPECT_NE(message.Text().find("/home/a/b.txt cannot be opened"), std::string::npos);
}

}  // namespace
