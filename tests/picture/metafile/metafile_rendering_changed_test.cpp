#include "picture/metafile/emfplayer.h"
#include "picture/metafile/wmfplayer.h"
#include "referencerendering.h"
#include "support/imagecompare.h"

#include <QImage>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace quorvel {
namespace {

using test::ReadFileBytes;
using test::ReferencePath;
using test::Rendering;
using test::RenderMetafile;
using testing_support::SameImage;

const std::filesystem::path kData = QUORVEL_METAFILE_DATA_DIR;

// Exact: the players draw without antialiasing, the glyphs come from the
// one font the program's dependencies install, and the arithmetic is IEEE
// double without contraction, so every build of the program on the same
// Qt paints the same bytes. A difference is a change in drawing, to be
// reviewed and then regenerated.
constexpr int kTolerance = 0;

// One theme a file, so that a difference points at the records behind it.
const char* const kReferenceFiles[] = {"emf_lines_curves.emf",
                                       "emf_shapes.emf",
                                       "emf_objects.emf",
                                       "emf_mapping.emf",
                                       "emf_text.emf",
                                       "emf_clipping.emf",
                                       "emf_paths.emf",
                                       "emf_bitmaps.emf",
                                       "wmf_shapes.wmf",
                                       "wmf_objects.wmf",
                                       "wmf_mapping_clipping.wmf",
                                       "wmf_text.wmf",
                                       "wmf_bitmaps.wmf"};

std::string CaseName(const std::string& file) {
    std::string name = file;
    for (char& c : name) {
        c = c == '.' ? '_' : c;
    }
    return name;
}

class RenderingDiffersFromReference : public testing::TestWithParam<const char*> {};

TEST_P(RenderingDiffersFromReference, PixelsEqualTheReviewedRendering) {
    const std::filesystem::path file = kData / GetParam();
    const Rendering rendering = RenderMetafile(ReadFileBytes(file));
    const QImage reference = QImage(QString::fromStdString(ReferencePath(file).string()))
                                 .convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(reference.isNull()) << ReferencePath(file);
    EXPECT_TRUE(SameImage(rendering.image, reference, kTolerance))
        << "after an intended change: scripts/regenerate-metafile-references.sh";
    EXPECT_EQ(rendering.tally.tooShort, 0U);
}

INSTANTIATE_TEST_SUITE_P(References, RenderingDiffersFromReference,
                         testing::ValuesIn(kReferenceFiles),
                         [](const auto& p) { return CaseName(p.param); });

TEST(ReferenceLeftUnchecked, EveryMetafileInTheFolderIsComparedAndHasItsRendering) {
    const std::set<std::string> listed(std::begin(kReferenceFiles), std::end(kReferenceFiles));
    for (const auto& entry : std::filesystem::directory_iterator(kData)) {
        const std::filesystem::path path = entry.path();
        if (path.extension() == ".png") {
            EXPECT_TRUE(listed.count(path.stem().string() + ".emf") ||
                        listed.count(path.stem().string() + ".wmf"))
                << "a rendering without its metafile: " << path;
        } else {
            EXPECT_TRUE(listed.count(path.filename().string())) << "not compared: " << path;
            EXPECT_TRUE(std::filesystem::exists(ReferencePath(path))) << "no rendering: " << path;
        }
    }
}

// The types of every handler of a table that no reference file plays.
std::set<std::uint32_t> Unplayed(std::span<const RecordHandler> table, const char* extension) {
    std::set<std::uint32_t> unplayed;
    for (const RecordHandler& row : table) {
        unplayed.insert(row.type);
    }
    for (const char* name : kReferenceFiles) {
        if (std::filesystem::path(name).extension() == extension) {
            for (std::uint32_t type : RenderMetafile(ReadFileBytes(kData / name)).tally.played) {
                unplayed.erase(type);
            }
        }
    }
    return unplayed;
}

std::string Listed(const std::set<std::uint32_t>& types) {
    std::string text;
    for (std::uint32_t type : types) {
        text += " 0x" + QString::number(type, 16).toStdString();
    }
    return text;
}

// A handler added without a reference file that plays it fails here.
TEST(HandlerWithoutReference, EveryEnhancedHandlerIsPlayedByAReference) {
    const std::set<std::uint32_t> unplayed = Unplayed(EnhancedRecordHandlers(), ".emf");
    EXPECT_TRUE(unplayed.empty()) << "record types never played:" << Listed(unplayed);
}

TEST(HandlerWithoutReference, EveryWindowsHandlerIsPlayedByAReference) {
    const std::set<std::uint32_t> unplayed = Unplayed(WindowsRecordHandlers(), ".wmf");
    EXPECT_TRUE(unplayed.empty()) << "record functions never played:" << Listed(unplayed);
}

} // namespace
} // namespace quorvel
