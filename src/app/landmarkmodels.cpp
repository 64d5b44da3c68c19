#include "app/landmarkmodels.h"

#include "detect/modelfile.h"

#include <map>
#include <memory>
#include <string>

namespace quorvel {

LandmarkModel& SharedLandmarkModel() {
    static std::map<std::string, std::unique_ptr<LandmarkModel>> models;
    const std::string file = LandmarkModelFile();
    std::unique_ptr<LandmarkModel>& model = models[file];
    if (!model) {
        model = std::make_unique<LandmarkModel>(file);
    }
    return *model;
}

} // namespace quorvel
