#include "picture/bmp/bitmaprefusal.h"

#include "picture/core/picturemessages.h"

namespace quorvel {
namespace {

const char* MessageOf(BitmapRefusal reason) {
    switch (reason) {
    case BitmapRefusal::Truncated:
        return kReadErrorMessage;
    case BitmapRefusal::NotABitmap:
    case BitmapRefusal::InvalidHeader:
    case BitmapRefusal::Unsupported:
        return kInvalidBitmapMessage;
    case BitmapRefusal::TooLarge:
    case BitmapRefusal::OutOfMemory:
        return kOutOfMemoryMessage;
    }
    return kInvalidBitmapMessage;
}

} // namespace

BitmapRefused::BitmapRefused(BitmapRefusal reason) : Failure(MessageOf(reason)), reason_(reason) {}

} // namespace quorvel
