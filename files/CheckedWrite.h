// Every file this program writes goes through here: pictures, PDFs, the
// recovery copy and its side file. The contents are written beside the file
// and put in its place only once every byte has been taken by the disk and
// flushed to it, so that a full disk, a file-size limit or a failing device
// leaves the old file as it was and no part-written file behind.
#pragma once

#include "core/FileIdentity.h"
#include "core/LocalPath.h"

#include <QString>
#include <functional>

class QIODevice;

// Writes PATH with what FILL puts into the device it is given; FILL returns
// why it could not make the contents, or empty. EXPECTED, when above 0, is
// the length the file will have, so that the writing reports how far it has
// got; otherwise it reports only that it goes on. Returns why the file could
// not be written, in the system's own words where the system refused, or
// empty. PATH is taken by its bytes: a name that is not UTF-8 is replaced
// under its own name.
// WRITTEN, when given, receives what the file holds afterwards.
QString writeChecked(const LocalPath& path, const std::function<QString(QIODevice&)>& fill, qint64 expected = 0,
                     FileStamp* written = nullptr);
