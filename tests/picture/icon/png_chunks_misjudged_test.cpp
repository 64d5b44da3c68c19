#include "picture/icon/pngchunks.h"
#include "picture/icon/pngimage.h"
#include "support/costlyicon.h"

#include <gtest/gtest.h>
#include <set>

namespace quorvel {
namespace {

using test::Bytes;
using test::PngIconImage;

// `png` with a chunk of `type` and `data` inserted before its chunk number `before`.
Bytes WithChunk(const Bytes& png, std::size_t before, const std::string& type, const Bytes& data) {
    Bytes chunk;
    for (int shift = 24; shift >= 0; shift -= 8) {
        chunk.push_back(static_cast<std::uint8_t>(data.size() >> shift));
    }
    // Byte by byte: GCC 12 at -O3 takes inserting the string's range for an
    // overflow (a false -Wstringop-overflow).
    for (const char letter : type) {
        chunk.push_back(static_cast<std::uint8_t>(letter));
    }
    chunk.insert(chunk.end(), data.begin(), data.end());
    const std::uint32_t crc = PngCrc(std::span(chunk).subspan(4));
    for (int shift = 24; shift >= 0; shift -= 8) {
        chunk.push_back(static_cast<std::uint8_t>(crc >> shift));
    }
    Bytes out = png;
    const auto at = static_cast<std::ptrdiff_t>(test::PngChunksOf(png)[before].at);
    out.insert(out.begin() + at, chunk.begin(), chunk.end());
    return out;
}

// 64 x 64 pixels of noise: header, two image data chunks, end.
Bytes TwoDataChunks() {
    return PngIconImage(test::NoiseImage(64, 11));
}

Bytes Transparent() {
    QImage image(8, 8, QImage::Format_Indexed8);
    image.setColorTable({qRgba(255, 0, 0, 255), qRgba(0, 0, 255, 0)});
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            image.setPixel(x, y, x < 4 ? 0 : 1);
        }
    }
    return PngIconImage(image);
}

QImage Decoded(const Bytes& png) {
    QImage image;
    if (!image.loadFromData(png.data(), static_cast<int>(png.size()), "PNG")) {
        return {};
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

enum class Outcome {
    Decodes,
    Fails,   // in the decoder
    Refused, // before any decoding
};

struct Case {
    const char* name;
    Bytes png;
    Outcome outcome;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

const Case kCases[] = {
    {"plain_image_changed", TwoDataChunks(), Outcome::Decodes},
    {"transparency_dropped", Transparent(), Outcome::Decodes},
    {"compressed_text_inflated", test::PngWithCompressedText(test::NoiseImage(8, 1), 100000),
     Outcome::Decodes},
    // Image data must run on unbroken: the decoder fails where text splits it.
    {"text_between_image_data_taken_out", WithChunk(TwoDataChunks(), 3, "tEXt", {'a', 0, 'b'}),
     Outcome::Fails},
    {"run_of_ancillary_chunks_kept",
     WithChunk(WithChunk(WithChunk(TwoDataChunks(), 1, "gAMA", {0, 1, 0x86, 0xA0}), 1, "gAMA",
                         {0, 1, 0x86, 0xA0}),
               1, "tIME", {7, 0xE8, 1, 1, 0, 0, 0}),
     Outcome::Decodes},
    {"ancillary_checksum_refused", test::WithBrokenChecksum(TwoDataChunks(), "pHYs"),
     Outcome::Decodes},
    {"bytes_after_the_end_refused",
     [] {
         Bytes png = TwoDataChunks();
         png.insert(png.end(), {1, 2, 3, 4, 5});
         return png;
     }(),
     Outcome::Decodes},
    {"image_data_checksum_passed", test::WithBrokenChecksum(TwoDataChunks(), "IDAT"),
     Outcome::Refused},
    {"end_checksum_passed", test::WithBrokenChecksum(TwoDataChunks(), "IEND"), Outcome::Refused},
    {"missing_end_passed",
     [] {
         Bytes png = TwoDataChunks();
         png.resize(png.size() - 12);
         return png;
     }(),
     Outcome::Refused},
    {"image_data_cut_short_passed",
     [] {
         Bytes png = TwoDataChunks();
         png.resize(png.size() - 100);
         return png;
     }(),
     Outcome::Refused},
    {"unknown_critical_chunk_passed", WithChunk(TwoDataChunks(), 4, "ABCD", {}), Outcome::Refused},
    {"misnamed_chunk_passed", WithChunk(TwoDataChunks(), 4, "a1cd", {}), Outcome::Refused},
};

class PngChunks : public ::testing::TestWithParam<Case> {};

// The decoder sees only the chunks that make the pixels, and makes the same
// pixels of them as of the whole image, or fails where it would.
TEST_P(PngChunks, DecodeAsTheWholeImage) {
    const Case& c = GetParam();
    const Bytes kept = PixelChunks(RecordBytes(c.png));
    const QImage whole = Decoded(c.png);
    EXPECT_EQ(whole.isNull(), c.outcome != Outcome::Decodes);
    EXPECT_EQ(kept.empty(), c.outcome == Outcome::Refused);
    if (kept.empty()) {
        return;
    }
    EXPECT_EQ(Decoded(kept), whole);
    const std::set<std::string> pixelChunks = {"IHDR", "PLTE", "tRNS", "IDAT", "IEND", "skIp"};
    for (const test::PngChunkAt& chunk : test::PngChunksOf(kept)) {
        EXPECT_TRUE(pixelChunks.contains(chunk.type)) << chunk.type;
    }
}

INSTANTIATE_TEST_SUITE_P(Images, PngChunks, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace quorvel
