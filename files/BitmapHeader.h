// A Windows or OS/2 bitmap whose file ends before its pixel data does is
// decoded by Qt as a success with the missing rows left blank; this tells
// such a file apart from the headers it carries, read as Qt reads them.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QtGlobal>

// The bytes one row of a bitmap's pixels takes in the file, padded to four.
inline qint64 bitmapRowBytes(qint64 width, qint64 bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

// The width and height (rows top-down or bottom-up alike) the headers
// claim, or an invalid size when they are too short to tell.
QSize bitmapSizeClaimed(const QByteArray& headers);

// The fewest bytes a file with these headers holds when its data can fill
// the picture: the uncompressed rows, or for run-length data the length
// the headers give, and at least two bytes for every 255 pixels of a row
// and for the end of every row but the last. 0 when the headers are too
// short or of a kind whose length cannot be told.
qint64 bitmapLengthClaimed(const QByteArray& headers);

// True when the file is shorter than its headers claim.
bool bitmapIsTruncated(const QByteArray& headers, qint64 fileSize);
