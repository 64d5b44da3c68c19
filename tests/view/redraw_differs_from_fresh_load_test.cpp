#include "face/face.h"
#include "numtext/numtext.h"
#include "picture/raster/raster.h"
#include "support/bmpfixture.h"
#include "view/pictureview.h"

#include <QApplication>
#include <QScreen>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>

// Redraws replayed at random on every pixel format: after each one, the
// view's raster, what the view shows and the result texts must be exactly
// what a fresh load of the file plus the same drawing gives, however the
// previous redraws went and whatever happened to the file in between.
namespace quorvel {
namespace {

using testing_support::BmpFixture;
using testing_support::PackRows;
using testing_support::ScratchDirectory;
using testing_support::WriteFile;

constexpr int kWidth = 120;
constexpr int kHeight = 90;

class MapFields : public FaceFields {
public:
    std::string ReadText(Field field) const override { return texts.at(field); }
    void WriteText(Field field, const std::string& text) override { texts[field] = text; }
    std::map<Field, std::string> texts{
        {Field::EditCX, "60"},  {Field::EditCY, "40"},  {Field::EditR, "30"},
        {Field::EditH, "1.2"},  {Field::EditMO, "1.2"}, {Field::EditE, "0"},
        {Field::EditNH, "0.3"}, {Field::EditMH, "0.5"}, {Field::EditA, "0"},
        {Field::EditY, "0"},    {Field::EditX, "0"},    {Field::LabelAP, "未判定"}};
};

// Run-length data that spells out the rows given top row first: runs of up
// to 255 equal indices, two indices a byte at 4 bits.
std::vector<std::uint8_t> EncodeRle(int bits, const std::vector<std::vector<std::uint32_t>>& rows) {
    std::vector<std::uint8_t> out;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        for (std::size_t x = 0; x < row->size();) {
            std::size_t run = 1;
            while (x + run < row->size() && run < 255 && (*row)[x + run] == (*row)[x]) {
                ++run;
            }
            const auto index = static_cast<std::uint8_t>((*row)[x]);
            out.push_back(static_cast<std::uint8_t>(run));
            out.push_back(bits == 4 ? static_cast<std::uint8_t>(index << 4 | index) : index);
            x += run;
        }
        out.insert(out.end(), {0, 0});
    }
    out.insert(out.end(), {0, 1});
    return out;
}

struct Format {
    const char* name;
    int bits;
    std::uint32_t compression;
    std::vector<std::uint32_t> masks;
    bool topDown;
};

// A picture of the format with pixel values drawn from `random`: horizontal
// runs, so run-length data has runs to encode.
BmpFixture Picture(const Format& format, std::mt19937& random) {
    BmpFixture f;
    f.width = kWidth;
    f.height = format.topDown ? -kHeight : kHeight;
    f.bitsPerPixel = static_cast<std::uint16_t>(format.bits);
    f.compression = format.compression;
    f.masks = format.masks;
    const std::uint32_t values =
        format.bits <= 8 ? (1u << format.bits) : (format.bits == 16 ? 0x10000u : 0x1000000u);
    if (format.bits <= 8) {
        for (std::uint32_t i = 0; i < values; ++i) {
            f.table.push_back(static_cast<std::uint32_t>(random()) & 0xFFFFFF);
        }
    }
    std::vector<std::vector<std::uint32_t>> rows(kHeight);
    for (auto& row : rows) {
        while (row.size() < kWidth) {
            row.resize(std::min<std::size_t>(kWidth, row.size() + random() % 9 + 1),
                       static_cast<std::uint32_t>(random()) % values);
        }
    }
    f.pixels = format.compression == 1 || format.compression == 2
                   ? EncodeRle(format.bits, rows)
                   : PackRows(format.bits, rows, format.topDown);
    return f;
}

// Writes the file as if long ago, each version with a modification time of
// its own, so that the identity of a settled file tells the versions apart
// and the unchanged file is put back rather than read.
void WriteVersion(const std::string& path, const std::vector<std::uint8_t>& bytes, int version) {
    WriteFile(path, bytes);
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() -
                                               std::chrono::hours(1) +
                                               std::chrono::seconds(version));
}

// One redraw as the window does it; the failure's message, or "".
std::string Redraw(int step, FaceFields& fields, const std::string& file, PictureView& view) {
    try {
        RedrawOverlay(step, fields, file, view);
        return "";
    } catch (const Failure& failure) {
        return failure.what();
    }
}

std::vector<std::uint8_t> Pixels(const PictureView& view) {
    const auto& raster = dynamic_cast<const Raster&>(*view.CurrentPicture());
    return {raster.Pixels(), raster.Pixels() + raster.Format().MemorySize()};
}

