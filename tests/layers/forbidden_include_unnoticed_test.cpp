#include "layertable.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>

namespace quorvel::testing_support {
namespace {

namespace fs = std::filesystem;

const fs::path kProject = QUORVEL_PROJECT_DIR;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<Layer> DocumentedLayers() {
    std::ifstream markdown(kProject / "docs/architecture.md");
    return ReadLayerTable(markdown);
}

bool IsSource(const fs::path& path) {
    const std::string name = path.filename().string();
    return name.ends_with(".h") || name.ends_with(".cpp") || name.ends_with(".h.in");
}

TEST(ForbiddenIncludeUnnoticed, EverySourceIncludesOnlyWhatTheTableAllows) {
    const std::vector<Layer> layers = DocumentedLayers();
    ASSERT_GE(layers.size(), 12u) << "the layer table was not found in docs/architecture.md";
    const LayerRules rules(layers);
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kProject / "src")) {
        if (!entry.is_regular_file() || !IsSource(entry.path())) {
            continue;
        }
        ++files;
        const std::string path = entry.path().lexically_relative(kProject).generic_string();
        for (const std::string& breach : rules.Breaches(path, ReadText(entry.path()))) {
            ADD_FAILURE() << breach;
        }
    }
    EXPECT_GT(files, 100);
}

struct IncludeCase {
    const char* name;
    const char* path;
    const char* text;
    const char* breach; // a part of the one expected message; "" when allowed
};

class LayerRuleMisjudged : public testing::TestWithParam<IncludeCase> {};

TEST_P(LayerRuleMisjudged, BreachReportedExactlyWhenTheTableForbidsIt) {
    const LayerRules rules(DocumentedLayers());
    const std::vector<std::string> breaches = rules.Breaches(GetParam().path, GetParam().text);
    if (std::string(GetParam().breach).empty()) {
        EXPECT_TRUE(breaches.empty()) << breaches.front();
    } else {
        ASSERT_EQ(breaches.size(), 1u);
        EXPECT_NE(breaches.front().find(GetParam().breach), std::string::npos) << breaches.front();
    }
}

INSTANTIATE_TEST_SUITE_P(
    DocumentedTable, LayerRuleMisjudged,
    testing::Values(
        IncludeCase{"model_uses_qt", "src/face/x.cpp", "#include <QImage>\n",
                    "src/face/x.cpp: #include <QImage>: src/face/ may not use Qt"},
        IncludeCase{"number_text_includes_model", "src/numtext/x.h", "#include \"face/face.h\"\n",
                    "src/numtext/x.h: #include \"face/face.h\": src/numtext/ may not include "
                    "src/face/"},
        IncludeCase{"sibling_format_included", "src/picture/bmp/x.cpp",
                    "  #  include \"picture/icon/iconfile.h\"\n",
                    "src/picture/bmp/ may not include src/picture/icon/"},
        IncludeCase{"view_includes_window", "src/view/x.cpp", "#include \"app/minform.h\"\n",
                    "src/view/ may not include src/app/"},
        IncludeCase{"folder_without_row", "src/plugins/x.cpp", "#include <vector>\n",
                    "src/plugins/x.cpp: its folder has no row"},
        IncludeCase{"header_outside_every_layer", "src/app/x.cpp", "#include \"tools/x.h\"\n",
                    "the header is in no folder"},
        IncludeCase{"lower_layer_through_named_one", "src/picture/icon/x.cpp",
                    "#include \"numtext/failure.h\"\n#include <QImage>\n", ""},
        IncludeCase{"photo_builds_on_raster", "src/picture/photo/x.cpp",
                    "#include \"picture/raster/raster.h\"\n", ""},
        IncludeCase{"window_includes_everything_above", "src/app/x.cpp",
                    "#include \"picture/bmp/dibimage.h\"\n#include \"app/widgets/dockarea.h\"\n",
                    ""},
        IncludeCase{"own_folder", "src/app/widgets/x.cpp", "#include \"app/widgets/dockarea.h\"\n",
                    ""}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(LayerTableTypo, NameOfNoRowIsRefused) {
    std::istringstream markdown("## Layers\n\n"
                                "| Folder | Target | What | May include |\n"
                                "|---|---|---|---|\n"
                                "| `src/a/` | `a` | a | the standard library |\n"
                                "| `src/b/` | `b` | b | `aa` |\n");
    EXPECT_THROW(LayerRules{ReadLayerTable(markdown)}, std::runtime_error);
}

} // namespace
} // namespace quorvel::testing_support
