#include "numtext/failure.h"
#include "picture/picture.h"

namespace quorvel {

std::unique_ptr<Picture> ReadIconFile(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 6) {
        throw Failure("ｽﾄﾘｰﾑからの読み込みｴﾗｰ");
    }
    throw Failure("ｱｲｺﾝｲﾒｰｼﾞが不正です");
}

} // namespace quorvel
