#include "app/setaside.h"

#include <QFile>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

SetAside::SetAside(const QString& name) : name_(QFile::encodeName(name)) {
    struct stat status {};
    if (::lstat(name_.constData(), &status) != 0 || S_ISDIR(status.st_mode)) {
        return;
    }
    // The free name is taken first, so the rename cannot replace a stranger's file.
    QByteArray aside = name_ + QByteArrayLiteral(".XXXXXX");
    const int reserved = ::mkostemp(aside.data(), O_CLOEXEC);
    if (reserved < 0) {
        return;
    }
    ::close(reserved);
    if (::rename(name_.constData(), aside.constData()) == 0) {
        aside_ = aside;
    } else {
        ::unlink(aside.constData());
    }
}

SetAside::~SetAside() {
    if (!aside_.isEmpty()) {
        ::unlink(aside_.constData());
    }
}

void SetAside::PutBack() {
    if (!aside_.isEmpty() && ::rename(aside_.constData(), name_.constData()) == 0) {
        aside_.clear();
    }
}

} // namespace quorvel
