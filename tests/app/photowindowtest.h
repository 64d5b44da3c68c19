#pragma once

#include "exifjpeg.h"
#include "guitest.h"

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

namespace quorvel::testing {

// What a refused command must leave as it was.
struct WindowSnapshot {
    int step;
    QStringList texts; // EditCX to EditX and LabelAP
    QImage picture;
    bool operator==(const WindowSnapshot&) const = default;
};

// The main window with photo working copies going to a fresh cache folder,
// and the commands of photos and results driven through their dialogs.
class PhotoWindowTest : public MainWindowTest {
protected:
    void SetUp() override;
    QString Scratch(const QString& name) const { return scratch.filePath(name); }
    QString CacheFolder() const { return Scratch(QStringLiteral("cache/Quorvel")); }
    // Writes a file in the scratch folder and returns its path.
    QString ScratchFile(const QString& name, const QByteArray& bytes);
    void Import(const QString& photo);
    void SaveAs(const QString& chosen);
    // As at start-up or after a drop, once the event loop has run.
    void OpenGiven(const QString& fileName);
    WindowSnapshot Snapshot();

    QTemporaryDir scratch;
};

// A valid record of the sample face at step 3, every field "1", then changed.
QByteArray Record(const std::function<void(QJsonObject&)>& change = [](QJsonObject&) {});

} // namespace quorvel::testing
