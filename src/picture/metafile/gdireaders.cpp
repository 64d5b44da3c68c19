#include "picture/metafile/gdireaders.h"

namespace quorvel {

namespace {

std::size_t Bytes(FieldWidth width) {
    return static_cast<std::size_t>(width);
}

std::uint32_t ReadUnsigned(const RecordBytes& r, std::size_t at, FieldWidth width) {
    return width == FieldWidth::Word ? r.U16(at) : r.U32(at);
}

// Field offsets of the logical objects in each form.
struct LogPenFields {
    std::size_t style, width, colour; // width: x of a point; y is unused
};
constexpr LogPenFields kLogPen16{0, 2, 6};
constexpr LogPenFields kLogPen32{0, 4, 12};

struct LogBrushFields {
    std::size_t style, colour, hatch;
};
constexpr LogBrushFields kLogBrush16{0, 2, 6};
constexpr LogBrushFields kLogBrush32{0, 4, 8};

struct LogFontFields {
    std::size_t height, escapement, weight, italic, underline, strikeOut, charset, face;
};
constexpr LogFontFields kLogFont16{0, 4, 8, 10, 11, 12, 13, 18};
constexpr LogFontFields kLogFont32{0, 8, 16, 20, 21, 22, 23, 28};
constexpr std::size_t kFaceCharacters = 32; // with the terminating zero

// Up to 32 UTF-16 units, ending at a zero.
QString WideFace(const RecordBytes& r, std::size_t at) {
    QString face;
    for (std::size_t i = 0; i < kFaceCharacters; ++i) {
        const std::uint16_t unit = r.U16(at + 2 * i);
        if (unit == 0) {
            break;
        }
        face.append(QChar(unit));
    }
    return face;
}

// Up to 32 bytes in the font's character set, ending at a zero.
QString AnsiFace(const RecordBytes& r, std::size_t at, std::uint8_t charset) {
    const RecordBytes face = r.Sub(at, kFaceCharacters);
    std::size_t length = 0;
    while (length < face.Size() && face.U8(length) != 0) {
        ++length;
    }
    return DecodeAnsi(face.Span().first(length), charset);
}

} // namespace

std::int32_t ReadInteger(const RecordBytes& r, std::size_t at, FieldWidth width) {
    return width == FieldWidth::Word ? r.I16(at) : r.I32(at);
}

QPointF ReadPoint(const RecordBytes& r, std::size_t at, FieldWidth width) {
    return QPointF(ReadInteger(r, at, width), ReadInteger(r, at + Bytes(width), width));
}

std::vector<QPointF> ReadPoints(const RecordBytes& r, std::size_t at, std::size_t count,
                                FieldWidth width) {
    const std::size_t each = 2 * Bytes(width);
    if (count > r.Size() / each || !r.Has(at, count * each)) {
        return {};
    }
    std::vector<QPointF> points(count);
    for (std::size_t i = 0; i < count; ++i) {
        points[i] = ReadPoint(r, at + i * each, width);
    }
    return points;
}

std::vector<std::vector<QPointF>> ReadFigures(const RecordBytes& r, std::size_t countsAt,
                                              std::size_t figures, FieldWidth countWidth,
                                              FieldWidth pointWidth, std::size_t maxPoints) {
    std::vector<std::vector<QPointF>> result;
    std::size_t at = countsAt + figures * Bytes(countWidth);
    std::size_t left = maxPoints;
    for (std::size_t i = 0; i < figures; ++i) {
        const std::size_t count = ReadUnsigned(r, countsAt + i * Bytes(countWidth), countWidth);
        std::vector<QPointF> figure = ReadPoints(r, at, count, pointWidth);
        if (count > left || figure.size() != count) {
            return {};
        }
        left -= count;
        at += count * 2 * Bytes(pointWidth);
        result.push_back(std::move(figure));
    }
    return result;
}

std::vector<double> ReadAdvances(const RecordBytes& r, std::size_t at, std::size_t count,
                                 std::size_t stride, FieldWidth width) {
    if (!r.Has(at, count * stride)) {
        return {};
    }
    std::vector<double> advances(count);
    for (std::size_t i = 0; i < count; ++i) {
        advances[i] = ReadInteger(r, at + i * stride, width);
    }
    return advances;
}

QColor ReadColour(const RecordBytes& r, std::size_t at) {
    return ColourFromRef(r.U32(at));
}

GdiPen ReadLogPen(const RecordBytes& r, std::size_t at, FieldWidth width) {
    const LogPenFields& f = width == FieldWidth::Word ? kLogPen16 : kLogPen32;
    return GdiPen{ReadUnsigned(r, at + f.style, width),
                  static_cast<double>(ReadInteger(r, at + f.width, width)),
                  ReadColour(r, at + f.colour)};
}

GdiBrush ReadLogBrush(const RecordBytes& r, std::size_t at, FieldWidth width) {
    const LogBrushFields& f = width == FieldWidth::Word ? kLogBrush16 : kLogBrush32;
    return LogicalBrush(ReadUnsigned(r, at + f.style, width), ReadColour(r, at + f.colour),
                        ReadUnsigned(r, at + f.hatch, width));
}

GdiFont ReadLogFont(const RecordBytes& r, std::size_t at, FieldWidth width) {
    const LogFontFields& f = width == FieldWidth::Word ? kLogFont16 : kLogFont32;
    GdiFont font;
    font.height = ReadInteger(r, at + f.height, width);
    font.escapement = ReadInteger(r, at + f.escapement, width);
    font.weight = ReadInteger(r, at + f.weight, width);
    font.italic = r.U8(at + f.italic) != 0;
    font.underline = r.U8(at + f.underline) != 0;
    font.strikeOut = r.U8(at + f.strikeOut) != 0;
    font.charset = r.U8(at + f.charset);
    font.face = width == FieldWidth::Word ? AnsiFace(r, at + f.face, font.charset)
                                          : WideFace(r, at + f.face);
    return font;
}

} // namespace quorvel
