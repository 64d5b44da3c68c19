#include "face/memoryfields.h"

namespace quorvel {

MemoryFields::MemoryFields(const FaceFields& source) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        texts_[i] = source.ReadText(static_cast<Field>(i));
    }
}

std::string MemoryFields::ReadText(Field field) const {
    return texts_[static_cast<std::size_t>(field)];
}

void MemoryFields::WriteText(Field field, const std::string& text) {
    texts_[static_cast<std::size_t>(field)] = text;
}

} // namespace quorvel
