// The landmarks proposed on the sample face, however it reaches the picture,
// lie where a person marks them on the picture as shown.
#include "detect/landmarkproposal.h"
#include "exifjpeg.h"
#include "handmarks.h"
#include "picture/photo/photoimport.h"
#include "picture/pictureloader.h"
#include "samplemodel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTransform>
#include <functional>

namespace quorvel::testing {
namespace {

// A photo as a camera stores it: turned so that its EXIF orientation turns
// it upright again, imported as the window imports it.
QImage ImportedJpeg(int orientation, const QTemporaryDir& dir) {
    // Orientation 6 asks for a quarter turn clockwise to show the photo
    // upright, 8 for one anticlockwise, 1 for none.
    const int storedTurn = orientation == 6 ? -90 : orientation == 8 ? 90 : 0;
    const QImage stored = SampleFace().transformed(QTransform().rotate(storedTurn));
    const QString photo = dir.filePath(QString("face%1.jpg").arg(orientation));
    QFile file(photo);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(JpegWithOrientation(stored, orientation)) < 0) {
        return {};
    }
    file.close();
    qputenv("XDG_CACHE_HOME", dir.filePath("cache").toUtf8());
    return LoadPictureFile(ImportPhoto(photo.toStdString()))->Image();
}

QImage Scaled(double scale) {
    const QImage face = SampleFace();
    return face.scaled(face.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

struct PictureCase {
    const char* name;
    double scale; // of the picture against data/face.bmp
    std::function<QImage(const QTemporaryDir&)> make;
};

class ProposalMissesHandMarks : public ::testing::TestWithParam<PictureCase> {};

TEST_P(ProposalMissesHandMarks, EveryLandmarkWithinTolerance) {
    const QTemporaryDir dir;
    const QImage picture = GetParam().make(dir);
    ASSERT_FALSE(picture.isNull());
    const std::optional<FaceLandmarks> proposed = ProposeLandmarks(SampleFinder(), picture);
    ASSERT_TRUE(proposed.has_value());
    ExpectNearHandMarks(*proposed, GetParam().scale);
}

INSTANTIATE_TEST_SUITE_P(
    SampleFace, ProposalMissesHandMarks,
    ::testing::Values(
        PictureCase{"Bitmap", 1.0, [](const QTemporaryDir&) { return SampleFace(); }},
        PictureCase{"TwiceAsLarge", 2.0, [](const QTemporaryDir&) { return Scaled(2.0); }},
        PictureCase{"HalfAsLarge", 0.5, [](const QTemporaryDir&) { return Scaled(0.5); }},
        PictureCase{"JpegUpright", 1.0, [](const QTemporaryDir& d) { return ImportedJpeg(1, d); }},
        PictureCase{"JpegTurnedClockwise", 1.0,
                    [](const QTemporaryDir& d) { return ImportedJpeg(6, d); }},
        PictureCase{"JpegTurnedAnticlockwise", 1.0,
                    [](const QTemporaryDir& d) { return ImportedJpeg(8, d); }}),
    [](const ::testing::TestParamInfo<PictureCase>& param) { return param.param.name; });

// A picture in another pixel format gives the same landmarks: the proposal
// converts what it is given.
TEST(ProposalMissesHandMarks, PixelFormatDoesNotMatter) {
    const QImage face = SampleFace();
    const auto rgb32 = ProposeLandmarks(SampleFinder(), face);
    const auto rgb888 =
        ProposeLandmarks(SampleFinder(), face.convertToFormat(QImage::Format_RGB888));
    ASSERT_TRUE(rgb32 && rgb888);
    EXPECT_EQ(rgb32->top.y, rgb888->top.y);
    EXPECT_EQ(rgb32->chin.y, rgb888->chin.y);
    EXPECT_EQ(rgb32->centre.x, rgb888->centre.x);
}

// A picture cropped to the face leaves nothing above it to segment: the top
// of the head is then estimated from the face's proportions instead of failing.
TEST(ProposalMissesHandMarks, PictureCroppedToTheFace) {
    const QImage face = SampleFace().copy(180, 80, 90, 105);
    const auto proposed = ProposeLandmarks(SampleFinder(), face);
    ASSERT_TRUE(proposed.has_value());
    const HandMarks hand;
    EXPECT_NEAR(proposed->chin.y, hand.chinY - 80, kFeatureTolerance * (hand.chinY - hand.centreY));
    EXPECT_LT(proposed->top.y, proposed->centre.y);
}

} // namespace
} // namespace quorvel::testing
