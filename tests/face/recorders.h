#pragma once

#include "face/face.h"

#include <cstdint>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvel::testing {

// The parameter panel as the main window starts it, with a log of every read
// and write in order.
class RecordingFields : public FaceFields {
public:
    RecordingFields();

    std::string ReadText(Field field) const override;
    void WriteText(Field field, const std::string& text) override;

    void Set(Field field, const std::string& text) { texts_[field] = text; }
    const std::string& Text(Field field) const { return texts_.at(field); }

    mutable std::vector<Field> reads;
    std::vector<std::pair<Field, std::string>> writes;

private:
    std::map<Field, std::string> texts_;
};

// Every call on the surface as a line of text: "MoveTo 130 150".
class RecordingSurface : public DrawingSurface {
public:
    void SetPenWidth(int width) override;
    void SetPenColor(Rgb colour) override;
    void MoveTo(std::int32_t x, std::int32_t y) override;
    void LineTo(std::int32_t x, std::int32_t y) override;
    void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;

    std::vector<std::string> calls;
};

// A view that records loads and hands out one recording surface; either
// operation can be made to fail.
class RecordingView : public PictureAccess {
public:
    void LoadPicture(const std::string& fileName) override;
    DrawingSurface& GetDrawingSurface() override;

    RecordingSurface surface;
    std::vector<std::string> loads;
    std::string loadFailure;    // non-empty: LoadPicture throws Failure with it
    std::string surfaceFailure; // non-empty: GetDrawingSurface throws Failure with it
};

const char* FieldName(Field field);

} // namespace quorvel::testing

namespace quorvel {

// Lets test failures name fields instead of dumping their bytes.
inline void PrintTo(Field field, std::ostream* os) {
    *os << testing::FieldName(field);
}

} // namespace quorvel
