#pragma once

#include "face/facefields.h"

#include <array>
#include <string>

namespace quorvel {

// A copy of the field texts to try a judgement on without touching the window.
class MemoryFields : public FaceFields {
public:
    explicit MemoryFields(const FaceFields& source);

    std::string ReadText(Field field) const override;
    void WriteText(Field field, const std::string& text) override;

private:
    static constexpr std::size_t kFieldCount = static_cast<std::size_t>(Field::LabelAP) + 1;
    std::array<std::string, kFieldCount> texts_;
};

} // namespace quorvel
