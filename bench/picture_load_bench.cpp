#include "picture/picture.h"
#include "picture/raster/pixelmemory.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

// Loading a 4000 x 3000, 24-bit bitmap: this program's loader beside Qt's
// QImage load of the same file, and the parts the time goes to.
namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

// The sample face scaled up, written as a plain bottom-up 24-bit file once per run.
class BigBitmap {
public:
    BigBitmap() {
        const QImage face(QStringLiteral(QUORVEL_SAMPLE_FACE));
        if (face.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", QUORVEL_SAMPLE_FACE);
            std::exit(1);
        }
        const QImage big =
            face.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
        directory_ = std::filesystem::temp_directory_path() /
                     ("quorvel-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(directory_);
        path_ = (directory_ / "big.bmp").string();
        Write(big);
    }
    ~BigBitmap() { std::filesystem::remove_all(directory_); }

    const std::string& Path() const { return path_; }
    std::size_t PixelBytes() const { return stride_ * kHeight; }

private:
    void Write(const QImage& image) {
        stride_ = (kWidth * 3 + 3) / 4 * 4;
        const std::uint32_t offset = 54;
        const auto fileSize = static_cast<std::uint32_t>(offset + stride_ * kHeight);
        std::vector<std::uint8_t> bytes(fileSize, 0);
        auto put = [&bytes](std::size_t at, std::uint32_t value, int size) {
            for (int i = 0; i < size; ++i) {
                bytes[at + static_cast<std::size_t>(i)] =
                    static_cast<std::uint8_t>(value >> (8 * i));
            }
        };
        bytes[0] = 'B';
        bytes[1] = 'M';
        put(2, fileSize, 4);
        put(10, offset, 4);
        put(14, 40, 4);
        put(18, kWidth, 4);
        put(22, kHeight, 4);
        put(26, 1, 2);
        put(28, 24, 2);
        for (int y = 0; y < kHeight; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(kHeight - 1 - y));
            std::uint8_t* out = bytes.data() + offset + stride_ * static_cast<std::size_t>(y);
            for (int x = 0; x < kWidth; ++x) {
                out[3 * x] = static_cast<std::uint8_t>(qBlue(row[x]));
                out[3 * x + 1] = static_cast<std::uint8_t>(qGreen(row[x]));
                out[3 * x + 2] = static_cast<std::uint8_t>(qRed(row[x]));
            }
        }
        std::ofstream(path_, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

    std::filesystem::path directory_;
    std::string path_;
    std::size_t stride_ = 0;
};

const BigBitmap& Big() {
    static const BigBitmap big;
    return big;
}

void QtLoad(benchmark::State& state) {
    const QString path = QString::fromStdString(Big().Path());
    for (auto _ : state) {
        QImage image(path);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void FreshLoad(benchmark::State& state) {
    for (auto _ : state) {
        auto picture = quorvel::LoadPictureFile(Big().Path());
        benchmark::DoNotOptimize(picture.get());
    }
}

// The redraw path: the replaced picture's memory takes the new pixels.
void Reload(benchmark::State& state) {
    auto picture = quorvel::LoadPictureFile(Big().Path());
    for (auto _ : state) {
        quorvel::ReloadPictureFile(Big().Path(), picture);
        benchmark::DoNotOptimize(picture.get());
    }
}

// Where a fresh load's time goes: the first touch of each page of new memory,
// with ordinary pages (as Qt's image gets) ...
void SmallPageMemoryFirstTouch(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<std::uint8_t[]> memory(new std::uint8_t[Big().PixelBytes()]);
        for (std::size_t at = 0; at < Big().PixelBytes(); at += 4096) {
            memory[at] = 1;
        }
        benchmark::DoNotOptimize(memory.get());
    }
}

// ... and with the pixel memory a raster gets ...
void PixelMemoryFirstTouch(benchmark::State& state) {
    for (auto _ : state) {
        quorvel::PixelMemory memory(Big().PixelBytes());
        for (std::size_t at = 0; at < memory.Size(); at += 4096) {
            memory.Data()[at] = 1;
        }
        benchmark::DoNotOptimize(memory.Data());
    }
}

// ... and copying the file from the page cache into memory already touched.
void ReadIntoTouchedMemory(benchmark::State& state) {
    std::vector<std::uint8_t> memory(Big().PixelBytes() + 54);
    for (auto _ : state) {
        const int file = ::open(Big().Path().c_str(), O_RDONLY);
        std::size_t done = 0;
        while (done < memory.size()) {
            const ssize_t got = ::read(file, memory.data() + done, memory.size() - done);
            if (got <= 0) {
                break;
            }
            done += static_cast<std::size_t>(got);
        }
        ::close(file);
        benchmark::DoNotOptimize(memory.data());
    }
}

// The conversion for painting that follows each reload in the view.
void ReloadAndImage(benchmark::State& state) {
    auto picture = quorvel::LoadPictureFile(Big().Path());
    for (auto _ : state) {
        quorvel::ReloadPictureFile(Big().Path(), picture);
        const QImage image = picture->Image();
        benchmark::DoNotOptimize(image.constBits());
    }
}

BENCHMARK(QtLoad)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FreshLoad)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Reload)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SmallPageMemoryFirstTouch)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PixelMemoryFirstTouch)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadIntoTouchedMemory)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReloadAndImage)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
