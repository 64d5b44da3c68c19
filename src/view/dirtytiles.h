#pragma once

#include <QRect>
#include <QRegion>
#include <vector>

namespace quorvel {

// Collects the areas one redraw changes (a few hundred thin strokes) and
// hands them on as a region of a few tiles, so that scheduling the repaint
// does not cost a region union per stroke.
class DirtyTiles {
public:
    bool Empty() const { return areas_.empty(); }
    void Add(const QRect& area) { areas_.push_back(area); }

    // The tiles of `within` that the collected areas touch, as rows of
    // merged tiles; the collection starts over.
    QRegion Take(const QRect& within);

private:
    static constexpr int kTileSide = 32; // widget pixels

    std::vector<QRect> areas_;
};

} // namespace quorvel
