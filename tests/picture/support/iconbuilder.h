#pragma once

#include "support/metafilebuilder.h"

#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <functional>
#include <vector>

namespace quorvel::test {

// An icon file: the 6-byte header, one 16-byte directory entry per image,
// then the images.
inline Bytes IconFile(std::uint16_t type, const std::vector<Bytes>& images) {
    Bytes out;
    Put16(out, 0);
    Put16(out, type);
    Put16(out, static_cast<std::uint32_t>(images.size()));
    std::size_t offset = 6 + 16 * images.size();
    for (const Bytes& image : images) {
        for (int i = 0; i < 8; ++i) {
            out.push_back(0); // size, colours, planes, bits: hints only
        }
        Put32(out, static_cast<std::uint32_t>(image.size()));
        Put32(out, static_cast<std::uint32_t>(offset));
        offset += image.size();
    }
    for (const Bytes& image : images) {
        out.insert(out.end(), image.begin(), image.end());
    }
    return out;
}

using PixelColour = std::function<QRgb(int x, int y)>;
using PixelMasked = std::function<bool(int x, int y)>;

inline QRgb Solid(QRgb colour, int, int) {
    return colour;
}

// The bitmap form of an icon image: a 40-byte header with the height
// counted twice, a colour table for 1 to 8 bits, the colour rows and the
// 1-bit mask rows, both bottom-up. 32-bit pixels keep the colour's alpha.
inline Bytes DibIconImage(
    int width, int height, int bits, const PixelColour& colour,
    const PixelMasked& masked = [](int, int) { return false; }) {
    std::vector<QRgb> palette;
    if (bits <= 8) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (std::find(palette.begin(), palette.end(), colour(x, y)) == palette.end()) {
                    palette.push_back(colour(x, y));
                }
            }
        }
        palette.resize(std::size_t{1} << bits);
    }
    Bytes out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(2 * height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bits));
    for (int i = 0; i < 6; ++i) {
        Put32(out, 0);
    }
    for (QRgb entry : palette) {
        out.insert(out.end(), {static_cast<std::uint8_t>(qBlue(entry)),
                               static_cast<std::uint8_t>(qGreen(entry)),
                               static_cast<std::uint8_t>(qRed(entry)), 0});
    }
    const std::size_t colourStride = (static_cast<std::size_t>(width * bits) + 31) / 32 * 4;
    const std::size_t maskStride = (static_cast<std::size_t>(width) + 31) / 32 * 4;
    for (int y = height - 1; y >= 0; --y) {
        Bytes row(colourStride, 0);
        for (int x = 0; x < width; ++x) {
            const QRgb c = colour(x, y);
            const auto ux = static_cast<std::size_t>(x);
            if (bits <= 8) {
                const auto index = static_cast<std::size_t>(
                    std::find(palette.begin(), palette.end(), c) - palette.begin());
                const std::size_t bit = ux * static_cast<std::size_t>(bits);
                row[bit / 8] |= static_cast<std::uint8_t>(index << (8 - bits - bit % 8));
            } else {
                const std::size_t at = ux * static_cast<std::size_t>(bits / 8);
                row[at] = static_cast<std::uint8_t>(qBlue(c));
                row[at + 1] = static_cast<std::uint8_t>(qGreen(c));
                row[at + 2] = static_cast<std::uint8_t>(qRed(c));
                if (bits == 32) {
                    row[at + 3] = static_cast<std::uint8_t>(qAlpha(c));
                }
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = height - 1; y >= 0; --y) {
        Bytes row(maskStride, 0);
        for (int x = 0; x < width; ++x) {
            if (masked(x, y)) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

inline Bytes PngIconImage(const QImage& image) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return Bytes(data.begin(), data.end());
}

} // namespace quorvel::test
