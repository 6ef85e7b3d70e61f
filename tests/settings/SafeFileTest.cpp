// Replacing a file safely: what stands at the target path, links to it, and
// temporary files left behind by a write that was killed. Each test has its
// own folder.

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/SafeFile.h"

namespace fs = std::filesystem;

namespace {

class SafeFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "wrg-safefile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    static std::string Text(const fs::path& path)
    {
        std::stringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        return text.str();
    }
    static void Write(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder_;
};

// The id of a process that has ended: a child that exits at once, reaped.
pid_t EndedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

// A target that is there but is no regular file is refused and stays what it
// was; nothing is left beside it.
TEST_F(SafeFile, RefusesATargetThatIsNoRegularFile)
{
    const fs::path fifo = folder_ / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path folder = folder_ / "folder";
    fs::create_directory(folder);
    const fs::path linkToFifo = folder_ / "link-to-pipe";
    fs::create_symlink(fifo, linkToFifo);

    struct { fs::path path; fs::file_type stays; } rows[] = {
        {fifo, fs::file_type::fifo},
        {folder, fs::file_type::directory},
        {linkToFifo, fs::file_type::fifo},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path.string());
        const auto failure = ReplaceFile(row.path, "text", NewFileAccess::Usual, false);
        ASSERT_TRUE(failure);
        EXPECT_NE(failure->find("not a regular file"), std::string::npos) << *failure;
        EXPECT_EQ(fs::status(row.path).type(), row.stays);
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"folder", "link-to-pipe", "pipe"}));

    // A device node of its own, where the test may make one (as root).
    const fs::path device = folder_ / "null";
    if (::mknod(device.c_str(), S_IFCHR | 0600, ::makedev(1, 3)) == 0) {
        EXPECT_TRUE(ReplaceFile(device, "text", NewFileAccess::Usual, false));
        EXPECT_TRUE(fs::is_character_file(device));
    }
}

// A link stays a link: the file it names is written, whether it is there
// yet or not, also through a chain of links and relative link texts.
TEST_F(SafeFile, WritesThroughLinksEvenToAFileNotThereYet)
{
    fs::create_directory(folder_ / "data");
    const struct { const char* link; const char* points; const char* file; bool exists; } rows[] = {
        {"existing", "data/a.ini", "data/a.ini", true},
        {"dangling", "data/b.ini", "data/b.ini", false},
        {"absolute", "", "data/c.ini", false},  // link text: the absolute path of file
        {"chain", "dangling", "data/b.ini", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.link);
        const fs::path link = folder_ / row.link, file = folder_ / row.file;
        if (row.exists)
            Write(file, "old");
        fs::create_symlink(*row.points ? fs::path(row.points) : file, link);
        ASSERT_FALSE(ReplaceFile(link, std::string("new ") + row.link, NewFileAccess::Usual, false));
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(Text(file), std::string("new ") + row.link);
    }
    EXPECT_EQ(Names(), (std::vector<std::string>{"absolute", "chain", "dangling", "data", "existing"}));

    // A loop of links names no file.
    fs::create_symlink("loop-b", folder_ / "loop-a");
    fs::create_symlink("loop-a", folder_ / "loop-b");
    EXPECT_TRUE(ReplaceFile(folder_ / "loop-a", "text", NewFileAccess::Usual, false));
    EXPECT_TRUE(fs::is_symlink(folder_ / "loop-a"));
}

// Temporary files of writes that were killed before their rename go with the
// next write of the same file. Those of a process still running (it may be
// writing right now), of other files and of other names stay.
TEST_F(SafeFile, ANewWriteRemovesTheLeftoversOfKilledWrites)
{
    const fs::path target = folder_ / "Quorvane.ini";
    const std::string ended = std::to_string(EndedProcess());
    const std::string running = std::to_string(::getppid());
    const std::vector<std::string> removed = {"Quorvane.ini.tmp" + ended + "-0", "Quorvane.ini.tmp" + ended + "-17"};
    const std::vector<std::string> kept = {
        "Quorvane.ini.tmp" + running + "-3",  // a running writer
        "Other.ini.tmp" + ended + "-0",       // another file's
        "Quorvane.ini.tmp" + ended,           // not a name the writer gives
        "Quorvane.ini.tmp" + ended + "-1x",
        "Quorvane.ini.tmpx-1",
    };
    for (const auto& names : {removed, kept})
        for (const std::string& name : names)
            Write(folder_ / name, "half");
    fs::create_directory(folder_ / ("Quorvane.ini.tmp" + ended + "-5"));  // not a file

    ASSERT_FALSE(ReplaceFile(target, "whole", NewFileAccess::Usual, false));
    EXPECT_EQ(Text(target), "whole");
    std::vector<std::string> expected = kept;
    expected.push_back("Quorvane.ini");
    expected.push_back("Quorvane.ini.tmp" + ended + "-5");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Names(), expected);
}

// Writers killed at random moments: after one more write only the file is
// left, whole.
TEST_F(SafeFile, KilledWritersLeaveNothingBehindAfterTheNextWrite)
{
    const fs::path target = folder_ / "climate.cli";
    const std::string big(2 << 20, 'x');
    for (int round = 0; round < 12; ++round) {
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (;;)
                ReplaceFile(target, big, NewFileAccess::Usual, false);
        }
        ::usleep(static_cast<useconds_t>(2000 + round * 1500));
        ::kill(writer, SIGKILL);
        int status = 0;
        ::waitpid(writer, &status, 0);
    }
    ASSERT_FALSE(ReplaceFile(target, "whole", NewFileAccess::Usual, false));
    EXPECT_EQ(Names(), std::vector<std::string>{"climate.cli"});
    EXPECT_EQ(Text(target), "whole");
}

}  // namespace
