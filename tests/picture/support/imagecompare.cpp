#include "support/imagecompare.h"

#include <cstdlib>
#include <iomanip>
#include <sstream>

namespace quorvel::testing_support {

::testing::AssertionResult SameImage(const QImage& actual, const QImage& expected, int tolerance) {
    if (actual.size() != expected.size()) {
        return ::testing::AssertionFailure()
               << "size " << actual.width() << "x" << actual.height() << ", expected "
               << expected.width() << "x" << expected.height();
    }
    if (actual.format() != expected.format()) {
        return ::testing::AssertionFailure()
               << "format " << actual.format() << ", expected " << expected.format();
    }
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            QRgb a = actual.pixel(x, y);
            QRgb e = expected.pixel(x, y);
            bool close = std::abs(qRed(a) - qRed(e)) <= tolerance &&
                         std::abs(qGreen(a) - qGreen(e)) <= tolerance &&
                         std::abs(qBlue(a) - qBlue(e)) <= tolerance && qAlpha(a) == qAlpha(e);
            if (!close) {
                std::ostringstream text;
                text << "first differing pixel (" << x << ", " << y << "): " << std::hex
                     << std::setfill('0') << "#" << std::setw(8) << a << ", expected #"
                     << std::setw(8) << e;
                return ::testing::AssertionFailure() << text.str();
            }
        }
    }
    return ::testing::AssertionSuccess();
}

QImage ImageOf(const std::vector<std::vector<std::uint32_t>>& rows) {
    const int height = static_cast<int>(rows.size());
    const int width = height == 0 ? 0 : static_cast<int>(rows[0].size());
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(
                x, y, 0xFF000000u | rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
        }
    }
    return image;
}

} // namespace quorvel::testing_support
