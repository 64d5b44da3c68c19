#pragma once

#include "support/iconbuilder.h"

#include <QImage>
#include <string>
#include <vector>

// Icon files and PNG images built to cost a reader work: entries that share
// one image, and PNGs whose fault shows only part way through decoding.
namespace quorvel::test {

// An icon file of type 1 holding each of `images` once, with an entry for
// each index in `entries`, pointing at that image.
inline Bytes IconFileWithEntries(const std::vector<Bytes>& images,
                                 const std::vector<std::size_t>& entries) {
    Bytes out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(entries.size()));
    std::vector<std::size_t> offsets;
    std::size_t offset = 6 + 16 * entries.size();
    for (const Bytes& image : images) {
        offsets.push_back(offset);
        offset += image.size();
    }
    for (std::size_t index : entries) {
        out.resize(out.size() + 8, 0); // size, colours, planes, bits: hints only
        Put32(out, static_cast<std::uint32_t>(images[index].size()));
        Put32(out, static_cast<std::uint32_t>(offsets[index]));
    }
    for (const Bytes& image : images) {
        out.insert(out.end(), image.begin(), image.end());
    }
    return out;
}

// An icon file of type 1 whose `entries` directory entries all point at `image`.
inline Bytes IconFileSharing(std::size_t entries, const Bytes& image) {
    return IconFileWithEntries({image}, std::vector<std::size_t>(entries, 0));
}

// A smooth pattern that compresses well, so a large image makes a small PNG
// written as several image data chunks.
inline QImage PatternImage(int side) {
    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            image.setPixel(x, y, qRgba(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF, 0xFF - (x & 0x3F)));
        }
    }
    return image;
}

// Every bit its own pseudo-random value, so the PNG is about as large as its pixels.
inline QImage NoiseImage(int side, std::uint32_t seed) {
    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            seed = seed * 1664525u + 1013904223u;
            image.setPixel(x, y, seed | 0xFF000000u);
        }
    }
    return image;
}

// Where a PNG chunk lies: `at` is the offset of its length field; its data
// follows 8 bytes later and its checksum after the data.
struct PngChunkAt {
    std::size_t at;
    std::size_t length;
    std::string type;
};

inline std::vector<PngChunkAt> PngChunksOf(const Bytes& png) {
    std::vector<PngChunkAt> chunks;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::size_t length = std::size_t{png[at]} << 24 | std::size_t{png[at + 1]} << 16 |
                                   std::size_t{png[at + 2]} << 8 | png[at + 3];
        chunks.push_back({at, length,
                          std::string(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                                      png.begin() + static_cast<std::ptrdiff_t>(at + 8))});
        at += 12 + length;
    }
    return chunks;
}

inline PngChunkAt LastChunkOf(const Bytes& png, const std::string& type) {
    PngChunkAt last{};
    for (const PngChunkAt& chunk : PngChunksOf(png)) {
        if (chunk.type == type) {
            last = chunk;
        }
    }
    return last;
}

// The checksum of the last chunk of `type` no longer matches its data.
inline Bytes WithBrokenChecksum(Bytes png, const std::string& type) {
    const PngChunkAt chunk = LastChunkOf(png, type);
    png[chunk.at + 8 + chunk.length] ^= 0x01;
    return png;
}

// The last image data chunk left out, every checksum sound: only decoding
// finds that the image data stops short. Needs an image of two or more chunks.
inline Bytes WithoutLastImageChunk(const Bytes& png) {
    const PngChunkAt chunk = LastChunkOf(png, "IDAT");
    Bytes out(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(chunk.at));
    out.insert(out.end(), png.begin() + static_cast<std::ptrdiff_t>(chunk.at + 12 + chunk.length),
               png.end());
    return out;
}

// The last chunk of `type` repeated `times` more times where it stands.
inline Bytes WithChunkRepeated(const Bytes& png, const std::string& type, std::size_t times) {
    const PngChunkAt chunk = LastChunkOf(png, type);
    const auto from = png.begin() + static_cast<std::ptrdiff_t>(chunk.at);
    const Bytes whole(from, from + static_cast<std::ptrdiff_t>(12 + chunk.length));
    Bytes out(png.begin(), from);
    for (std::size_t i = 0; i <= times; ++i) {
        out.insert(out.end(), whole.begin(), whole.end());
    }
    out.insert(out.end(), from + static_cast<std::ptrdiff_t>(whole.size()), png.end());
    return out;
}

// An icon file of type 1 with `entries` entries, each its own PNG of one
// pixel whose image data are the same `tail` of chunks: a PNG's header is
// followed by an ancillary chunk spanning the headers of the PNGs after it,
// its checksum broken, which decoders pass over.
inline Bytes IconFileOverlapping(std::size_t entries, const Bytes& tail) {
    const Bytes onePixel = PngIconImage(QImage(1, 1, QImage::Format_ARGB32));
    const PngChunkAt header = PngChunksOf(onePixel).front();
    const Bytes prefix(onePixel.begin(), onePixel.begin() + static_cast<std::ptrdiff_t>(
                                                                header.at + 12 + header.length));
    const std::size_t span = prefix.size() + 8;
    const std::size_t first = 6 + 16 * entries;
    const std::size_t tailAt = first + span * entries + 4;
    Bytes out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(entries));
    for (std::size_t i = 0; i < entries; ++i) {
        out.resize(out.size() + 8, 0);
        Put32(out, static_cast<std::uint32_t>(tailAt + tail.size() - (first + span * i)));
        Put32(out, static_cast<std::uint32_t>(first + span * i));
    }
    for (std::size_t i = 0; i < entries; ++i) {
        out.insert(out.end(), prefix.begin(), prefix.end());
        const std::size_t length = tailAt - 4 - (out.size() + 8);
        out.insert(out.end(),
                   {static_cast<std::uint8_t>(length >> 24),
                    static_cast<std::uint8_t>(length >> 16), static_cast<std::uint8_t>(length >> 8),
                    static_cast<std::uint8_t>(length), 'p', 'A', 'd', 'd'});
    }
    out.resize(tailAt, 0);
    out.insert(out.end(), tail.begin(), tail.end());
    return out;
}

// A PNG carrying a compressed text chunk that inflates to `characters` bytes.
inline Bytes PngWithCompressedText(QImage image, int characters) {
    image.setText(QStringLiteral("Comment"), QString(characters, QLatin1Char('a')));
    return PngIconImage(image);
}

} // namespace quorvel::test
