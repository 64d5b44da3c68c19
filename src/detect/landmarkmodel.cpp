#include "detect/landmarkmodel.h"

#include "detect/modelfile.h"

namespace quorvel {

LandmarkModel::LandmarkModel(std::string modelFile) : modelFile_(std::move(modelFile)) {}

LandmarkModel::~LandmarkModel() {
    const std::lock_guard lock(mutex_);
    if (load_.valid()) {
        load_.wait();
    }
}

void LandmarkModel::Start() {
    const std::lock_guard lock(mutex_);
    if (load_.valid()) {
        return;
    }
    if (modelFile_.empty()) {
        modelFile_ = LandmarkModelFile();
    }
    load_ = std::async(std::launch::async, [this, file = modelFile_] {
                const auto started = std::chrono::steady_clock::now();
                auto finder = std::make_shared<const FaceFinder>(file);
                const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
                    std::chrono::steady_clock::now() - started);
                const std::lock_guard timeLock(timeMutex_);
                loadTime_ = took;
                return finder;
            }).share();
}

bool LandmarkModel::Ready() const {
    const std::lock_guard lock(mutex_);
    return load_.valid() && load_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

const FaceFinder& LandmarkModel::Wait() {
    Start();
    std::shared_future<std::shared_ptr<const FaceFinder>> load;
    {
        const std::lock_guard lock(mutex_);
        load = load_;
    }
    return *load.get();
}

std::chrono::milliseconds LandmarkModel::LoadTime() const {
    const std::lock_guard lock(timeMutex_);
    return loadTime_;
}

} // namespace quorvel
