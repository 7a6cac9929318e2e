// A file's path as the system names it: bytes in no encoding the system
// enforces. Text cannot carry every such name (bytes that are not UTF-8
// become U+FFFD, which names another file or none), so a file named on the
// command line or dropped is opened and replaced by these bytes; the text is
// only for showing.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

class LocalPath {
public:
    LocalPath() = default;
    // A path that came as text (the file dialog's, a script's), as the
    // system encodes it.
    LocalPath(const QString& path) : bytes_(QFile::encodeName(path)) {}  // NOLINT(google-explicit-constructor)
    // A path in the program's own text, taken as the bytes it is.
    LocalPath(const char* path) : bytes_(path) {}  // NOLINT(google-explicit-constructor)
    static LocalPath fromBytes(const QByteArray& bytes) {
        LocalPath p;
        p.bytes_ = bytes;
        return p;
    }

    const QByteArray& bytes() const { return bytes_; }
    bool isEmpty() const { return bytes_.isEmpty(); }
    // As the caption and the messages show it, bytes that are not UTF-8 as U+FFFD.
    QString shown() const { return QFile::decodeName(bytes_); }
    // The name after the last slash, shown the same way.
    QString fileName() const { return QFile::decodeName(bytes_.mid(bytes_.lastIndexOf('/') + 1)); }
    // Whether its text names this very file, so that Qt's file classes may take it.
    bool fitsText() const { return QFile::encodeName(shown()) == bytes_; }

    bool operator==(const LocalPath& o) const { return bytes_ == o.bytes_; }
    bool operator!=(const LocalPath& o) const { return bytes_ != o.bytes_; }

private:
    QByteArray bytes_;
};
