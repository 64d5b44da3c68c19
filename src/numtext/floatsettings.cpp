#include "numtext/floatsettings.h"

#include <cfenv>

namespace quorvel {

void ResetFloatSettings() {
    // The default environment rounds to nearest, masks every exception (faults
    // are found by testing results) and keeps subnormals (no flush to zero).
    std::fesetenv(FE_DFL_ENV);
    std::feclearexcept(FE_ALL_EXCEPT);
}

} // namespace quorvel
