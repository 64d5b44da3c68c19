#pragma once

#include "detect/facefinder.h"

#include <chrono>
#include <future>
#include <mutex>
#include <string>

namespace quorvel {

// The face finder, loaded once on a thread of its own: loading the landmark
// model takes seconds, which the caller's thread must not wait for unless it
// asks to. Every member may be called from any thread, any number of times.
class LandmarkModel {
public:
    // The model file is looked up at the first Start (LandmarkModelFile()).
    LandmarkModel() = default;
    explicit LandmarkModel(std::string modelFile);
    // Waits for a load still running: the thread reads this object's file.
    ~LandmarkModel();
    LandmarkModel(const LandmarkModel&) = delete;
    LandmarkModel& operator=(const LandmarkModel&) = delete;

    // Starts loading unless a load has started already; returns at once.
    void Start();
    // Whether a load has finished, loaded or failed; never blocks.
    bool Ready() const;
    // Starts loading if needed and waits for it. Throws the load's Failure
    // (a missing or unreadable model file) at every call.
    const FaceFinder& Wait();
    // How long the load took; zero until it has finished.
    std::chrono::milliseconds LoadTime() const;

private:
    std::string modelFile_;
    mutable std::mutex mutex_;
    std::shared_future<std::shared_ptr<const FaceFinder>> load_;
    mutable std::mutex timeMutex_; // the load's thread writes the time under it
    std::chrono::milliseconds loadTime_{0};
};

} // namespace quorvel
