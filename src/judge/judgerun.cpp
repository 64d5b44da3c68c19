#include "judge/judgerun.h"

#include "numtext/floatsettings.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace quorvel {

void JudgeAll(const std::vector<std::string>& files, int jobs,
              const std::function<FileJudgement(const std::string&)>& judge,
              const std::function<void(const FileJudgement&, std::size_t)>& report) {
    std::vector<std::optional<FileJudgement>> done(files.size());
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        // The arithmetic settings belong to each thread.
        ResetFloatSettings();
        for (std::size_t i = next++; i < files.size(); i = next++) {
            FileJudgement judged = judge(files[i]);
            const std::lock_guard lock(mutex);
            done[i] = std::move(judged);
            finished.notify_one();
        }
    };
    std::vector<std::jthread> workers;
    const auto threads = std::min(files.size(), static_cast<std::size_t>(std::max(1, jobs)));
    for (std::size_t t = 0; t < threads; ++t) {
        workers.emplace_back(work);
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::unique_lock lock(mutex);
        finished.wait(lock, [&] { return done[i].has_value(); });
        const FileJudgement judged = std::move(*done[i]);
        done[i].reset();
        lock.unlock();
        report(judged, i + 1);
    }
}

} // namespace quorvel
