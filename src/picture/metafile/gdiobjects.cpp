#include "picture/metafile/gdiobjects.h"

#include <QStringDecoder>

namespace quorvel {

namespace {

GdiBrush SolidBrush(QColor colour) {
    return GdiBrush{GdiBrush::Style::Solid, colour, 0};
}

GdiFont FixedFont() {
    GdiFont font;
    font.face = QStringLiteral("monospace");
    return font;
}

} // namespace

GdiBrush LogicalBrush(std::uint32_t style, QColor colour, std::uint32_t hatch) {
    switch (style) {
    case 0:
        return GdiBrush{GdiBrush::Style::Solid, colour, hatch};
    case 2:
        return GdiBrush{GdiBrush::Style::Hatched, colour, hatch};
    default:
        return GdiBrush{GdiBrush::Style::Hollow, colour, hatch};
    }
}

QString DecodeAnsi(std::span<const std::uint8_t> bytes, std::uint8_t charset) {
    const char* data = reinterpret_cast<const char*>(bytes.data());
    const auto size = static_cast<qsizetype>(bytes.size());
    QStringDecoder decoder(charset == 128 ? "Shift_JIS" : "windows-1252");
    if (!decoder.isValid()) {
        return QString::fromLatin1(data, size);
    }
    return decoder.decode(QByteArrayView(data, size));
}

GdiObject StockObject(std::uint32_t number) {
    switch (number) {
    case 0:
    case 18:
        return SolidBrush(Qt::white);
    case 1:
        return SolidBrush(QColor(0xC0, 0xC0, 0xC0));
    case 2:
        return SolidBrush(QColor(0x80, 0x80, 0x80));
    case 3:
        return SolidBrush(QColor(0x40, 0x40, 0x40));
    case 4:
        return SolidBrush(Qt::black);
    case 5:
        return GdiBrush{GdiBrush::Style::Hollow, Qt::white, 0};
    case 6:
        return GdiPen{0, 0, Qt::white};
    case 7:
    case 19:
        return GdiPen{0, 0, Qt::black};
    case 8:
        return GdiPen{5, 0, Qt::black};
    case 10:
    case 11:
    case 16:
        return FixedFont();
    case 12:
    case 13:
    case 14:
    case 17:
        return GdiFont{};
    default:
        return GdiPlaceholder{};
    }
}

} // namespace quorvel
