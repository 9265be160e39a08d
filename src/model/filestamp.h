#pragma once

#include <QByteArray>
#include <QDateTime>

namespace zef {

// What a layout file held when the designer last read or wrote it, so that a
// change by someone else (another window, another program) is noticed before
// it is overwritten. Another size tells at once; for the same size the
// digest of the contents decides (file times are too coarse for two saves in
// quick succession, and a file touched but not changed is the same file).
struct FileStamp {
    qint64 size = -1; // -1: no file known
    QDateTime modified;
    QByteArray digest;

    bool isNull() const { return size < 0; }
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

} // namespace zef
