// Which file the picture belongs to, and the name the caption shows. The
// undo history holds it: a step that changes it (Open, New, Save As, a
// dropped or recovered picture) puts it back with the pixels, so that Save
// never writes one picture over another's file.
#pragma once

#include "core/LocalPath.h"

#include <QCoreApplication>
#include <QString>

// The title of a picture that has no file, in the user's language.
inline QString untitledTitle() { return QCoreApplication::translate("FileIdentity", "Untitled"); }

struct FileIdentity {
    LocalPath path;
    QString title;
    bool untitled = true;
    QString shown;  // what the caption shows after its prefix

    // A picture with no file is the same picture whatever its path reads
    // (nothing at start, "Untitled" after New): only its names count, so
    // New on a fresh window is no change of name.
    bool operator==(const FileIdentity& o) const {
        return (untitled && o.untitled ? true : path == o.path) && title == o.title && untitled == o.untitled &&
               shown == o.shown;
    }
    bool operator!=(const FileIdentity& o) const { return !(*this == o); }
};
