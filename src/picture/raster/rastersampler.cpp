#include "picture/raster/rastersampler.h"

#include "picture/raster/pixelreader.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace quorvel {
namespace {

constexpr int kMostSamples = 4; // per axis and widget pixel

// The picture columns (or rows) that widget column (or row) `at` samples.
std::vector<int> SampledLines(int at, double scale, int samples, int limit) {
    std::vector<int> lines(static_cast<std::size_t>(samples));
    for (int i = 0; i < samples; ++i) {
        const double position = (at + (i + 0.5) / samples) / scale;
        lines[static_cast<std::size_t>(i)] = std::min(limit - 1, static_cast<int>(position));
    }
    return lines;
}

// The picture's extent at `scale`, within the int range that a huge picture
// zoomed in would exceed.
int ScaledExtent(int length, double scale) {
    constexpr double kMost = std::numeric_limits<int>::max();
    return static_cast<int>(std::min(std::ceil(length * scale), kMost));
}

} // namespace

QImage SampleRaster(const PixelFormat& format, const std::uint8_t* pixels, QRect target,
                    double scale) {
    const QRect extent(0, 0, ScaledExtent(format.width, scale), ScaledExtent(format.height, scale));
    target &= extent;
    if (target.isEmpty() || format.width == 0 || format.height == 0) {
        return {};
    }
    QImage image(target.size(), QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    const PixelReader reader(format, pixels);
    const int samples = std::clamp(static_cast<int>(std::ceil(1 / scale)), 1, kMostSamples);
    const int count = samples * samples;
    std::vector<std::vector<int>> columns;
    for (int x = target.left(); x <= target.right(); ++x) {
        columns.push_back(SampledLines(x, scale, samples, format.width));
    }
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const std::vector<int> rows = SampledLines(y, scale, samples, format.height);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y - target.top()));
        for (const std::vector<int>& sampled : columns) {
            int red = 0;
            int green = 0;
            int blue = 0;
            for (int row : rows) {
                for (int column : sampled) {
                    const QRgb rgb = reader.At(column, row);
                    red += qRed(rgb);
                    green += qGreen(rgb);
                    blue += qBlue(rgb);
                }
            }
            *out++ = qRgb(red / count, green / count, blue / count);
        }
    }
    return image;
}

} // namespace quorvel
