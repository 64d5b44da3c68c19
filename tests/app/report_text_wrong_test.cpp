// The text of the error report (full-stop rule) and the program title taken
// from the executable's name.
#include "app/errorreport.h"
#include "app/programtitle.h"

#include <gtest/gtest.h>
#include <string>

namespace quorvel {
namespace {

struct FullStopCase {
    const char* name;
    std::string message;
    std::string shown;
};

class FullStop : public ::testing::TestWithParam<FullStopCase> {};

TEST_P(FullStop, AppendedOnlyAfterCharactersSortingAfterIt) {
    EXPECT_EQ(WithFullStop(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Messages, FullStop,
                         ::testing::Values(FullStopCase{"latin_letter", "Error", "Error."},
                                           FullStopCase{"digit", "code 5", "code 5."},
                                           FullStopCase{"slash_sorts_after_full_stop", "a/", "a/."},
                                           FullStopCase{"already_full_stop", "done.", "done."},
                                           FullStopCase{"closing_parenthesis", "(x)", "(x)"},
                                           FullStopCase{"exclamation_mark", "stop!", "stop!"},
                                           FullStopCase{"comma", "a,", "a,"},
                                           FullStopCase{"hyphen", "a-", "a-"},
                                           FullStopCase{"trailing_space", "a ", "a "},
                                           FullStopCase{"control_character", "a\n", "a\n"},
                                           FullStopCase{"delete_character", "a\x7f", "a\x7f."},
                                           FullStopCase{"japanese_character",
                                                        "'abc' は数値ではありません",
                                                        "'abc' は数値ではありません."},
                                           FullStopCase{"half_width_katakana", "ｴﾗｰ", "ｴﾗｰ."},
                                           FullStopCase{"four_byte_character", "😀", "😀."},
                                           FullStopCase{"lone_continuation_byte", "\x80", "\x80."},
                                           FullStopCase{"empty_message", "", ""}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

struct TitleCase {
    const char* name;
    const char* path;
    const char* title;
};

class TitleFromExecutable : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleFromExecutable, NameUpToFirstFullStopWithTailLowered) {
    EXPECT_EQ(ProgramTitleFromPath(QString::fromUtf8(GetParam().path)).toStdString(),
              GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, TitleFromExecutable,
    ::testing::Values(TitleCase{"built_name", "/work/build/src/app/Quorvel", "Quorvel"},
                      TitleCase{"capitals_keep_only_first", "/usr/bin/QUORVEL", "Quorvel"},
                      TitleCase{"lower_case_first_stays", "/opt/quorvel", "quorvel"},
                      TitleCase{"cut_at_first_full_stop", "/opt/Quorvel.exe.old", "Quorvel"},
                      TitleCase{"full_stop_in_folder_ignored", "/opt/v1.1/Quorvel", "Quorvel"},
                      TitleCase{"no_folder", "Renamed", "Renamed"},
                      TitleCase{"non_ascii_lowered", "/opt/ÄPFEL", "Äpfel"},
                      TitleCase{"astral_first_character_kept", "/opt/𐐀𐐀B", "𐐀𐐨b"},
                      TitleCase{"hidden_file_gives_empty_title", "/opt/.quorvel", ""}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
} // namespace quorvel
