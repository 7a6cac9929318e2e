// A Windows bitmap whose file ends before its pixel data does is decoded by
// Qt as a success with the missing rows left blank; this tells such a file
// apart from the header it carries.
#pragma once

#include <QByteArray>
#include <QtGlobal>

// The bytes one row of a bitmap's pixels takes in the file, padded to four.
inline qint64 bitmapRowBytes(qint64 width, qint64 bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

// The number of bytes the bitmap's headers say the file holds, or 0 when
// the headers are too short or of a kind whose length cannot be told.
qint64 bitmapLengthClaimed(const QByteArray& headers);

// True when the file is shorter than its headers claim.
bool bitmapIsTruncated(const QByteArray& headers, qint64 fileSize);
