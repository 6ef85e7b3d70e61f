// Answering JSON Lines on several threads: the order of the lines, whatever
// order the answers are finished in.

#include <chrono>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "cli/JsonLines.h"
#include "cli/ParallelJsonLines.h"

namespace {

// Early lines take longest, so later ones finish first; "n": 3 is refused.
std::string SlowEarlyAnswer(const nlohmann::json& line)
{
    const int n = line.at("n").get<int>();
    std::this_thread::sleep_for(std::chrono::milliseconds(5 * (8 - n)));
    if (n == 3)
        throw InputError("three is refused");
    return "{\"answer\":" + std::to_string(n * n) + "}";
}

TEST(ParallelJsonLines, SameAnswersInLineOrderAsOneAtATime)
{
    std::string input;
    for (int n = 0; n < 8; ++n)
        input += "{\"n\":" + std::to_string(n) + "}\n" + (n == 5 ? "  \n[1]\n" : "");

    std::istringstream oneIn(input);
    std::ostringstream oneOut;
    const int oneStatus = RunJsonLines(oneIn, oneOut, SlowEarlyAnswer);

    for (const int jobs : {2, 4}) {
        std::istringstream in(input);
        std::ostringstream out;
        std::vector<int> finished;
        const int status = RunJsonLinesInParallel(in, out, jobs, SlowEarlyAnswer,
                                                  [&finished](int count) { finished.push_back(count); });
        EXPECT_EQ(out.str(), oneOut.str()) << jobs;
        EXPECT_EQ(status, oneStatus);
        EXPECT_EQ(finished, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9})) << jobs;
    }
    EXPECT_EQ(oneStatus, 1);
    EXPECT_NE(oneOut.str().find("three is refused"), std::string::npos);
}

TEST(ParallelJsonLines, EmptyInputAnswersNothing)
{
    std::istringstream in("\n \n");
    std::ostringstream out;
    EXPECT_EQ(RunJsonLinesInParallel(in, out, 3, SlowEarlyAnswer, {}), 0);
    EXPECT_EQ(out.str(), "");
}

}  // namespace
