#include "samplemodel.h"

#include "detect/landmarkmodel.h"
#include "detect/modelfile.h"

namespace quorvel::testing {

const FaceFinder& SampleFinder() {
    static LandmarkModel model(kInstalledModelFile);
    return model.Wait();
}

} // namespace quorvel::testing
