#pragma once

namespace quorvel {

// The face detection's user-facing texts.
inline constexpr const char* kNoFaceMessage = "顔が見つかりません";
inline constexpr const char* kModelMissingMessage =
    "顔の特徴点ﾓﾃﾞﾙ %s がありません（ﾊﾟｯｹｰｼﾞ libdlib-data をｲﾝｽﾄｰﾙしてください）";
inline constexpr const char* kModelUnreadableMessage = "顔の特徴点ﾓﾃﾞﾙ %s は読み込めません";

} // namespace quorvel
