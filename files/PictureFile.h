// Reading a picture file for the canvas and writing the canvas to a file.
// Both report a failure as a sentence that names the file and the reason.
#pragma once

#include <QImage>
#include <QString>

// Pictures above this many pixels are refused before any pixel is decoded.
constexpr qint64 kMaxPicturePixels = 100'000'000;

struct LoadedPicture {
    QImage image;   // null when the file could not be read
    QString error;  // set when image is null
};

// The sentence every failed open shows: the file, then the reason.
QString cannotOpen(const QString& path, const QString& reason);

// Reads any picture Qt can decode. Pixels a damaged file leaves undecoded
// come out zero (black, or transparent) rather than undefined.
LoadedPicture loadPicture(const QString& path);

// Writes the image as a 24-bit Windows bitmap, whatever the name's
// extension, replacing the file atomically: on failure the old file is left
// as it was and no temporary file remains. Returns the error, or empty.
QString savePicture(const QImage& image, const QString& path);
