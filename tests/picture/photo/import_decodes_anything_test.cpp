// Only JPEG, PNG, TIFF and WebP are imported, judged by content whatever the
// name: an SVG named .jpg (which could pull a local file's pixels in through
// <image href>) or a bitmap named .png is refused with the formats accepted,
// and no working copy is written.
#include "numtext/failure.h"
#include "picture/photo/photoimport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

QByteArray Encoded(const char* format) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::green);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes;
}

QByteArray Svg(const QString& linked) {
    return QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' "
                          "xmlns:xlink='http://www.w3.org/1999/xlink' width='64' height='64'>"
                          "<image xlink:href='%1' width='64' height='64'/></svg>")
        .arg(linked)
        .toUtf8();
}

struct FormatCase {
    const char* name;
    const char* fileName;
    std::function<QByteArray(const QString& folder)> bytes;
    bool accepted;
    QByteArray format; // Qt's name for the content's format
};

class ImportDecodesAnything : public ::testing::TestWithParam<FormatCase> {};

TEST_P(ImportDecodesAnything, OnlyTheFourPhotoFormats) {
    const FormatCase& c = GetParam();
    if (!QImageReader::supportedImageFormats().contains(c.format)) {
        GTEST_SKIP() << "Qt reads no " << c.format.toStdString() << " here";
    }
    QTemporaryDir scratch;
    qputenv("XDG_CACHE_HOME", scratch.filePath("cache").toUtf8());
    ASSERT_TRUE(QImage::fromData(Encoded("png")).save(scratch.filePath("secret.png")));
    QFile photo(scratch.filePath(QString::fromLatin1(c.fileName)));
    const QByteArray bytes = c.bytes(scratch.path());
    ASSERT_TRUE(photo.open(QIODevice::WriteOnly) && photo.write(bytes) == bytes.size());
    photo.close();
    if (c.accepted) {
        EXPECT_NO_THROW(ImportPhoto(photo.fileName().toStdString()));
        return;
    }
    try {
        ImportPhoto(photo.fileName().toStdString());
        ADD_FAILURE() << "imported";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.what(), "写真 " + photo.fileName().toStdString() +
                                      " は読み込めません（取り込めるのは JPEG, PNG, TIFF, WebP "
                                      "の写真です）");
    }
    EXPECT_TRUE(QDir(scratch.filePath("cache/Quorvel")).entryList(QDir::Files).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Contents, ImportDecodesAnything,
    ::testing::Values(FormatCase{"SvgNamedJpg", "p.jpg",
                                 [](const QString& folder) { return Svg(folder + "/secret.png"); },
                                 false, "svg"},
                      FormatCase{"SvgNamedWebp", "p.webp",
                                 [](const QString&) { return Svg("none.png"); }, false, "svg"},
                      FormatCase{"BitmapNamedPng", "p.png",
                                 [](const QString&) { return Encoded("bmp"); }, false, "bmp"},
                      FormatCase{"IconNamedJpg", "p.jpg",
                                 [](const QString&) { return Encoded("ico"); }, false, "ico"},
                      FormatCase{"PngNamedJpgIsAPhoto", "p.jpg",
                                 [](const QString&) { return Encoded("png"); }, true, "png"},
                      FormatCase{"JpegNamedTiffIsAPhoto", "p.tiff",
                                 [](const QString&) { return Encoded("jpeg"); }, true, "jpeg"}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace quorvel
