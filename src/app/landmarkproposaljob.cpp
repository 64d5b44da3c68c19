#include "app/landmarkproposaljob.h"

#include "detect/landmarkmodel.h"
#include "detect/landmarkproposal.h"
#include "picture/core/picture.h"
#include "picture/pictureloader.h"

#include <chrono>

namespace quorvel {

LandmarkProposalJob::~LandmarkProposalJob() {
    if (result_.valid()) {
        result_.wait();
    }
}

bool LandmarkProposalJob::Start(LandmarkModel& model, const std::string& pictureFile) {
    if (Running()) {
        return false;
    }
    model.Start();
    pictureFile_ = pictureFile;
    result_ = std::async(std::launch::async, [&model, pictureFile] {
        const FaceFinder& finder = model.Wait();
        return ProposeLandmarks(finder, LoadPictureFile(pictureFile)->Image());
    });
    return true;
}

bool LandmarkProposalJob::Finished() const {
    return result_.valid() &&
           result_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

std::optional<FaceLandmarks> LandmarkProposalJob::Take() {
    return result_.get(); // leaves the job not running, also when it throws
}

} // namespace quorvel
