#pragma once

#include "picture/core/recordbytes.h"
#include "picture/metafile/gdiobjects.h"

#include <QPointF>
#include <cstddef>
#include <limits>
#include <vector>

namespace quorvel {

// Readers of the structures both metafile forms store, the same but for
// the width of their fields: 16-bit words in Windows metafiles (and in the
// small point records of enhanced metafiles), 32 bits in enhanced ones.
enum class FieldWidth : std::size_t { Word = 2, Long = 4 };

// A signed field.
std::int32_t ReadInteger(const RecordBytes& r, std::size_t at, FieldWidth width);
// A point, x before y.
QPointF ReadPoint(const RecordBytes& r, std::size_t at, FieldWidth width);
// `count` points from `at`; none when the record is too short to hold them all.
std::vector<QPointF> ReadPoints(const RecordBytes& r, std::size_t at, std::size_t count,
                                FieldWidth width);
// Figures of points: `figures` point counts from `countsAt`, then all points.
// None when a figure does not fit the record or the figures hold more than
// `maxPoints` points.
std::vector<std::vector<QPointF>>
ReadFigures(const RecordBytes& r, std::size_t countsAt, std::size_t figures, FieldWidth countWidth,
            FieldWidth pointWidth, std::size_t maxPoints = std::numeric_limits<std::size_t>::max());
// `count` character advances from `at`, `stride` bytes apart; none when the
// record is too short to hold them all.
std::vector<double> ReadAdvances(const RecordBytes& r, std::size_t at, std::size_t count,
                                 std::size_t stride, FieldWidth width);
// A colour written 0x00BBGGRR.
QColor ReadColour(const RecordBytes& r, std::size_t at);

// The logical pen, brush and font structures. The font's face name is UTF-16
// in the 32-bit form, in the font's own character set in the 16-bit form.
GdiPen ReadLogPen(const RecordBytes& r, std::size_t at, FieldWidth width);
GdiBrush ReadLogBrush(const RecordBytes& r, std::size_t at, FieldWidth width);
GdiFont ReadLogFont(const RecordBytes& r, std::size_t at, FieldWidth width);

} // namespace quorvel
