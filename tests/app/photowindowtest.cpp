#include "photowindowtest.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
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

} // namespace quorvel::testing
