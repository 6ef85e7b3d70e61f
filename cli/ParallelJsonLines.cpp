// Answering JSON Lines on several threads, in the order of the lines.

#include "cli/ParallelJsonLines.h"

#include <algorithm>
#include <istream>
#include <map>
#include <mutex>
#include <optional>
#include <ostream>
#include <thread>
#include <vector>

#include "cli/JsonLines.h"

int DefaultJobCount()
{
    return static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
}

namespace {

// What the threads share: the input under one lock, the answers and the
// output under another, so that a thread waiting for the next input line
// never holds up the answers that are ready.
class LineQueue {
public:
    LineQueue(std::istream& in, std::ostream& out, const std::function<void(int)>& finished)
        : in_(in), out_(out), finished_(finished)
    {
    }

    // The next line to answer and its number, none at the end of the input.
    std::optional<std::pair<long, std::string>> Take()
    {
        const std::lock_guard hold(readLock_);
        std::string line;
        while (std::getline(in_, line)) {
            if (!IsBlankLine(line))
                return std::pair{read_++, std::move(line)};
        }
        return std::nullopt;
    }

    // Keeps the answer of line `number` and writes every answer that is now
    // next in order.
    void Finish(long number, std::string answer, bool failed)
    {
        const std::lock_guard hold(writeLock_);
        done_.emplace(number, std::move(answer));
        anyFailed_ = anyFailed_ || failed;
        for (auto next = done_.begin(); next != done_.end() && next->first == written_; next = done_.begin()) {
            out_ << next->second << '\n' << std::flush;
            done_.erase(next);
            ++written_;
            if (finished_)
                finished_(static_cast<int>(written_));
        }
    }

    bool AnyFailed() const { return anyFailed_; }

private:
    std::mutex readLock_;
    std::istream& in_;
    long read_ = 0;

    std::mutex writeLock_;
    std::ostream& out_;
    const std::function<void(int)>& finished_;
    long written_ = 0;
    std::map<long, std::string> done_;  // answers waiting for an earlier line
    bool anyFailed_ = false;
};

}  // namespace

int RunJsonLinesInParallel(std::istream& in, std::ostream& out, int jobs,
                           const std::function<std::string(const nlohmann::json&)>& answer,
                           const std::function<void(int finished)>& finished)
{
    LineQueue queue(in, out, finished);
    const auto work = [&queue, &answer] {
        while (auto next = queue.Take()) {
            bool failed = false;
            std::string text = AnswerJsonLine(next->second, answer, failed);
            queue.Finish(next->first, std::move(text), failed);
        }
    };
    std::vector<std::jthread> threads;
    for (int i = 1; i < std::max(jobs, 1); ++i)
        threads.emplace_back(work);
    work();
    threads.clear();  // joins
    return queue.AnyFailed() ? 1 : 0;
}
