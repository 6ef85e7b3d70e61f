#pragma once
// JSON Lines answered on several threads: the lines are read and answered as
// they come, several at a time, and the answers are written in the order of
// the lines, byte for byte those of RunJsonLines.

#include <functional>
#include <iosfwd>
#include <string>

#include <nlohmann/json.hpp>

// The number of threads of a run when none is asked for: one per core.
int DefaultJobCount();

// Like RunJsonLines, with `jobs` threads calling `answer` at the same time
// (it must be safe for that). `finished` is called with the number of lines
// answered so far after each line whose answer was written (on the thread
// that writes, never on two at once); it may be empty.
int RunJsonLinesInParallel(std::istream& in, std::ostream& out, int jobs,
                           const std::function<std::string(const nlohmann::json&)>& answer,
                           const std::function<void(int finished)>& finished);
