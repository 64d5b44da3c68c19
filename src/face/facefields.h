#pragma once

#include <cstddef>
#include <string>

namespace quorvel {

// The parameter panel's fields, by component name, and the age label.
enum class Field {
    EditCX,
    EditCY,
    EditR,
    EditH,
    EditMO,
    EditE,
    EditNH,
    EditMH,
    EditA,
    EditY,
    EditX,
    LabelAP
};

// The parameter panel's fields: every Field before the age label.
inline constexpr std::size_t kFieldCount = static_cast<std::size_t>(Field::LabelAP);

// The face model's only store: the texts of the main window's fields. Writing
// a text changes that text and nothing else.
class FaceFields {
public:
    virtual ~FaceFields() = default;
    virtual std::string ReadText(Field field) const = 0;
    virtual void WriteText(Field field, const std::string& text) = 0;
};

} // namespace quorvel
