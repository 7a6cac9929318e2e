#include "Document.h"

#include <QCoreApplication>
#include <algorithm>

Document::Document() {
    canvas.setHistory(&history);
    history.onRenamed([this] {
        if (onIdentityChanged) onIdentityChanged();
    });
}

void Document::saved(const FileIdentity& id) {
    history.fileHoldsPicture(id);
    canvasClean = toolsClean = true;
}

void Document::opened(const FileIdentity& id) {
    history.fileHoldsPicture(id);
    canvasClean = true;
}

QString Document::replacePicture(const QImage& picture, const QString& source, const FileIdentity& id,
                                 Chart chart) {
    UndoHistory::Scope step(history);
    if (QString problem = canvas.Picture(picture, source); !problem.isEmpty()) return problem;
    history.rename(id);
    history.changeChart([&](Chart& f) {
        if (ChartText::holdsAnything(chart))
            f = std::move(chart);
        else
            f.forget();
    });
    return {};
}

QString Document::clear() {
    UndoHistory::Scope step(history);
    if (!history.mayReplaceWith(canvas.ownSize())) return {};
    canvas.Cls();
    history.changeChart([](Chart& f) { f.forget(); });
    const QString problem = canvas.PictureNone();
    if (problem.isEmpty()) return problem;
    return QCoreApplication::translate("Document", "The canvas could not return to its own size: %1").arg(problem);
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
        return QCoreApplication::translate("Document", "The width must be 1 to %1 pixels and the height 1 to %2.")
            .arg(maxWidth)
            .arg(maxHeight);
    UndoHistory::Scope step(history);
    if (!history.mayReplaceWith(size)) return {};
    if (QString problem = canvas.Resize(size); !problem.isEmpty()) return problem;
    history.changeChart([&](Chart& f) { f.resized(now, size); });
    return {};
}

QRect Document::fill(const QPoint& at, VbColor color, int tolerance) {
    UndoHistory::Scope step(history);
    return canvas.FloodFill(at, color, tolerance, [this](QSize whole) { return history.mayReplaceWith(whole); });
}

QString Document::turn(Turn turn) {
    UndoHistory::Scope step(history);
    const QSize size = canvas.Image().size();
    const bool quarter = turn == Turn::RotateRight || turn == Turn::RotateLeft;
    if (!history.mayReplaceWith(quarter ? size.transposed() : size)) return {};
    const QString problem = canvas.TurnPicture(turn);
    if (problem.isEmpty()) history.changeChart([&](Chart& f) { f.turned(turn, size); });
    return problem;
}

QString Document::crop(const QRect& pixels) { return cropTo(pixels, false); }

Document::CropResult Document::cropToContent() {
    const QRect content = contentBounds(canvas.Image());
    if (content.isEmpty()) return {true, {}};
    return {false, cropTo(content, true)};
}

QString Document::cropTo(const QRect& pixels, bool toContent) {
    UndoHistory::Scope step(history);
    const QSize before = canvas.Image().size();
    const QRect wanted = pixels.intersected(canvas.Image().rect());
    if (wanted != canvas.Image().rect() && !wanted.isEmpty() && !history.mayReplaceWith(wanted.size())) return {};
    const QString problem = canvas.Crop(pixels);
    if (!problem.isEmpty() || canvas.Image().size() == before) return problem;
    const QRect part = pixels.intersected(QRect(QPoint(0, 0), before));
    history.changeChart([&](Chart& f) { f.cropped(part, toContent, before); });
    return {};
}

bool Document::undo() {
    if (!history.undo()) return false;
    afterReplay();
    return true;
}

bool Document::redo() {
    if (!history.redo()) return false;
    afterReplay();
    return true;
}

void Document::afterReplay() {
    if (history.pictureInFile())
        canvasClean = toolsClean = true;
    else
        markChanged();
}
