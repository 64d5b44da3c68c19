#include "numtext/failure.h"
#include "picture/picture.h"
#include "support/metafilebuilder.h"

#include <functional>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

using test::Bytes;
using test::EmfBuilder;
using test::Patch32;
using test::WmfBuilder;

const std::string kAccepted;
const std::string kInvalid = "ﾒﾀﾌｧｲﾙが不正です";
const std::string kReadError = "ｽﾄﾘｰﾑからの読み込みｴﾗｰ";

Bytes Emf() {
    return EmfBuilder().Add(43, {10, 10, 50, 50}).Build();
}
Bytes Wmf() {
    return WmfBuilder().Add(0x041B, {50, 50, 10, 10}).Build();
}

Bytes With(Bytes bytes, const std::function<void(Bytes&)>& change) {
    change(bytes);
    return bytes;
}

struct Case {
    const char* name;
    Bytes file;
    std::string outcome;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class MetafileRecognition : public ::testing::TestWithParam<Case> {};

TEST_P(MetafileRecognition, AcceptsOrRefusesWithTheRightMessage) {
    const Case& c = GetParam();
    if (c.outcome.empty()) {
        const auto picture = ReadMetafileFile(c.file);
        EXPECT_EQ(picture->Kind(), PictureKind::Metafile);
        return;
    }
    try {
        ReadMetafileFile(c.file);
        FAIL() << "accepted";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.what(), c.outcome);
    }
}

const Case kCases[] = {
    {"empty_file", {}, kInvalid},
    {"placeable_header_cut_at_21_bytes", With(Wmf(), [](Bytes& b) { b.resize(21); }), kInvalid},
    {"placeable_key_wrong", With(Wmf(), [](Bytes& b) { b[0] ^= 1; }), kInvalid},
    {"placeable_checksum_off_by_one", With(Wmf(), [](Bytes& b) { b[20] ^= 1; }), kInvalid},
    {"placeable_header_then_nothing", With(Wmf(), [](Bytes& b) { b.resize(22); }), kInvalid},
    {"windows_header_of_type_3", With(Wmf(), [](Bytes& b) { b[22] = 3; }), kInvalid},
    {"windows_header_of_8_words", With(Wmf(), [](Bytes& b) { b[24] = 8; }), kInvalid},
    {"windows_record_of_2_words", With(Wmf(), [](Bytes& b) { b[40] = 2; }), kInvalid},
    {"windows_record_running_past_the_end", With(Wmf(), [](Bytes& b) { b[40] = 0x40; }), kInvalid},
    {"windows_metafile_without_end_record", With(Wmf(), [](Bytes& b) { b.resize(b.size() - 6); }),
     kAccepted},
    {"placeable_metafile", Wmf(), kAccepted},
    {"bitmap_file_named_wmf", Bytes{'B', 'M', 0x3E, 0, 0, 0, 0, 0, 0, 0, 0x3E, 0, 0, 0, 40,
                                    0,   0,   0,    1, 0, 0, 0, 1, 0, 0, 0,    1, 0, 1, 0},
     kInvalid},
    {"enhanced_signature_in_a_100_byte_file", With(Emf(), [](Bytes& b) { b.resize(100); }),
     kInvalid},
    {"enhanced_total_size_beyond_the_file",
     With(Emf(), [](Bytes& b) { Patch32(b, 48, static_cast<std::uint32_t>(b.size() + 4)); }),
     kReadError},
    {"enhanced_file_cut_inside_its_records", With(Emf(), [](Bytes& b) { b.resize(b.size() - 8); }),
     kReadError},
    {"enhanced_total_size_below_the_header", With(Emf(), [](Bytes& b) { Patch32(b, 48, 99); }),
     kInvalid},
    {"enhanced_header_record_of_84_bytes", With(Emf(), [](Bytes& b) { Patch32(b, 4, 84); }),
     kInvalid},
    {"enhanced_record_size_0", With(Emf(), [](Bytes& b) { Patch32(b, 112, 0); }), kInvalid},
    {"enhanced_record_size_not_a_multiple_of_4", With(Emf(), [](Bytes& b) { Patch32(b, 112, 26); }),
     kInvalid},
    {"enhanced_record_running_past_the_total", With(Emf(), [](Bytes& b) { Patch32(b, 112, 4000); }),
     kInvalid},
    {"enhanced_without_end_record",
     With(Emf(),
          [](Bytes& b) {
              b.resize(b.size() - 20);
              Patch32(b, 48, static_cast<std::uint32_t>(b.size()));
          }),
     kInvalid},
    {"enhanced_reference_device_of_0_millimetres", With(Emf(), [](Bytes& b) { Patch32(b, 80, 0); }),
     kInvalid},
    {"enhanced_reference_device_of_negative_pixels",
     With(Emf(), [](Bytes& b) { Patch32(b, 76, 0xFFFFFFFF); }), kInvalid},
    {"enhanced_with_bytes_after_its_total_size",
     With(Emf(),
          [](Bytes& b) {
              b.insert(b.end(), {1, 2, 3, 4, 5});
          }),
     kAccepted},
    {"enhanced_metafile", Emf(), kAccepted},
};

INSTANTIATE_TEST_SUITE_P(Files, MetafileRecognition, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace quorvel
