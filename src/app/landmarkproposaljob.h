#pragma once

#include "face/facelandmarks.h"

#include <future>
#include <optional>
#include <string>

namespace quorvel {

class LandmarkModel;

// One proposal of the landmarks of a picture file, off the window's thread:
// it waits for the model, reads the file afresh (the picture on screen carries
// the overlay) and finds the largest face. The window polls Finished and takes
// the result on its own thread.
class LandmarkProposalJob {
public:
    LandmarkProposalJob() = default;
    // Waits for a proposal still running: it reads the model and the file.
    ~LandmarkProposalJob();
    LandmarkProposalJob(const LandmarkProposalJob&) = delete;
    LandmarkProposalJob& operator=(const LandmarkProposalJob&) = delete;

    // Starts proposing for `pictureFile` unless a proposal runs; returns
    // whether it started. The model must outlive the proposal.
    bool Start(LandmarkModel& model, const std::string& pictureFile);
    // Started and not yet taken.
    bool Running() const { return result_.valid(); }
    // Running and its result is there; never blocks.
    bool Finished() const;
    // The finished proposal, which ends the job: the landmarks, none when no
    // face was found; rethrows the failure of the model's load or of the
    // picture's reading.
    std::optional<FaceLandmarks> Take();
    // The file the running proposal reads.
    const std::string& PictureFile() const { return pictureFile_; }

private:
    std::future<std::optional<FaceLandmarks>> result_;
    std::string pictureFile_;
};

} // namespace quorvel
