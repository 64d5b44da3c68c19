#pragma once

namespace quorvel {

// The texts of saving and reopening a result.
inline constexpr const char* kNothingToSaveMessage =
    "保存する結果がありません（先に画像を開いてください）";
inline constexpr const char* kOnlyBitmapResultMessage =
    "結果を保存できるのはﾋﾞｯﾄﾏｯﾌﾟの画像だけです";
inline constexpr const char* kCannotSaveResultMessage = "結果 %s を保存できません";
inline constexpr const char* kOverOriginalMessage =
    "結果 %s を元の写真や画像の上に保存することはできません";
// Asked before a save replaces files; %1 names them.
inline constexpr const char* kReplaceQuestion = "%1 は既に存在します。置き換えますか?";
inline constexpr const char* kReplacedNamesJoint = " と ";
// Said once when a reopened result's photo is no longer what it was saved with.
inline constexpr const char* kPhotoChangedNotice =
    "写真 %1 は結果を保存した後に変更されています。写真を取り込み直し、結果を重ねて表示します。";
// Followed by the fault in full-width parentheses.
inline constexpr const char* kInvalidRecordMessage = "結果ﾌｧｲﾙ %s が不正です";
inline constexpr const char* kNotJsonReason = "JSON として読めません";
inline constexpr const char* kNotOurRecordReason = "Quorvel の結果ではありません";
inline constexpr const char* kMissingMemberReason = "%s がありません";
inline constexpr const char* kWrongTypeReason = "%s の型が違います";
inline constexpr const char* kRecordTooLargeReason = "1 MiB を超えています";
inline constexpr const char* kStepOutOfRangeReason = "step が 0 〜 9 の整数ではありません";

} // namespace quorvel
