#include "picture/metafile/gdiobjects.h"

#include <QStringDecoder>

namespace quorvel {

namespace {

GdiBrush SolidBrush(QColor colour) {
    return GdiBrush{GdiBrush::Style::Solid, colour, kHatchHorizontal};
}

GdiFont FixedFont() {
    GdiFont font;
    font.face = QStringLiteral("monospace");
    return font;
}

} // namespace

GdiBrush LogicalBrush(std::uint32_t style, QColor colour, std::uint32_t hatch) {
    switch (style) {
    case kBrushSolid:
        return GdiBrush{GdiBrush::Style::Solid, colour, hatch};
    case kBrushHatched:
        return GdiBrush{GdiBrush::Style::Hatched, colour, hatch};
    default:
        return GdiBrush{GdiBrush::Style::Hollow, colour, hatch};
    }
}

QString DecodeAnsi(std::span<const std::uint8_t> bytes, std::uint8_t charset) {
    const char* data = reinterpret_cast<const char*>(bytes.data());
    const auto size = static_cast<qsizetype>(bytes.size());
    QStringDecoder decoder(charset == kShiftJisCharset ? "Shift_JIS" : "windows-1252");
    if (!decoder.isValid()) {
        return QString::fromLatin1(data, size);
    }
    return decoder.decode(QByteArrayView(data, size));
}

GdiObject StockObject(std::uint32_t number) {
    switch (number) {
    case kStockWhiteBrush:
    case kStockDcBrush:
        return SolidBrush(Qt::white);
    case kStockLightGreyBrush:
        return SolidBrush(QColor(0xC0, 0xC0, 0xC0));
    case kStockGreyBrush:
        return SolidBrush(QColor(0x80, 0x80, 0x80));
    case kStockDarkGreyBrush:
        return SolidBrush(QColor(0x40, 0x40, 0x40));
    case kStockBlackBrush:
        return SolidBrush(Qt::black);
    case kStockNullBrush:
        return GdiBrush{GdiBrush::Style::Hollow, Qt::white, kHatchHorizontal};
    case kStockWhitePen:
        return GdiPen{kPenSolid, 0, Qt::white};
    case kStockBlackPen:
    case kStockDcPen:
        return GdiPen{kPenSolid, 0, Qt::black};
    case kStockNullPen:
        return GdiPen{kPenNull, 0, Qt::black};
    case kStockOemFixedFont:
    case kStockAnsiFixedFont:
    case kStockSystemFixedFont:
        return FixedFont();
    case kStockAnsiVariableFont:
    case kStockSystemFont:
    case kStockDeviceDefaultFont:
    case kStockDefaultGuiFont:
        return GdiFont{};
    default:
        return GdiPlaceholder{};
    }
}

} // namespace quorvel
