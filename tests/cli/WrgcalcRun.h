#pragma once
// Runs the built wrgcalc as a script would: arguments, stdin, and back its
// stdout, stderr and exit status.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

struct RunResult {
    std::string out, err;
    int status = -1;
};

// A path in the test's temporary folder that no other call returns.
inline std::string TempFile()
{
    static int count = 0;
    return testing::TempDir() + "wrgcalc-" + std::to_string(getpid()) + "-" + std::to_string(++count);
}

// Runs wrgcalc with `args` (shell words) and `input` on stdin. The run is cut
// off after a minute so that a hanging program fails instead of blocking.
inline RunResult RunWrgcalc(const std::string& args, const std::string& input = "")
{
    const std::string inPath = TempFile();
    const std::string errPath = TempFile();
    std::ofstream(inPath, std::ios::binary) << input;
    const std::string command = std::string("timeout 60 \"") + WRGCALC_PATH + "\" " + args + " < \"" + inPath +
                                "\" 2> \"" + errPath + "\"";
    RunResult result;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            result.out.append(buffer, n);
        const int raw = pclose(pipe);
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    std::ifstream err(errPath, std::ios::binary);
    result.err.assign(std::istreambuf_iterator<char>(err), {});
    std::remove(inPath.c_str());
    std::remove(errPath.c_str());
    return result;
}

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}
