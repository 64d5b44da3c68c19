#include "numtext/failure.h"
#include "picture/picture.h"
#include "support/costlyicon.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <functional>
#include <string>
#include <vector>

// Loading icon files of up to 1 MiB: an ordinary icon beside files built to
// cost the reader as much work as their size allows.
namespace {

using quorvel::test::Bytes;

constexpr std::size_t kFileLimit = std::size_t{1} << 20;
constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kMostEntries = 65535;

// How many entries pointing at one shared image fit the limit.
std::size_t SharingEntries(const Bytes& image) {
    return std::min(kMostEntries, (kFileLimit - kHeaderSize - image.size()) / kEntrySize);
}

// As many copies of `image` as fit the limit, each behind its own entry.
Bytes DistinctCopies(const Bytes& image) {
    const std::size_t copies = (kFileLimit - kHeaderSize) / (kEntrySize + image.size());
    return quorvel::test::IconFile(1, std::vector<Bytes>(std::min(copies, kMostEntries), image));
}

Bytes NormalIcon() {
    using quorvel::test::DibIconImage;
    const auto shade = [](int x, int y) { return qRgba(4 * x, 4 * y, 128, 255); };
    std::vector<Bytes> images;
    for (int side : {16, 32, 48}) {
        for (int bits : {4, 8, 32}) {
            images.push_back(DibIconImage(side, side, bits, shade));
        }
    }
    images.push_back(quorvel::test::PngIconImage(quorvel::test::PatternImage(256)));
    return quorvel::test::IconFile(1, images);
}

Bytes LargeCutShortPng() {
    return quorvel::test::WithoutLastImageChunk(
        quorvel::test::PngIconImage(quorvel::test::PatternImage(1024)));
}

Bytes LargeBrokenChecksumPng() {
    return quorvel::test::WithBrokenChecksum(
        quorvel::test::PngIconImage(quorvel::test::PatternImage(1024)), "IDAT");
}

// Entries of one-pixel PNGs whose image data is the same run of empty image
// data chunks filling the rest of the file.
Bytes OverlappingOnEmptyImageChunks() {
    using namespace quorvel::test;
    const Bytes png = PngIconImage(QImage(1, 1, QImage::Format_ARGB32));
    const PngChunkAt data = LastChunkOf(png, "IDAT");
    const PngChunkAt end = LastChunkOf(png, "IEND");
    // An empty image data chunk: its length, type and checksum.
    const Bytes empty = {0, 0, 0, 0, 'I', 'D', 'A', 'T', 0x35, 0xAF, 0x06, 0x1E};
    constexpr std::size_t kEntries = 1000;
    const std::size_t room = kFileLimit - 6 - kEntries * (16 + 53) - 4 - (end.length + 12);
    Bytes tail;
    for (std::size_t i = 0; i < room / empty.size(); ++i) {
        tail.insert(tail.end(), empty.begin(), empty.end());
    }
    tail.insert(tail.end(), png.begin() + static_cast<std::ptrdiff_t>(end.at), png.end());
    (void)data;
    return IconFileOverlapping(kEntries, tail);
}

struct IconCase {
    std::string name;
    Bytes file;
};

std::vector<IconCase> Cases() {
    using namespace quorvel::test;
    const Bytes broken = LargeBrokenChecksumPng();
    const Bytes cutShort = LargeCutShortPng();
    // About 7,000 bytes inflating to 7,000,000 each, repeated to fill the file.
    const Bytes text = PngWithCompressedText(NoiseImage(32, 1), 7'000'000);
    const std::size_t textChunk = LastChunkOf(text, "zTXt").length + 12;
    return {
        {"NormalIcon", NormalIcon()},
        {"SharedBrokenChecksumPng/400", IconFileSharing(400, broken)},
        {"SharedBrokenChecksumPng/all", IconFileSharing(SharingEntries(broken), broken)},
        {"SharedCutShortPng/400", IconFileSharing(400, cutShort)},
        {"SharedCutShortPng/all", IconFileSharing(SharingEntries(cutShort), cutShort)},
        {"DistinctCutShortLargePngs", DistinctCopies(cutShort)},
        {"DistinctBrokenSmallPngs",
         DistinctCopies(WithBrokenChecksum(PngIconImage(NoiseImage(32, 2)), "IDAT"))},
        {"DistinctValidPngs", DistinctCopies(PngIconImage(NoiseImage(32, 3)))},
        {"DistinctDibs",
         DistinctCopies(DibIconImage(
             16, 16, 4, [](int x, int) { return x < 8 ? qRgb(255, 0, 0) : qRgb(0, 0, 255); }))},
        {"DistinctCutShortDeepPngs",
         DistinctCopies(WithoutLastImageChunk(
             PngIconImage(PatternImage(1024).convertToFormat(QImage::Format_RGBA64))))},
        {"OverlappingPngsOnEmptyImageChunks", OverlappingOnEmptyImageChunks()},
        {"CompressedTextPng",
         IconFile(1, {WithChunkRepeated(text, "zTXt",
                                        (kFileLimit - kHeaderSize - kEntrySize - text.size()) /
                                            textChunk)})},
    };
}

void LoadIcon(benchmark::State& state, const Bytes& file) {
    bool loaded = false;
    for (auto _ : state) {
        try {
            const auto picture = quorvel::ReadIconFile(file);
            benchmark::DoNotOptimize(picture.get());
            loaded = true;
        } catch (const quorvel::Failure&) {
            loaded = false;
        }
    }
    state.SetLabel(std::to_string(file.size()) + " bytes, " + (loaded ? "loaded" : "refused"));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    static const std::vector<IconCase> cases = Cases();
    for (const IconCase& c : cases) {
        benchmark::RegisterBenchmark(c.name.c_str(), LoadIcon, std::cref(c.file))
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
