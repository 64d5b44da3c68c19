#pragma once

#include <cstdint>

namespace quorvel {

// What decoding the images of one icon file may cost, so that no file costs
// more than its size allows however many entries it lists: decoded pixels
// up to one for each byte of the file, but always enough for one image of
// the largest size; and data handed to decoders up to twice the file's
// size, each attempt counting at least a share for setting the decoder up.
// Any one image fits, and so does every image of a file that lays them side
// by side; only entries that overlap, or attempts after failed ones, run out.
class DecodeAllowance {
public:
    explicit DecodeAllowance(std::uint64_t fileSize);

    // Takes the cost of decoding `pixels` from `bytes` of data; false, taking
    // nothing, where that would pass what is left.
    bool Take(std::uint64_t pixels, std::uint64_t bytes);

private:
    std::uint64_t pixels_;
    std::uint64_t bytes_;
};

} // namespace quorvel
