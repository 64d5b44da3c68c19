#pragma once

#include <QImage>
#include <gtest/gtest.h>

namespace quorvel::testing_support {

// Equal size, equal format, and every pixel within `tolerance` per channel;
// otherwise says which of these differs first (for pixels: where, and both values).
::testing::AssertionResult SameImage(const QImage& actual, const QImage& expected,
                                     int tolerance = 0);

// An RGB32 image from 0x00RRGGBB rows, top row first.
QImage ImageOf(const std::vector<std::vector<std::uint32_t>>& rows);

} // namespace quorvel::testing_support
