#pragma once

#include "face/memoryfields.h"
#include "face/trialjudgement.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace quorvel {

// What a nearby judgement may vary: each press of the procedure on the
// coordinate its step reads (the ear sets only r, the top, chin, nose and
// mouth only heights), and the two contour sliders.
enum class LatticeAxis { CentreX, CentreY, EarX, TopY, ChinY, NoseY, MouthY, Mo, E };
inline constexpr std::size_t kLatticeAxes = 9;

// The judgements near the one the fields give. The fields keep no clicks, so
// the presses are rebuilt from them: the centre at (cx, cy), the ear at
// cx + r on the eye line, the top at cy - TopSpan, the chin at cy + BottomSpan,
// the nose and mouth at cy + nh * BottomSpan and cy + mh * BottomSpan, each
// rounded to the nearest pixel as a press is. A point of the lattice moves
// those presses by whole pixels and the sliders by whole steps, places the
// presses again through PlaceLandmark in the order of the procedure on a copy
// of the fields and judges the copy as the last step does.
class AgeLattice {
public:
    // Offsets from the rebuilt presses in pixels (down, and right for the ear
    // and centre x), and from the sliders' positions in steps.
    using Point = std::array<std::int32_t, kLatticeAxes>;

    // No press moves further: only spans typed by hand reach it, and it bounds
    // the time a search of the box takes.
    static constexpr double kMaxMovePixels = 1000.0;

    // Reads the fields as the judgement does, meeting its failures first.
    explicit AgeLattice(const FaceFields& fields);

    // Picture pixels from the eye line down to the chin: BottomSpan.
    double EyeToChin() const { return eyeToChin_; }

    // The box around the fields' judgement: every press within 2 % of the
    // eye-to-chin distance in whole pixels, each slider one step either way
    // where the slider reaches.
    std::int32_t Lowest(LatticeAxis axis) const { return lowest_[Index(axis)]; }
    std::int32_t Highest(LatticeAxis axis) const { return highest_[Index(axis)]; }

    // The age the fields give as they stand.
    std::optional<TrialAge> FieldsAge() const;

    // The age at a point, inside the box or not; none where the nose depth is
    // too small to judge. Throws the judgement's failures.
    std::optional<TrialAge> AgeAt(const Point& offsets) const;

private:
    static constexpr std::size_t Index(LatticeAxis axis) { return static_cast<std::size_t>(axis); }
    void MoveSlider(int wizStep, LatticeAxis axis, std::int32_t offset, FaceFields& trial) const;

    MemoryFields fields_;
    double eyeToChin_ = 0;
    Point presses_{}; // the rebuilt presses; the slider entries hold positions
    Point lowest_{};
    Point highest_{};
};

} // namespace quorvel
