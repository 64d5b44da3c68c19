#include "numtext/failure.h"
#include "picture/picture.h"
#include "support/metafilebuilder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>

namespace quorvel {
namespace {

// The process's present address space, in bytes.
rlim_t AddressSpaceInUse() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmSize:", 0) == 0) {
            return static_cast<rlim_t>(std::stoull(line.substr(7))) * 1024;
        }
    }
    return 0;
}

// Caps the address space a little above what is in use while it lives.
class ScarceMemory {
public:
    ScarceMemory() {
        ::getrlimit(RLIMIT_AS, &saved_);
        rlimit scarce = saved_;
        scarce.rlim_cur = AddressSpaceInUse() + (rlim_t{256} << 20);
        ::setrlimit(RLIMIT_AS, &scarce);
    }
    ~ScarceMemory() { ::setrlimit(RLIMIT_AS, &saved_); }
    ScarceMemory(const ScarceMemory&) = delete;
    ScarceMemory& operator=(const ScarceMemory&) = delete;

private:
    rlimit saved_{};
};

// The image a metafile plays into is made as it loads: when it cannot be
// had, the load fails and says so, rather than a later paint showing nothing.
TEST(MetafileWithoutMemory, RefusedAtLoadForLackOfResources) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than the cap";
#else
    test::EmfBuilder emf;
    emf.frame[2] = 406400; // 16000 pixels at 100 per inch: a 1000 MB image
    emf.frame[3] = 406400;
    const test::Bytes file = emf.Build();
    const ScarceMemory scarce;
    try {
        ReadMetafileFile(file);
        ADD_FAILURE() << "loaded";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "ｼｽﾃﾑ ﾘｿｰｽが足りません");
    }
#endif
}

} // namespace
} // namespace quorvel
