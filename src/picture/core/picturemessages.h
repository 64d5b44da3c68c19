#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// The picture library's user-facing texts, byte for byte.
inline constexpr const char* kReadErrorMessage = "ｽﾄﾘｰﾑからの読み込みｴﾗｰ";
inline constexpr const char* kInvalidBitmapMessage = "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です";
inline constexpr const char* kOutOfMemoryMessage = "ﾒﾓﾘが足りません";
inline constexpr const char* kUnknownExtensionMessage = "拡張子 .%s の画像形式は処理できません";
inline constexpr const char* kCannotOpenMessage = "ﾌｧｲﾙ %s は開けません";
inline constexpr const char* kNotABitmapMessage = "ﾋﾞｯﾄﾏｯﾌﾟを持っている時のみｲﾒｰｼﾞの変更が可能です";
inline constexpr const char* kNoSystemResourcesMessage = "ｼｽﾃﾑ ﾘｿｰｽが足りません";
inline constexpr const char* kInvalidIconMessage = "ｱｲｺﾝｲﾒｰｼﾞが不正です";
inline constexpr const char* kInvalidMetafileMessage = "ﾒﾀﾌｧｲﾙが不正です";

// The message with its "%s" replaced by `text`.
inline std::string WithText(std::string_view pattern, std::string_view text) {
    const std::size_t at = pattern.find("%s");
    if (at == std::string_view::npos) {
        return std::string(pattern);
    }
    std::string message(pattern.substr(0, at));
    message += text;
    message += pattern.substr(at + 2);
    return message;
}

} // namespace quorvel
