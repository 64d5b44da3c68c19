#include "view/dirtytiles.h"

#include <algorithm>

namespace quorvel {

QRegion DirtyTiles::Take(const QRect& within) {
    QRegion region;
    if (!within.isEmpty()) {
        const int columns = (within.width() + kTileSide - 1) / kTileSide;
        const int rows = (within.height() + kTileSide - 1) / kTileSide;
        std::vector<bool> dirty(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
        for (const QRect& area : areas_) {
            const QRect inside = area.intersected(within).translated(-within.topLeft());
            if (inside.isEmpty()) {
                continue;
            }
            for (int row = inside.top() / kTileSide; row <= inside.bottom() / kTileSide; ++row) {
                const auto first =
                    static_cast<std::size_t>(row * columns + inside.left() / kTileSide);
                const auto last =
                    static_cast<std::size_t>(row * columns + inside.right() / kTileSide);
                std::fill(dirty.begin() + static_cast<std::ptrdiff_t>(first),
                          dirty.begin() + static_cast<std::ptrdiff_t>(last) + 1, true);
            }
        }
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns;) {
                const auto at = static_cast<std::size_t>(row * columns);
                if (!dirty[at + static_cast<std::size_t>(column)]) {
                    ++column;
                    continue;
                }
                const int start = column;
                while (column < columns && dirty[at + static_cast<std::size_t>(column)]) {
                    ++column;
                }
                region += QRect(within.left() + start * kTileSide, within.top() + row * kTileSide,
                                (column - start) * kTileSide, kTileSide)
                              .intersected(within);
            }
        }
    }
    areas_.clear();
    return region;
}

} // namespace quorvel
