#include "judge/judgeoptions.h"

#include "face/facefields.h"
#include "face/fielddefaults.h"
#include "numtext/failure.h"
#include "numtext/parsedouble.h"

#include <QCommandLineParser>
#include <thread>

namespace quorvel {

const char* const kJudgeHelp =
    R"(Usage: quorvel-judge [--jobs N] [--csv] [--mo V] [--e V] [--overlay DIR] FILE...

Judges the age of the face in each FILE without a window.

A picture (.bmp, .ico, .wmf, .emf) or a photo (.jpg, .jpeg, .png, .tif, .tiff,
.webp; turned upright by its EXIF orientation) has its landmarks proposed by
the face detector: the centre between the eyes, the face width at ear level,
the top of the head, the chin, the nose and the mouth. They are written into
the fields as the clicks of steps 1 to 4, 7 and 8 would write them, with mo
and e from the options, and the fields are judged as at step 9.

A saved result (.json) has its field texts judged again; the output says
whether the age still matches the one saved.

Options:
  --jobs N       judge N files at once (default: the number of cores); the
                 output is the same for any N
  --csv          write a CSV table (a header, then one row per file) instead
                 of JSON lines
  --mo V         the text of mo, the lower contour's height (default 1.2)
  --e V          the text of e, the jaw's width (default 0)
  --overlay DIR  write each judged picture with its overlay, as at step 9,
                 to DIR/NAME.png
  --help         show this text

Output: one JSON object per line, in the order of the files:
  {"file": F, "landmarks": {"centre": [x, y], "ear": [x, y], "top": [x, y],
   "chin": [x, y], "nose": [x, y], "mouth": [x, y]},
   "fields": {"cx": T, "cy": T, "r": T, "h": T, "mo": T, "e": T, "nh": T,
   "mh": T, "a": T, "y": T, "x": T}, "age": A, "age_range": [LOW, HIGH],
   "ms": M}
Landmarks are pixels of the upright picture; fields are the exact texts; the
age is whole years, and age_range the lowest and highest age that presses
within the care of a click (2 % of the eye-to-chin distance) and one slider
step of mo and e give; ms is the wall time of that file in milliseconds,
without loading the model. With --csv the columns are named alike (centre_x,
centre_y, ..., cx, ..., x, age, age_low, age_high, ...). A saved
result has no landmarks and adds "saved_age" (the text saved) and
"age_matches" (true or false). A file that fails gives {"file": F, "error": E}
and the others go on.

Standard error shows progress when it is a terminal.
Exit status: 0 when every file was judged, 1 when any failed, 2 for a
command line that cannot be followed.

The landmark model is /usr/share/dlib/shape_predictor_68_face_landmarks.dat
(Debian package libdlib-data); QUORVEL_LANDMARK_MODEL names another file.
)";

namespace {

// A contour text must be one the fields can read, or every file would fail alike.
std::string FieldText(const QCommandLineParser& parser, const QString& name, Field field) {
    if (!parser.isSet(name)) {
        return kFieldDefaults[static_cast<std::size_t>(field)];
    }
    const std::string text = parser.value(name).toStdString();
    try {
        ParseDouble(text);
    } catch (const Failure& failure) {
        throw UsageError("--" + name.toStdString() + ": " + failure.what());
    }
    return text;
}

int Jobs(const QCommandLineParser& parser) {
    if (!parser.isSet("jobs")) {
        return static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    }
    bool ok = false;
    const int jobs = parser.value("jobs").toInt(&ok);
    if (!ok || jobs < 1) {
        throw UsageError("--jobs: a whole number of at least 1 is needed");
    }
    return jobs;
}

} // namespace

std::optional<JudgeOptions> ParseJudgeOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({
        {"jobs", "", "N"},
        {"csv", ""},
        {"mo", "", "V"},
        {"e", "", "V"},
        {"overlay", "", "DIR"},
        {"help", ""},
    });
    if (!parser.parse(arguments)) {
        throw UsageError(parser.errorText().toStdString());
    }
    if (parser.isSet("help")) {
        return std::nullopt;
    }
    JudgeOptions options;
    options.jobs = Jobs(parser);
    options.csv = parser.isSet("csv");
    options.mo = FieldText(parser, "mo", Field::EditMO);
    options.e = FieldText(parser, "e", Field::EditE);
    options.overlayDir = parser.value("overlay").toStdString();
    for (const QString& file : parser.positionalArguments()) {
        options.files.push_back(file.toStdString());
    }
    if (options.files.empty()) {
        throw UsageError("no FILE given (see --help)");
    }
    return options;
}

} // namespace quorvel
