#include "numtext/failure.h"
#include "picture/picture.h"

namespace quorvel {

std::unique_ptr<Picture> ReadMetafileFile(std::span<const std::uint8_t>) {
    throw Failure("ﾒﾀﾌｧｲﾙが不正です");
}

} // namespace quorvel