// What the screen shows of the view, from the window system's own buffer,
// once the event loop has scheduled and done the repaint.
QImage Shown(PictureView& view) {
    QApplication::processEvents();
    QApplication::processEvents();
    return view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// A random field text: mostly values that draw, some that fail part way.
void Perturb(MapFields& fields, std::mt19937& random) {
    static const std::vector<std::pair<Field, std::vector<std::string>>> choices{
        {Field::EditCX, {"60", "0", "-30", "119", "200", "45", "2147483647"}},
        {Field::EditCY, {"40", "0", "89", "-50", "30"}},
        {Field::EditR, {"30", "0", "5", "80", "2000000000"}},
        {Field::EditH, {"1.2", "0.5", "-1", "1e300", "abc"}},
        {Field::EditMO, {"1.2", "0", "2.5", "-1"}},
        {Field::EditE, {"0", "1", "-1", "0.4"}},
        {Field::EditNH, {"0.3", "0", "0.9"}},
        {Field::EditMH, {"0.5", "0.1"}},
        {Field::EditA, {"0", "-0.1", "0.3", "-1"}},
    };
    const auto& [field, texts] = choices[random() % choices.size()];
    fields.texts[field] = texts[random() % texts.size()];
}

const std::vector<Format> kFormats{
    {"pal1", 1, 0, {}, false},
    {"pal4", 4, 0, {}, false},
    {"pal8", 8, 0, {}, false},
    {"rgb555", 16, 0, {}, false},
    {"rgb565_bitfields", 16, 3, {0xF800, 0x07E0, 0x001F}, false},
    {"rgb24", 24, 0, {}, false},
    {"rgb24_top_down", 24, 0, {}, true},
    {"rgb32", 32, 0, {}, false},
    {"bgr32_bitfields", 32, 3, {0x0000FF00, 0x00FF0000, 0xFF000000}, false},
    {"rle8", 8, 1, {}, false},
    {"rle4", 4, 2, {}, false},
};

// The same redraws at a zoom: what is shown after repainting only what
// changed must be what a repaint of the whole view shows.
void Replay(const Format& format, double zoom) {
    std::mt19937 random(20261209);
    const std::string file = ScratchDirectory() + "/face.bmp";
    std::vector<std::uint8_t> content = Picture(format, random).Bytes();
    WriteVersion(file, content, 0);
    PictureView view;
    view.SetZoom(zoom);
    view.show();
    MapFields fields;
    bool present = true;
    for (int round = 0; round < 120; ++round) {
        const int step = static_cast<int>(random() % 10);
        Perturb(fields, random);
        switch (random() % 12) {
        case 0: // another picture of the same size and format
            content = Picture(format, random).Bytes();
            WriteVersion(file, content, round + 1);
            present = true;
            break;
        case 1: // touched without change
            WriteVersion(file, content, round + 1);
            present = true;
            break;
        case 2:
            std::filesystem::remove(file);
            present = false;
            break;
        default:
            break;
        }
        const std::vector<std::uint8_t> before =
            view.CurrentPicture() ? Pixels(view) : std::vector<std::uint8_t>();
        MapFields fresh = fields;
        const std::string outcome = Redraw(step, fields, file, view);
        if (!present) {
            EXPECT_FALSE(outcome.empty()); // a field's failure, or the missing file
            if (!before.empty()) {
                EXPECT_EQ(Pixels(view), before) << "round " << round;
            }
            continue;
        }
        PictureView freshView;
        freshView.SetZoom(zoom);
        EXPECT_EQ(outcome, Redraw(step, fresh, file, freshView)) << "round " << round;
        if (!freshView.CurrentPicture()) {
            continue; // failed before the load
        }
        ASSERT_EQ(Pixels(view), Pixels(freshView)) << "round " << round << " step " << step;
        EXPECT_EQ(fields.texts, fresh.texts) << "round " << round;
        const QImage expected = freshView.grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(Shown(view).copy(expected.rect()), expected) << "round " << round;
        if (zoom == 1) {
            ASSERT_EQ(expected, freshView.CurrentPicture()->Image()) << "round " << round;
        }
    }
}

class RedrawDiffersFromFreshLoad : public ::testing::TestWithParam<Format> {};

TEST_P(RedrawDiffersFromFreshLoad, AfterEveryRedrawOfARandomSequence) {
    Replay(GetParam(), 1);
}

TEST_P(RedrawDiffersFromFreshLoad, AfterEveryRedrawAtOtherZooms) {
    for (const double zoom : {0.5, 3.0}) {
        SCOPED_TRACE(zoom);
        Replay(GetParam(), zoom);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, RedrawDiffersFromFreshLoad, ::testing::ValuesIn(kFormats),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
} // namespace quorvel
