#include "photowindowtest.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QImageWriter>
#include <QJsonDocument>

namespace quorvel::testing {

void PhotoWindowTest::SetUp() {
    qputenv("XDG_CACHE_HOME", Scratch(QStringLiteral("cache")).toUtf8());
    MainWindowTest::SetUp();
}

QString PhotoWindowTest::ScratchFile(const QString& name, const QByteArray& bytes) {
    QFile file(Scratch(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
}

void PhotoWindowTest::Import(const QString& photo) {
    ConfirmInDialog([this] { Trigger("ImportPhotoItem"); }, photo);
}

void PhotoWindowTest::SaveAs(const QString& chosen) {
    ConfirmInDialog([this] { Trigger("SaveResultItem"); }, chosen);
}

void PhotoWindowTest::OpenGiven(const QString& fileName) {
    window->OpenGivenFileLater(fileName);
    QCoreApplication::processEvents();
}

WindowSnapshot PhotoWindowTest::Snapshot() {
    WindowSnapshot snapshot{Step(), {}, Picture()};
    for (const char* name : {"EditCX", "EditCY", "EditR", "EditH", "EditMO", "EditE", "EditNH",
                             "EditMH", "EditA", "EditY", "EditX", "LabelAP"}) {
        snapshot.texts << Text(name);
    }
    return snapshot;
}

QByteArray Record(const std::function<void(QJsonObject&)>& change) {
    QJsonObject fields;
    for (const char* key : {"cx", "cy", "r", "h", "mo", "e", "nh", "mh", "a", "y", "x"}) {
        fields[key] = "1";
    }
    QJsonObject record{{"program", "Quorvel"},
                       {"version", "1.1"},
                       {"picture", SampleFace()},
                       {"photo", QJsonValue()},
                       {"step", 3},
                       {"fields", fields},
                       {"age", "未判定"},
                       {"saved", "2024-05-01T09:00:00+09:00"}};
    change(record);
    return QJsonDocument(record).toJson();
}

QByteArray JpegWithOrientation(const QImage& stored, int orientation) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "jpeg").write(stored);
    // A big-endian TIFF header and one IFD entry: Orientation (0x0112), SHORT, count 1.
    const char tiff[] = {'M',  'M',  0, 42, 0, 0, 0, 8, 0, 1,
                         0x01, 0x12, 0, 3,  0, 0, 0, 1, 0, static_cast<char>(orientation),
                         0,    0,    0, 0,  0, 0};
    const QByteArray payload = QByteArray("Exif\0\0", 6) + QByteArray(tiff, sizeof tiff);
    const int length = static_cast<int>(payload.size()) + 2;
    const char marker[] = {'\xFF', '\xE1', static_cast<char>(length >> 8),
                           static_cast<char>(length & 0xFF)};
    return jpeg.insert(2, QByteArray(marker, sizeof marker) + payload); // right after SOI
}

} // namespace quorvel::testing
