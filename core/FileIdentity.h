// Which file the picture belongs to, and the name the caption shows. The
// undo history holds it: a step that changes it (Open, New, Save As, a
// dropped or recovered picture) puts it back with the pixels, so that Save
// never writes one picture over another's file, and knows what the file held
// when this window last read or wrote it.
#pragma once

#include "core/LocalPath.h"

#include <QCoreApplication>
#include <sys/stat.h>
#include <QString>
#include <utility>

// The title of a picture that has no file, in the user's language.
inline QString untitledTitle() { return QCoreApplication::translate("FileIdentity", "Untitled"); }

// What a file held when this window last read or wrote it: its length, when
// it was last changed and a digest of its bytes. A file another program has
// written since differs in one of them, even where it kept the time.
struct FileStamp {
    qint64 size = -1;  // below 0: not known
    qint64 modified = 0;  // nanoseconds since the epoch
    QByteArray digest;

    // The stamp of a file whose status is INFO and whose bytes give DIGEST.
    static FileStamp of(const struct stat& info, QByteArray digest) {
        return {qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
                std::move(digest)};
    }

    bool known() const { return size >= 0; }
    bool operator==(const FileStamp& o) const {
        return size == o.size && modified == o.modified && digest == o.digest;
    }
    bool operator!=(const FileStamp& o) const { return !(*this == o); }
};

struct FileIdentity {
    LocalPath path;
    QString title;
    bool untitled = true;
    QString shown;  // what the caption shows after its prefix
    FileStamp stamp;  // what the file held at the last open or save; no part of the name

    FileIdentity() = default;
    FileIdentity(LocalPath path, QString title, bool untitled, QString shown, FileStamp stamp = {})
        : path(std::move(path)), title(std::move(title)), untitled(untitled), shown(std::move(shown)),
          stamp(std::move(stamp)) {}

    // A picture with no file is the same picture whatever its path reads
    // (nothing at start, "Untitled" after New): only its names count, so
    // New on a fresh window is no change of name.
    bool operator==(const FileIdentity& o) const {
        return (untitled && o.untitled ? true : path == o.path) && title == o.title && untitled == o.untitled &&
               shown == o.shown;
    }
    bool operator!=(const FileIdentity& o) const { return !(*this == o); }
};
