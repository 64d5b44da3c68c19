#include "layertable.h"

#include <regex>
#include <sstream>
#include <stdexcept>

namespace quorvel::testing_support {
namespace {

// The `quoted` names of a table cell, in order.
std::vector<std::string> QuotedNames(const std::string& cell) {
    std::vector<std::string> names;
    static const std::regex quoted("`([^`]+)`");
    for (auto it = std::sregex_iterator(cell.begin(), cell.end(), quoted);
         it != std::sregex_iterator(); ++it) {
        names.push_back((*it)[1]);
    }
    return names;
}

std::vector<std::string> Cells(const std::string& row) {
    std::vector<std::string> cells;
    std::stringstream stream(row);
    std::string cell;
    std::getline(stream, cell, '|'); // before the first bar
    while (std::getline(stream, cell, '|')) {
        cells.push_back(cell);
    }
    return cells;
}

std::string LastComponent(const std::string& folder) {
    const std::string trimmed = folder.substr(0, folder.size() - 1);
    return trimmed.substr(trimmed.find_last_of('/') + 1);
}

bool IsQtHeader(const std::string& header) {
    return !header.empty() && header[0] == 'Q';
}

} // namespace

std::vector<Layer> ReadLayerTable(std::istream& markdown) {
    std::vector<Layer> layers;
    bool inSection = false;
    for (std::string line; std::getline(markdown, line);) {
        if (line.starts_with("## ")) {
            if (inSection) {
                break;
            }
            inSection = line == "## Layers";
            continue;
        }
        if (!inSection || !line.starts_with("|")) {
            if (inSection && !layers.empty()) {
                break; // the table has ended
            }
            continue;
        }
        const std::vector<std::string> cells = Cells(line);
        const std::vector<std::string> folder =
            cells.empty() ? std::vector<std::string>{} : QuotedNames(cells.front());
        if (cells.size() < 2 || folder.size() != 1 || !folder.front().starts_with("src/")) {
            continue; // the heading row and the rule under it
        }
        layers.push_back({folder.front(), QuotedNames(cells[1]), cells.back()});
    }
    return layers;
}

LayerRules::LayerRules(std::vector<Layer> layers)
    : layers_(std::move(layers)),
      allowed_(layers_.size(), std::vector<bool>(layers_.size(), false)),
      qtAllowed_(layers_.size(), false) {
    const std::size_t count = layers_.size();
    for (std::size_t from = 0; from < count; ++from) {
        allowed_[from][from] = true;
        const std::string& column = layers_[from].mayInclude;
        qtAllowed_[from] = column.find("Qt") != std::string::npos;
        if (column.find("everything above") != std::string::npos) {
            for (std::size_t to = 0; to < from; ++to) {
                allowed_[from][to] = true;
            }
        }
        for (const std::string& name : QuotedNames(column)) {
            const bool pattern = name.ends_with('*');
            const std::string stem = pattern ? name.substr(0, name.size() - 1) : name;
            bool found = false;
            for (std::size_t to = 0; to < count; ++to) {
                bool matches = LastComponent(layers_[to].folder) == name;
                for (const std::string& target : layers_[to].targets) {
                    matches = matches || (pattern ? target.starts_with(stem) : target == name);
                }
                if (matches) {
                    allowed_[from][to] = true;
                    found = true;
                }
            }
            if (!found) {
                throw std::runtime_error("the row of " + layers_[from].folder + " names `" + name +
                                         "`, which is no folder or target of the table");
            }
        }
    }
    // What a layer may include, it may include through the layers it uses.
    for (std::size_t via = 0; via < count; ++via) {
        for (std::size_t from = 0; from < count; ++from) {
            if (!allowed_[from][via]) {
                continue;
            }
            for (std::size_t to = 0; to < count; ++to) {
                allowed_[from][to] = allowed_[from][to] || allowed_[via][to];
            }
        }
    }
    for (std::size_t from = 0; from < count; ++from) {
        for (std::size_t to = 0; to < count; ++to) {
            qtAllowed_[from] =
                qtAllowed_[from] ||
                (allowed_[from][to] && layers_[to].mayInclude.find("Qt") != std::string::npos);
        }
    }
}

std::optional<std::size_t> LayerRules::LayerOf(const std::string& path) const {
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < layers_.size(); ++i) {
        if (path.starts_with(layers_[i].folder) &&
            (!best || layers_[i].folder.size() > layers_[*best].folder.size())) {
            best = i;
        }
    }
    return best;
}

std::vector<std::string> LayerRules::Breaches(const std::string& path,
                                              const std::string& text) const {
    const std::optional<std::size_t> from = LayerOf(path);
    if (!from) {
        return {path + ": its folder has no row in the layer table of docs/architecture.md; "
                       "add one saying what it may include"};
    }
    std::vector<std::string> breaches;
    static const std::regex include(R"(^[ \t]*#[ \t]*include[ \t]*([<"])([^>"]+)[>"])");
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (!std::regex_search(line, match, include)) {
            continue;
        }
        const std::string header = match[2];
        const std::string written = match[1] == "<" ? "<" + header + ">" : '"' + header + '"';
        const std::string where = path + ": #include " + written + ": ";
        if (match[1] == "<") {
            if (IsQtHeader(header) && !qtAllowed_[*from]) {
                breaches.push_back(where + layers_[*from].folder + " may not use Qt");
            }
            continue;
        }
        const std::optional<std::size_t> to = LayerOf("src/" + header);
        if (!to) {
            breaches.push_back(where + "the header is in no folder of the layer table");
        } else if (!allowed_[*from][*to]) {
            breaches.push_back(where + layers_[*from].folder + " may not include " +
                               layers_[*to].folder);
        }
    }
    return breaches;
}

} // namespace quorvel::testing_support
