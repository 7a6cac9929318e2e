// Reading a picture file for the canvas and writing the canvas to a file.
// Both report a failure as a sentence that names the file and the reason.
#pragma once

#include "core/Canvas.h"
#include "core/ChartText.h"
#include "core/FileIdentity.h"
#include "core/LocalPath.h"

#include <QImage>
#include <QString>

class QMimeData;

struct LoadedPicture {
    QImage image;   // null when the file could not be read
    QString error;  // set when image is null
    // What a file held of a chart, and the chart when it matched the picture.
    ChartInFile chartFound = ChartInFile::No;
    Chart chart{};
};

// The sentence every failed open shows: the file, then the reason.
QString cannotOpen(const QString& path, const QString& reason);

// Reads any picture Qt can decode. Pixels a damaged file leaves undecoded
// come out zero (black, or transparent) rather than undefined. The chart a
// file keeps comes with it only when it parses and was drawn on these very
// pixels.
// READ, when given, receives what the file held as it was read.
LoadedPicture loadPicture(const LocalPath& path, FileStamp* read = nullptr);
// Whether the file at PATH holds something else than STAMP says: another
// length, time of change or digest. A file that is gone, or a stamp not
// known, is no change: nothing would be lost by writing it.
bool changedSince(const LocalPath& path, const FileStamp& stamp);


// Picture data from outside the program (the clipboard, a drop), in FORMAT
// ("png", "bmp"; empty: told by the data), decoded as carefully as a file,
// and with any transparent pixels on white. A refusal is REFUSAL with the
// reason as its %1.
LoadedPicture decodePicture(const QByteArray& data, const QByteArray& format, const QString& refusal);
// The picture that clipboard or drop data carries, as decodePicture() gives
// it; a null image and no error when the data holds no picture at all.
LoadedPicture pictureFromMime(const QMimeData* mime, const QString& refusal);

// Writes the image in the format its name's extension asks for, in any case:
// .png as PNG, .jpg or .jpeg as JPEG at quality 95, anything else (.bmp,
// .gif, which Qt cannot write, or no extension) as a 24-bit Windows bitmap.
// The name is used as it is, no extension added. The file is replaced only
// once the whole picture is written (writeChecked): on failure the old file
// is left as it was and no temporary file remains. Returns the error, or
// empty. A quick PNG is compressed at zlib's fastest level: a larger file,
// written in a fraction of the time. A PNG keeps CHART, a chart's text, when
// there is one.
QString savePicture(const QImage& image, const LocalPath& path, bool quickly = false, FileStamp* written = nullptr,
                    const QByteArray& chart = {});
// The same, returning only the reason (the system's words), for callers
// that tell the failure in their own sentence.
QString writePicture(const QImage& image, const LocalPath& path, bool quickly = false, FileStamp* written = nullptr,
                     const QByteArray& chart = {});
// Whether the picture written to PATH is a PNG, which keeps a chart.
bool keepsChart(const QString& path);
