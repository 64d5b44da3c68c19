#pragma once

namespace quorvel {

// The photo import's user-facing texts.
inline constexpr const char* kUnreadablePhotoMessage = "写真 %s は読み込めません";
inline constexpr const char* kNotAPhotoFormatMessage =
    "写真 %s は読み込めません（取り込めるのは JPEG, PNG, TIFF, WebP の写真です）";
inline constexpr const char* kCannotWriteWorkingCopyMessage =
    "写真の作業用ｺﾋﾟｰ %s を書き込めません";

} // namespace quorvel
