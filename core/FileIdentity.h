// Which file the picture belongs to, and the name the caption shows. A step
// of the undo history that changes it (Open, New, a dropped picture) puts it
// back with the pixels, so that Save never writes one picture over another's
// file.
#pragma once

#include <QString>

struct FileIdentity {
    QString path;
    QString title;
    bool untitled = true;
    QString shown;  // what the caption shows after its prefix

    bool operator==(const FileIdentity& o) const {
        return path == o.path && title == o.title && untitled == o.untitled && shown == o.shown;
    }
    bool operator!=(const FileIdentity& o) const { return !(*this == o); }
};
