#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace quorvel::testing_support {

// One row of the layer table of docs/architecture.md.
struct Layer {
    std::string folder;               // as the table writes it: "src/picture/bmp/"
    std::vector<std::string> targets; // the CMake targets the folder builds
    std::string mayInclude;           // the last column, as written
};

// The rows of the first table under the "## Layers" heading.
std::vector<Layer> ReadLayerTable(std::istream& markdown);

// What each folder may include: the layers its row names, the layers those
// name in turn, and Qt's headers where any of them names Qt.
class LayerRules {
public:
    // Throws std::runtime_error for a name in a "May include" column that
    // matches no row, so a typo in the table cannot allow everything.
    explicit LayerRules(std::vector<Layer> layers);

    // Every include in the text of the file at `path` (relative to the
    // project, "src/...") that the table does not allow, one message each
    // naming the file and the include; a file in a folder with no row gets
    // one message saying so.
    std::vector<std::string> Breaches(const std::string& path, const std::string& text) const;

private:
    std::optional<std::size_t> LayerOf(const std::string& path) const;

    std::vector<Layer> layers_;
    std::vector<std::vector<bool>> allowed_; // [from][to]
    std::vector<bool> qtAllowed_;
};

} // namespace quorvel::testing_support
