#include "app/namefilters.h"

#include <QString>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

struct FilterCase {
    const char* name;
    QString (*filter)();
    const char* text;
};

class NameFilterMissesExtensions : public testing::TestWithParam<FilterCase> {};

// The bitmap entry is the one the window has always shown; the photo entry
// lists each photo extension also in capitals, which cameras write.
TEST_P(NameFilterMissesExtensions, EntryListsItsFormatsPatterns) {
    EXPECT_EQ(GetParam().filter(), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, NameFilterMissesExtensions,
    testing::Values(FilterCase{"bitmap_entry_unchanged", &BitmapFilter, "ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ (*.bmp)"},
                    FilterCase{"photo_entry_both_cases", &PhotoFilter,
                               "写真 (*.jpg *.JPG *.jpeg *.JPEG *.png *.PNG *.tif *.TIF *.tiff "
                               "*.TIFF *.webp *.WEBP)"}),
    [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace quorvel
