#pragma once

#include "face/facefields.h"

#include <array>
#include <string>

namespace quorvel {

// The eleven fields and the age label as texts in memory, starting from the
// texts the window starts with.
class TextFields final : public FaceFields {
public:
    TextFields();
    std::string ReadText(Field field) const override;
    void WriteText(Field field, const std::string& text) override;

private:
    std::array<std::string, 12> texts_;
};

} // namespace quorvel
