#include "detect/modelfile.h"

#include <cstdlib>

namespace quorvel {

std::string LandmarkModelFile() {
    const char* named = std::getenv(kModelFileVariable);
    return named != nullptr && *named != '\0' ? std::string(named) : kInstalledModelFile;
}

} // namespace quorvel
