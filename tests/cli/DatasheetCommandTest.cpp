// wrgcalc datasheet as scripts run it: the built program writes a PDF file
// from a settings file, or says on stderr why it did not.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "tests/print/PdfPageCount.h"

namespace {

namespace fs = std::filesystem;

struct RunResult {
    std::string err;
    int status = -1;
};

// A fresh folder with an empty settings file, so that the defaults of a
// first start are calculated and not the settings of the user.
class DatasheetCommand : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::path(testing::TempDir()) / ("wrgcalc-datasheet-" + std::to_string(getpid()));
        fs::create_directories(folder_);
        std::ofstream(settings_ = (folder_ / "settings.ini").string());
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Runs wrgcalc with `args` (shell words); cut off after two minutes.
    RunResult Run(const std::string& args) const
    {
        const std::string errPath = (folder_ / "stderr.txt").string();
        const std::string command = std::string("timeout 120 \"") + WRGCALC_PATH + "\" " + args + " --settings \"" +
                                    settings_ + "\" > /dev/null 2> \"" + errPath + "\"";
        const int raw = std::system(command.c_str());
        RunResult result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        std::ifstream err(errPath, std::ios::binary);
        result.err.assign(std::istreambuf_iterator<char>(err), {});
        return result;
    }

    std::string Out(const std::string& name) const { return (folder_ / name).string(); }

    fs::path folder_;
    std::string settings_;
};

TEST_F(DatasheetCommand, WritesTheChosenSheets)
{
    const struct {
        const char *sheet, *language;
        int pages;
    } cases[] = {{"all", "", 3}, {"energy", "--language 1", 1}, {"cost", "--language 8", 1}, {"diagram", "", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sheet);
        const std::string out = Out(std::string(c.sheet) + ".pdf");
        const RunResult result = Run(std::string("datasheet ") + c.sheet + " " + c.language + " --out \"" + out + "\"");
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(PdfPageCount(out), c.pages);
    }
}

TEST_F(DatasheetCommand, RefusesWhatItCannotDo)
{
    const struct {
        const char* args;
        int status;
        const char* message;
    } cases[] = {
        {"datasheet all --language 5 --out \"%s\"", 2, "language 5"},
        {"datasheet summary --out \"%s\"", 2, "summary"},
        {"datasheet all", 2, "--out"},
        {"datasheet all --out \"%s/missing/x.pdf\"", 1, "missing/x.pdf"},
        {"datasheet all --climate \"%s/none.cli\" --out \"%s\"", 1, "none.cli"},
        {"datasheet all --project \"%s/none.wrg\" --out \"%s\"", 1, "none.wrg was not found"},
        {"datasheet all --project \"%s/settings.ini\" --out \"%s\"", 1, "not valid JSON"},
        {"datasheet all --project \"%s/none.wrg\" --climate \"%s/none.cli\" --out \"%s\"", 2, "excludes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        std::string args = c.args;
        // "%s/" is the test's folder, any other "%s" the output file.
        for (std::size_t at; (at = args.find("%s")) != std::string::npos;)
            args.replace(at, 2, args.compare(at, 3, "%s/") == 0 ? folder_.string() : Out("refused.pdf"));
        const RunResult result = Run(args);
        EXPECT_EQ(result.status, c.status);
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(Out("refused.pdf")));
    }
}

TEST_F(DatasheetCommand, DrawsAProjectFile)
{
    const std::string project = Out("unit.wrg");
    ASSERT_EQ(Run("project new --out \"" + project + "\"").status, 0);
    const RunResult result = Run("datasheet all --project \"" + project + "\" --out \"" + Out("unit.pdf") + "\"");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(PdfPageCount(Out("unit.pdf")), 3);
}

// A settings file named on the command line that is not there is an error,
// not a first start; no file is written.
TEST_F(DatasheetCommand, RefusesANamedSettingsFileThatIsNotThere)
{
    settings_ = Out("none.ini");
    const RunResult result = Run("datasheet all --out \"" + Out("refused.pdf") + "\"");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find(settings_), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("not found"), std::string::npos) << result.err;
    EXPECT_FALSE(fs::exists(Out("refused.pdf")));
    EXPECT_FALSE(fs::exists(settings_));
}

}  // namespace
