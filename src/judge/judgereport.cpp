#include "judge/judgereport.h"

#include <array>
#include <cstdio>

namespace quorvel {
namespace {

constexpr std::array<const char*, 11> kFieldKeys{"cx", "cy", "r", "h", "mo", "e",
                                                 "nh", "mh", "a", "y", "x"};
constexpr std::array<const char*, 6> kLandmarkKeys{"centre", "ear", "top", "chin", "nose", "mouth"};

std::array<PixelPoint, 6> Points(const FaceLandmarks& l) {
    return {l.centre, l.ear, l.top, l.chin, l.nose, l.mouth};
}

// A JSON string: quotes, backslashes and control characters escaped, the
// rest (UTF-8 included) as it is.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Point(const PixelPoint& p) {
    return "[" + std::to_string(p.x) + ", " + std::to_string(p.y) + "]";
}

// A CSV cell: quoted when it holds a separator, a quote or a line break.
std::string Cell(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

} // namespace

std::string JsonLine(const FileJudgement& judged) {
    std::string line = "{\"file\": " + Quoted(judged.file);
    if (!judged.error.empty()) {
        return line + ", \"error\": " + Quoted(judged.error) + "}";
    }
    if (judged.landmarks) {
        line += ", \"landmarks\": {";
        const auto points = Points(*judged.landmarks);
        for (std::size_t i = 0; i < points.size(); ++i) {
            line += (i == 0 ? "" : ", ") + Quoted(kLandmarkKeys[i]) + ": " + Point(points[i]);
        }
        line += "}";
    }
    line += ", \"fields\": {";
    for (std::size_t i = 0; i < kFieldKeys.size(); ++i) {
        line += (i == 0 ? "" : ", ") + Quoted(kFieldKeys[i]) + ": " + Quoted(judged.fields[i]);
    }
    line += "}, \"age\": " + std::to_string(judged.age);
    if (judged.ageRange) {
        line += ", \"age_range\": [" + std::to_string(judged.ageRange->low) + ", " +
                std::to_string(judged.ageRange->high) + "]";
    }
    if (judged.savedAge) {
        line += ", \"saved_age\": " + Quoted(*judged.savedAge) + ", \"age_matches\": " +
                (*judged.savedAge == std::to_string(judged.age) ? "true" : "false");
    }
    return line + ", \"ms\": " + std::to_string(judged.ms) + "}";
}

std::string CsvHeader() {
    std::string header = "file";
    for (const char* key : kLandmarkKeys) {
        header += std::string(",") + key + "_x," + key + "_y";
    }
    for (const char* key : kFieldKeys) {
        header += std::string(",") + key;
    }
    return header + ",age,age_low,age_high,saved_age,age_matches,ms,error";
}

std::string CsvRow(const FileJudgement& judged) {
    std::string row = Cell(judged.file);
    const bool judgedWell = judged.error.empty();
    for (const PixelPoint& p : Points(judged.landmarks.value_or(FaceLandmarks{}))) {
        row += judged.landmarks ? "," + std::to_string(p.x) + "," + std::to_string(p.y) : ",,";
    }
    for (const std::string& text : judged.fields) {
        row += "," + Cell(text);
    }
    row += "," + (judgedWell ? std::to_string(judged.age) : std::string());
    row += judged.ageRange ? "," + std::to_string(judged.ageRange->low) + "," +
                                 std::to_string(judged.ageRange->high)
                           : ",,";
    row += "," + Cell(judged.savedAge.value_or(""));
    row += judged.savedAge ? (*judged.savedAge == std::to_string(judged.age) ? ",true" : ",false")
                           : ",";
    return row + "," + std::to_string(judged.ms) + "," + Cell(judged.error);
}

} // namespace quorvel
