#include "face/judgementrange.h"

#include "face/agelattice.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace quorvel {
namespace {

struct Found {
    AgeLattice::Point at{};
    int age = 0;
};

using Better = bool (*)(int candidate, int found);

bool Younger(int candidate, int found) {
    return candidate < found;
}
bool Older(int candidate, int found) {
    return candidate > found;
}

void Consider(const AgeLattice::Point& at, std::optional<int> age, Better better,
              std::optional<Found>& found) {
    if (age && (!found || better(*age, found->age))) {
        found = Found{at, *age};
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

// Moves one axis at a time to whichever of its values improves the age, until
// none does. It finds the extremes that a refused press hides inside the box.
void Climb(const AgeLattice& lattice, const std::vector<std::size_t>& axes, Better better,
           Found& found) {
    for (bool moved = true; moved;) {
        moved = false;
        for (const std::size_t axis : axes) {
            const auto named = static_cast<LatticeAxis>(axis);
            for (std::int32_t offset = lattice.Lowest(named); offset <= lattice.Highest(named);
                 ++offset) {
                if (offset == found.at[axis]) {
                    continue;
                }
                AgeLattice::Point at = found.at;
                at[axis] = offset;
                const std::optional<int> age = lattice.AgeAt(at);
                if (age && better(*age, found.age)) {
                    found = Found{at, *age};
                    moved = true;
                }
            }
        }
    }
}

} // namespace

// Each press changes one span of the face in proportion, and the age falls as
// x rises, so moving one press moves the age one way whatever the others do:
// the extremes lie on corners of the box. Two things break that order, and
// the climb from the best corners repairs them: a press the placement refuses
// (a nose on the eye line) keeps its field instead, and where 20 / x is a
// whole number the rounding of a span the age does not depend on (r) decides
// which side of the year it falls.
std::optional<AgeRange> JudgeAgeRange(const FaceFields& fields) {
    const AgeLattice lattice(fields);
    const std::optional<int> fieldsAge = lattice.FieldsAge();
    if (!fieldsAge) {
        return std::nullopt;
    }

    const std::vector<std::size_t> axes = AxesThatMove(lattice);
    std::optional<Found> youngest;
    std::optional<Found> oldest;
    const AgeLattice::Point rebuilt{};
    const std::optional<int> rebuiltAge = lattice.AgeAt(rebuilt);
    Consider(rebuilt, rebuiltAge, Younger, youngest);
    Consider(rebuilt, rebuiltAge, Older, oldest);
    for (std::uint32_t corner = 0; corner < (std::uint32_t{1} << axes.size()); ++corner) {
        AgeLattice::Point at{};
        for (std::size_t bit = 0; bit < axes.size(); ++bit) {
            const auto named = static_cast<LatticeAxis>(axes[bit]);
            at[axes[bit]] =
                (corner >> bit & 1) != 0 ? lattice.Highest(named) : lattice.Lowest(named);
        }
        const std::optional<int> age = lattice.AgeAt(at);
        Consider(at, age, Younger, youngest);
        Consider(at, age, Older, oldest);
    }

    AgeRange range{*fieldsAge, *fieldsAge};
    if (youngest) {
        Climb(lattice, axes, Younger, *youngest);
        range.low = std::min(range.low, youngest->age);
    }
    if (oldest) {
        Climb(lattice, axes, Older, *oldest);
        range.high = std::max(range.high, oldest->age);
    }
    return range;
}

} // namespace quorvel
