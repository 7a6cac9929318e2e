#include "Document.h"

Document::Document() {
    canvas.setHistory(&history);
    history.trackIdentity([this] { return identity_; }, [this](const FileIdentity& id) { setIdentity(id); });
}

void Document::setIdentity(const FileIdentity& id) {
    identity_ = id;
    if (onIdentityChanged) onIdentityChanged();
}

QString Document::replacePicture(const QImage& picture, const QString& path) { return canvas.Picture(picture, path); }

QString Document::clear() {
    canvas.Cls();
    const QString problem = canvas.PictureNone();
    return problem.isEmpty() ? problem : QStringLiteral("The canvas could not return to its own size: %1").arg(problem);
}

bool Document::undo() {
    if (!history.undo()) return false;
    canvasClean = false;
    toolsClean = false;
    return true;
}

bool Document::redo() {
    if (!history.redo()) return false;
    canvasClean = false;
    toolsClean = false;
    return true;
}
