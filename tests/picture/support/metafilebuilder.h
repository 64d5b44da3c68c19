#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::test {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

inline void Patch32(Bytes& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// The 40-byte info header of an uncompressed 24-bit bitmap.
inline Bytes DibInfo24(int width, int height) {
    Bytes out;
    for (std::uint32_t v :
         {40u, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)}) {
        Put32(out, v);
    }
    Put16(out, 1);
    Put16(out, 24);
    out.resize(40, 0);
    return out;
}

// Its rows, bottom-up, from pixels 0xRRGGBB given top row first.
inline Bytes DibRows24(int width, int height, const std::vector<std::uint32_t>& pixels) {
    Bytes out;
    const auto w = static_cast<std::size_t>(width);
    for (int y = height - 1; y >= 0; --y) {
        for (std::size_t x = 0; x < w; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y) * w + x];
            out.insert(out.end(), {static_cast<std::uint8_t>(p), static_cast<std::uint8_t>(p >> 8),
                                   static_cast<std::uint8_t>(p >> 16)});
        }
        out.resize((out.size() + 3) / 4 * 4, 0);
    }
    return out;
}

// An enhanced metafile: a 108-byte header, the records added, an EOF record.
struct EmfBuilder {
    std::int32_t frame[4] = {0, 0, 2540, 2540}; // hundredths of a millimetre
    std::int32_t device[2] = {1000, 1000};      // reference device, pixels
    std::int32_t millimetres[2] = {254, 254};   // and its size: 100 px per inch
    std::uint16_t handles = 8;
    Bytes records;

    EmfBuilder& Add(std::uint32_t type, const std::vector<std::int32_t>& params) {
        Put32(records, type);
        Put32(records, static_cast<std::uint32_t>(8 + 4 * params.size()));
        for (std::int32_t p : params) {
            Put32(records, static_cast<std::uint32_t>(p));
        }
        return *this;
    }

    EmfBuilder& AddBytes(std::uint32_t type, const Bytes& payload) {
        Put32(records, type);
        Put32(records, static_cast<std::uint32_t>(8 + payload.size()));
        records.insert(records.end(), payload.begin(), payload.end());
        return *this;
    }

    // EXTTEXTOUTW of ASCII text at (x, y), no advances.
    EmfBuilder& Text(std::int32_t x, std::int32_t y, const std::string& text) {
        Bytes payload;
        for (int i = 0; i < 4; ++i) {
            Put32(payload, 0); // bounds
        }
        Put32(payload, 1);          // graphics mode
        Put32(payload, 0x3F800000); // x scale 1.0f
        Put32(payload, 0x3F800000); // y scale 1.0f
        Put32(payload, static_cast<std::uint32_t>(x));
        Put32(payload, static_cast<std::uint32_t>(y));
        Put32(payload, static_cast<std::uint32_t>(text.size()));
        Put32(payload, 76); // string offset from the record's start
        Put32(payload, 0);  // options
        for (int i = 0; i < 4; ++i) {
            Put32(payload, 0); // rectangle
        }
        Put32(payload, 0); // no advances
        for (char c : text) {
            Put16(payload, static_cast<std::uint8_t>(c));
        }
        while (payload.size() % 4 != 0) {
            payload.push_back(0);
        }
        return AddBytes(84, payload);
    }

    Bytes Build() const {
        Bytes out;
        Put32(out, 1);
        Put32(out, 108);
        for (std::int32_t b : {0, 0, 0, 0}) {
            Put32(out, static_cast<std::uint32_t>(b));
        }
        for (std::int32_t f : frame) {
            Put32(out, static_cast<std::uint32_t>(f));
        }
        Put32(out, 0x464D4520);
        Put32(out, 0x10000);
        Put32(out, 0); // total size, patched below
        Put32(out, 0); // record count
        Put16(out, handles);
        Put16(out, 0);
        Put32(out, 0); // description
        Put32(out, 0);
        Put32(out, 0); // palette entries
        Put32(out, static_cast<std::uint32_t>(device[0]));
        Put32(out, static_cast<std::uint32_t>(device[1]));
        Put32(out, static_cast<std::uint32_t>(millimetres[0]));
        Put32(out, static_cast<std::uint32_t>(millimetres[1]));
        for (int i = 0; i < 3; ++i) {
            Put32(out, 0); // pixel format, OpenGL
        }
        Put32(out, static_cast<std::uint32_t>(millimetres[0] * 1000));
        Put32(out, static_cast<std::uint32_t>(millimetres[1] * 1000));
        out.insert(out.end(), records.begin(), records.end());
        for (std::uint32_t v : {14u, 20u, 0u, 16u, 20u}) {
            Put32(out, v);
        }
        Patch32(out, 48, static_cast<std::uint32_t>(out.size()));
        return out;
    }
};

// A placeable Windows metafile: the 22-byte header with its checksum, the
// 18-byte metafile header, the records added, an end-of-file record.
struct WmfBuilder {
    std::int16_t box[4] = {0, 0, 100, 100};
    std::uint16_t unitsPerInch = 96;
    std::uint16_t objects = 8;
    Bytes records;

    WmfBuilder& Add(std::uint16_t function, const std::vector<std::int16_t>& params) {
        Put32(records, static_cast<std::uint32_t>(3 + params.size()));
        Put16(records, function);
        for (std::int16_t p : params) {
            Put16(records, static_cast<std::uint16_t>(p));
        }
        return *this;
    }

    WmfBuilder& AddBytes(std::uint16_t function, Bytes payload) {
        if (payload.size() % 2 != 0) {
            payload.push_back(0);
        }
        Put32(records, static_cast<std::uint32_t>(3 + payload.size() / 2));
        Put16(records, function);
        records.insert(records.end(), payload.begin(), payload.end());
        return *this;
    }

    // TEXTOUT of ASCII text at (x, y).
    WmfBuilder& Text(std::int16_t x, std::int16_t y, const std::string& text) {
        Bytes payload;
        Put16(payload, static_cast<std::uint16_t>(text.size()));
        payload.insert(payload.end(), text.begin(), text.end());
        if (payload.size() % 2 != 0) {
            payload.push_back(0);
        }
        Put16(payload, static_cast<std::uint16_t>(y));
        Put16(payload, static_cast<std::uint16_t>(x));
        return AddBytes(0x0521, payload);
    }

    Bytes Build() const {
        Bytes out;
        Put32(out, 0x9AC6CDD7);
        Put16(out, 0);
        for (std::int16_t b : box) {
            Put16(out, static_cast<std::uint16_t>(b));
        }
        Put16(out, unitsPerInch);
        Put32(out, 0);
        std::uint16_t checksum = 0;
        for (std::size_t i = 0; i < 20; i += 2) {
            checksum ^= static_cast<std::uint16_t>(out[i] | out[i + 1] << 8);
        }
        Put16(out, checksum);
        Put16(out, 1);      // in memory
        Put16(out, 9);      // header words
        Put16(out, 0x0300); // version
        Put32(out, static_cast<std::uint32_t>((18 + records.size() + 6) / 2));
        Put16(out, objects);
        Put32(out, 0); // largest record
        Put16(out, 0);
        out.insert(out.end(), records.begin(), records.end());
        Put32(out, 3);
        Put16(out, 0);
        return out;
    }
};

} // namespace quorvel::test
