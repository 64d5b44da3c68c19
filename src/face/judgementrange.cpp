#include "face/judgementrange.h"

#include "face/agelattice.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace quorvel {
namespace {

struct Found {
    AgeLattice::Point at{};
    TrialAge judged;
};

using Better = bool (*)(const TrialAge& candidate, const TrialAge& found);

// The age falls as x rises. Among equal ages the x decides, so that the search
// starts from the corner nearest the extreme, not from one truncation ties.
bool Younger(const TrialAge& candidate, const TrialAge& found) {
    return candidate.age < found.age || (candidate.age == found.age && candidate.x > found.x);
}
bool Older(const TrialAge& candidate, const TrialAge& found) {
    return candidate.age > found.age || (candidate.age == found.age && candidate.x < found.x);
}

void Consider(const AgeLattice::Point& at, const std::optional<TrialAge>& judged, Better better,
              std::optional<Found>& found) {
    if (judged && (!found || better(*judged, found->judged))) {
        found = Found{at, *judged};
    }
}

std::vector<std::size_t> AxesThatMove(const AgeLattice& lattice) {
    std::vector<std::size_t> axes;
    for (std::size_t axis = 0; axis < kLatticeAxes; ++axis) {
        const auto named = static_cast<LatticeAxis>(axis);
        if (lattice.Lowest(named) < lattice.Highest(named)) {
            axes.push_back(axis);
        }
    }
    return axes;
}

// Moves to the best point one axis away, until none gives a better age.
// Taking the best rather than the first keeps a refused press from leading
// the climb away: from a refused nose, moving the centre also gives a younger
// age, but not the youngest that moving the nose back gives. It moves only
// for a better age: moving within one age for a better x would cost passes
// over the box and find nothing the choice of the corner did not.
void Climb(const AgeLattice& lattice, const std::vector<std::size_t>& axes, Better better,
           Found& found) {
    for (;;) {
        Found best = found;
        for (const std::size_t axis : axes) {
            const auto named = static_cast<LatticeAxis>(axis);
            for (std::int32_t offset = lattice.Lowest(named); offset <= lattice.Highest(named);
                 ++offset) {
                if (offset == found.at[axis]) {
                    continue;
                }
                AgeLattice::Point at = found.at;
                at[axis] = offset;
                const std::optional<TrialAge> judged = lattice.AgeAt(at);
                if (judged && better(*judged, best.judged)) {
                    best = Found{at, *judged};
                }
            }
        }
        if (best.judged.age == found.judged.age) {
            return;
        }
        found = best;
    }
}

} // namespace

// Each press changes one span of the face in proportion, and the age falls as
// x rises, so moving one press moves the age one way whatever the others do:
// the extremes lie on corners of the box. Two things break that order, and
// the climb from the best corner repairs them: a press the placement refuses
// (a nose on the eye line) keeps its field instead, and where 20 / x is a
// whole number the rounding of a span the age does not depend on (r) decides
// which side of the year it falls.
std::optional<AgeRange> JudgeAgeRange(const FaceFields& fields) {
    const AgeLattice lattice(fields);
    const std::optional<TrialAge> fieldsAge = lattice.FieldsAge();
    if (!fieldsAge) {
        return std::nullopt;
    }

    const std::vector<std::size_t> axes = AxesThatMove(lattice);
    std::optional<Found> youngest;
    std::optional<Found> oldest;
    const AgeLattice::Point rebuilt{};
    const std::optional<TrialAge> rebuiltAge = lattice.AgeAt(rebuilt);
    Consider(rebuilt, rebuiltAge, Younger, youngest);
    Consider(rebuilt, rebuiltAge, Older, oldest);
    for (std::uint32_t corner = 0; corner < (std::uint32_t{1} << axes.size()); ++corner) {
        AgeLattice::Point at{};
        for (std::size_t bit = 0; bit < axes.size(); ++bit) {
            const auto named = static_cast<LatticeAxis>(axes[bit]);
            at[axes[bit]] =
                (corner >> bit & 1) != 0 ? lattice.Highest(named) : lattice.Lowest(named);
        }
        const std::optional<TrialAge> judged = lattice.AgeAt(at);
        Consider(at, judged, Younger, youngest);
        Consider(at, judged, Older, oldest);
    }

    AgeRange range{fieldsAge->age, fieldsAge->age};
    if (youngest) {
        Climb(lattice, axes, Younger, *youngest);
        range.low = std::min(range.low, youngest->judged.age);
    }
    if (oldest) {
        Climb(lattice, axes, Older, *oldest);
        range.high = std::max(range.high, oldest->judged.age);
    }
    return range;
}

} // namespace quorvel
