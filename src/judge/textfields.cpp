#include "judge/textfields.h"

#include "face/fielddefaults.h"

namespace quorvel {

TextFields::TextFields() {
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        texts_[i] = kFieldDefaults[i];
    }
}

std::string TextFields::ReadText(Field field) const {
    return texts_.at(static_cast<std::size_t>(field));
}

void TextFields::WriteText(Field field, const std::string& text) {
    texts_.at(static_cast<std::size_t>(field)) = text;
}

} // namespace quorvel
