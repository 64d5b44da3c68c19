#pragma once

namespace quorvel {

// The texts of saving and reopening a result.
inline constexpr const char* kNothingToSaveMessage =
    "保存する結果がありません（先に画像を開いてください）";
inline constexpr const char* kOnlyBitmapResultMessage =
    "結果を保存できるのはﾋﾞｯﾄﾏｯﾌﾟの画像だけです";
inline constexpr const char* kCannotSaveResultMessage = "結果 %s を保存できません";
// Followed by the fault in full-width parentheses.
inline constexpr const char* kInvalidRecordMessage = "結果ﾌｧｲﾙ %s が不正です";
inline constexpr const char* kNotJsonReason = "JSON として読めません";
inline constexpr const char* kNotOurRecordReason = "Quorvel の結果ではありません";
inline constexpr const char* kMissingMemberReason = "%s がありません";
inline constexpr const char* kWrongTypeReason = "%s の型が違います";
inline constexpr const char* kStepOutOfRangeReason = "step が 0 〜 9 の整数ではありません";

} // namespace quorvel
