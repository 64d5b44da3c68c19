#include "recorders.h"

#include "numtext/failure.h"

#include <cstdio>

namespace quorvel::testing {

RecordingFields::RecordingFields()
    : texts_{{Field::EditCX, "0"},   {Field::EditCY, "0"},   {Field::EditR, "100"},
             {Field::EditH, "1.2"},  {Field::EditMO, "1.2"}, {Field::EditE, "0"},
             {Field::EditNH, "0.3"}, {Field::EditMH, "0.5"}, {Field::EditA, "0"},
             {Field::EditY, "0"},    {Field::EditX, "0"},    {Field::LabelAP, "未判定"}} {}

std::string RecordingFields::ReadText(Field field) const {
    reads.push_back(field);
    return texts_.at(field);
}

void RecordingFields::WriteText(Field field, const std::string& text) {
    writes.emplace_back(field, text);
    texts_[field] = text;
}

void RecordingSurface::SetPenWidth(int width) {
    calls.push_back("PenWidth " + std::to_string(width));
}

// Written blue first, as the calls have always been recorded.
void RecordingSurface::SetPenColor(Rgb colour) {
    char text[32];
    std::snprintf(text, sizeof text, "PenColor %02X%02X%02X", colour.b, colour.g, colour.r);
    calls.emplace_back(text);
}

void RecordingSurface::MoveTo(std::int32_t x, std::int32_t y) {
    calls.push_back("MoveTo " + std::to_string(x) + " " + std::to_string(y));
}

void RecordingSurface::LineTo(std::int32_t x, std::int32_t y) {
    calls.push_back("LineTo " + std::to_string(x) + " " + std::to_string(y));
}

void RecordingSurface::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    calls.push_back("Ellipse " + std::to_string(x1) + " " + std::to_string(y1) + " " +
                    std::to_string(x2) + " " + std::to_string(y2));
}

void RecordingView::LoadPicture(const std::string& fileName) {
    if (!loadFailure.empty()) {
        throw Failure(loadFailure);
    }
    loads.push_back(fileName);
}

DrawingSurface& RecordingView::GetDrawingSurface() {
    if (!surfaceFailure.empty()) {
        throw Failure(surfaceFailure);
    }
    return surface;
}

const char* FieldName(Field field) {
    switch (field) {
    case Field::EditCX:
        return "EditCX";
    case Field::EditCY:
        return "EditCY";
    case Field::EditR:
        return "EditR";
    case Field::EditH:
        return "EditH";
    case Field::EditMO:
        return "EditMO";
    case Field::EditE:
        return "EditE";
    case Field::EditNH:
        return "EditNH";
    case Field::EditMH:
        return "EditMH";
    case Field::EditA:
        return "EditA";
    case Field::EditY:
        return "EditY";
    case Field::EditX:
        return "EditX";
    case Field::LabelAP:
        return "LabelAP";
    }
    return "?";
}

} // namespace quorvel::testing
