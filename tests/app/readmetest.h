#pragma once

#include "guitest.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

namespace quorvel::testing {

// While it lives, the xdg-open found through PATH is a shell script that
// records its arguments, one a line, and then runs `body`. With a null body
// there is no xdg-open on PATH at all.
class FakeOpener {
public:
    explicit FakeOpener(const char* body);
    ~FakeOpener();
    FakeOpener(const FakeOpener&) = delete;
    FakeOpener& operator=(const FakeOpener&) = delete;

    // The arguments of every run so far.
    QStringList Calls() const;
    // A scratch folder the script can see as $dir.
    QString Folder() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
    QByteArray path_;
};

// Spins the event loop until no opener started by the read-me command is left
// (the opener deletes itself once its end is judged); fails after 10 s.
void WaitForOpeners();

// Whether an opener started by the read-me command is still running.
bool OpenerRunning();

// A notice of the read-me command: `where` is the line below its text.
struct ReadMeNotice {
    QString title;
    QString text;
    QString where;
};

// The main window started in an empty scratch folder, with the read-me
// command's notices collected instead of shown.
class ReadMeCommand : public MainWindowTest {
protected:
    void SetUp() override;
    void TearDown() override;

    QTemporaryDir start;
    QString previous;
    std::vector<ReadMeNotice> notices;
};

} // namespace quorvel::testing
