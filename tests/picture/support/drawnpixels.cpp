#include "support/drawnpixels.h"

#include "support/bmpfixture.h"

#include <vector>

namespace quorvel::testing_support {

std::unique_ptr<Picture> PlainBitmap(int width, int height, std::uint32_t colour) {
    BmpFixture f;
    f.width = width;
    f.height = height;
    f.bitsPerPixel = 24;
    f.pixels =
        PackRows(24, std::vector<std::vector<std::uint32_t>>(
                         static_cast<std::size_t>(height),
                         std::vector<std::uint32_t>(static_cast<std::size_t>(width), colour)));
    return ReadBitmapFile(f.Bytes());
}

std::set<Pixel> PixelsOf(const QImage& image, std::uint32_t colour) {
    std::set<Pixel> pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == colour) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

bool ReachableFromBorder(const QImage& image, Pixel inside, std::uint32_t wall) {
    const int w = image.width();
    const int h = image.height();
    std::vector<char> seen(static_cast<std::size_t>(w * h), 0);
    std::vector<Pixel> pending;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h) {
            return;
        }
        char& mark = seen[static_cast<std::size_t>(y * w + x)];
        if (mark || (image.pixel(x, y) & 0xFFFFFF) == wall) {
            return;
        }
        mark = 1;
        pending.push_back({x, y});
    };
    for (int x = 0; x < w; ++x) {
        visit(x, 0);
        visit(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        visit(0, y);
        visit(w - 1, y);
    }
    while (!pending.empty()) {
        auto [x, y] = pending.back();
        pending.pop_back();
        visit(x + 1, y);
        visit(x - 1, y);
        visit(x, y + 1);
        visit(x, y - 1);
    }
    return seen[static_cast<std::size_t>(inside.second * w + inside.first)] != 0;
}

} // namespace quorvel::testing_support
