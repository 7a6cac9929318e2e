// A scratch folder with a picture and a text file in it, for the tests of
// opening and saving pictures through scripts.
#pragma once

#include "Harness.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

// A one-bit Windows bitmap of black pixels, whole: every row is present.
inline QByteArray monoBitmap(qint32 width, qint32 height) {
    const qint64 row = (qint64(width) + 31) / 32 * 4;
    QByteArray b(62, '\0');
    b[0] = 'B', b[1] = 'M';
    qToLittleEndian(quint32(b.size() + row * height), b.data() + 2);
    qToLittleEndian(quint32(b.size()), b.data() + 10);
    qToLittleEndian(quint32(40), b.data() + 14);
    qToLittleEndian(width, b.data() + 18);
    qToLittleEndian(height, b.data() + 22);
    qToLittleEndian(quint16(1), b.data() + 26);
    qToLittleEndian(quint16(1), b.data() + 28);
    b[58] = b[59] = b[60] = char(0xFF);  // colour 1 white, colour 0 black
    return b + QByteArray(row * height, '\0');
}

struct FilesFolder {
    QTemporaryDir dir;

    FilesFolder() {
        QImage old(60, 40, QImage::Format_RGB32);
        old.fill(QColor(200, 30, 40));
        old.save(path("old.bmp"), "BMP");
        write("note.txt", "not a picture\n");
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    QByteArray read(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList names() const { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name); }
    // Script lines with %D standing for the folder, and "draw" for a square
    // dragged after its button (the picture then counts as changed).
    QStringList expand(const QStringList& lines) const {
        QStringList out;
        for (const QString& l : lines) {
            if (l == QLatin1String("draw"))
                out << QStringList{"click cmdSquare", "down 1 0 300 300", "move 1 0 3000 3000", "up 1 0 3000 3000"};
            else
                out << QString(l).replace(QStringLiteral("%D"), dir.path());
        }
        return out;
    }
};
