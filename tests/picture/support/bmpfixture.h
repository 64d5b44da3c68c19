#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::testing_support {

// Builds the bytes of a bitmap file field by field, so each test states only
// what it is about.
struct BmpFixture {
    std::string magic = "BM";
    std::uint32_t infoSize = 40;
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t planes = 1;
    std::uint16_t bitsPerPixel = 24;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t colourCount = 0;
    // After a 40-byte header, or inside one of 52 bytes or more.
    std::vector<std::uint32_t> masks;
    std::vector<std::uint32_t> table; // 0x00RRGGBB
    // Bytes between the table and the pixels, announced only by the offset field.
    std::size_t gap = 0;
    std::vector<std::uint8_t> pixels;

    std::vector<std::uint8_t> Bytes() const;
};

// Packs pixel values (table indices, 16/32-bit words, or 0x00RRGGBB for 24 bits)
// given top row first into padded rows in file order: bottom row first unless
// topDown.
std::vector<std::uint8_t> PackRows(int bitsPerPixel,
                                   const std::vector<std::vector<std::uint32_t>>& rows,
                                   bool topDown = false);

// Writes bytes to a file, replacing it.
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ReadFile(const std::string& path);

// A test-case name: every character other than a letter or digit becomes "_".
std::string CaseName(std::string text);

// A fresh directory for files a test writes.
std::string ScratchDirectory();

} // namespace quorvel::testing_support
