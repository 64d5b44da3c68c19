#pragma once

namespace quorvel {

// The command line's own texts; the libraries' failures speak for themselves.
inline constexpr const char* kNotJudgedMessage = "年齢を判定できません（x が Error です）";
inline constexpr const char* kCannotWriteOverlayMessage = "重ね描きした画像 %s を書き込めません";

} // namespace quorvel
