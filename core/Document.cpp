#include "Document.h"

#include <algorithm>

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

QString Document::clearToDefaultSize() {
    canvas.setOwnSize(Canvas::kDefaultSize);
    return clear();
}

QString Document::resize(QSize size) {
    const QSize now = canvas.Image().size();
    if (size == now) return {};
    const int maxWidth = std::max(Canvas::kMaxSide, now.width()), maxHeight = std::max(Canvas::kMaxSide, now.height());
    if (size.width() < 1 || size.height() < 1 || size.width() > maxWidth || size.height() > maxHeight)
        return QStringLiteral("The width must be 1 to %1 pixels and the height 1 to %2.").arg(maxWidth).arg(maxHeight);
    if (QString problem = canvas.Resize(size); !problem.isEmpty()) return problem;
    markChanged();
    return {};
}

QRect Document::fill(const QPoint& at, VbColor color, int tolerance) {
    const QRect painted = canvas.FloodFill(at, color, tolerance);
    if (!painted.isEmpty()) markChanged();
    return painted;
}

QString Document::turn(Turn turn) {
    const QString problem = canvas.TurnPicture(turn);
    if (problem.isEmpty()) markChanged();
    return problem;
}

QString Document::crop(const QRect& pixels) {
    const QSize before = canvas.Image().size();
    const QString problem = canvas.Crop(pixels);
    if (problem.isEmpty() && canvas.Image().size() != before) markChanged();
    return problem;
}

Document::CropResult Document::cropToContent() {
    const QRect content = contentBounds(canvas.Image());
    if (content.isEmpty()) return {true, {}};
    return {false, crop(content)};
}

bool Document::undo() {
    if (!history.undo()) return false;
    markChanged();
    return true;
}

bool Document::redo() {
    if (!history.redo()) return false;
    markChanged();
    return true;
}
