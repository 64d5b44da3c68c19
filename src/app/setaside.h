#pragma once

#include <QByteArray>
#include <QString>

namespace quorvel {

// A file (or link) under a name, moved aside to a free name of its own beside
// it until it is put back; removed when this goes otherwise. A folder, or
// nothing, under the name is left where it is.
class SetAside {
public:
    explicit SetAside(const QString& name);
    ~SetAside();
    SetAside(const SetAside&) = delete;
    SetAside& operator=(const SetAside&) = delete;

    // Whether a file was there and is now aside.
    bool Kept() const { return !aside_.isEmpty(); }
    // The file goes back under its name, replacing what came there since.
    void PutBack();

private:
    QByteArray name_;
    QByteArray aside_;
};

} // namespace quorvel
