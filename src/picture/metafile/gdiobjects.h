#pragma once

#include "picture/metafile/gdicodes.h"

#include <QColor>
#include <QString>
#include <cstdint>
#include <span>
#include <variant>

namespace quorvel {

// The drawing objects a metafile creates and selects. Sizes are in the
// logical units of the metafile's coordinate space.

struct GdiPen {
    std::uint32_t style = kPenSolid; // line style, end cap and join bits
    double width = 0;                // 0 draws one device pixel wide
    QColor colour = Qt::black;
};

struct GdiBrush {
    enum class Style { Solid, Hollow, Hatched };
    Style style = Style::Solid;
    QColor colour = Qt::white;
    std::uint32_t hatch = kHatchHorizontal;
};

// A logical brush as both metafile forms record it: solid or hatched; every
// other style (hollow, patterns) draws nothing.
GdiBrush LogicalBrush(std::uint32_t style, QColor colour, std::uint32_t hatch);

struct GdiFont {
    double height = 0;           // < 0: character height, > 0: cell height, 0: default
    std::int32_t escapement = 0; // tenths of a degree, anticlockwise
    std::int32_t weight = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::uint8_t charset = 0;
    QString face;
};

// Palettes, regions and bitmap-pattern brushes take a slot in the object
// table but draw nothing in this player.
struct GdiPlaceholder {};

using GdiObject = std::variant<GdiPlaceholder, GdiPen, GdiBrush, GdiFont>;

// A colour written 0x00BBGGRR; the top byte (palette flags) is ignored.
inline QColor ColourFromRef(std::uint32_t ref) {
    return QColor(static_cast<int>(ref & 0xFF), static_cast<int>((ref >> 8) & 0xFF),
                  static_cast<int>((ref >> 16) & 0xFF));
}

// The character set of Japanese fonts; every other set is taken as Western
// (Windows-1252).
inline constexpr std::uint8_t kShiftJisCharset = 128;

// Text in a font's 8-bit character set.
QString DecodeAnsi(std::span<const std::uint8_t> bytes, std::uint8_t charset);

// The stock objects that enhanced metafiles select by number.
GdiObject StockObject(std::uint32_t number);

} // namespace quorvel
