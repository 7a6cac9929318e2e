// The picture being edited: its pixels, their undo history, the file they
// belong to and whether they count as changed. The window, the file commands
// and the drag all work on one Document.
#pragma once

#include "core/Canvas.h"
#include "core/FileIdentity.h"
#include "core/UndoHistory.h"

#include <functional>

class Document {
public:
    Document();

    Canvas canvas;
    UndoHistory history{canvas};

    // The picture counts as changed only when both flags are down.
    bool canvasClean = true;  // no press or click has reached the canvas
    bool toolsClean = true;   // no tool button (but the eraser) and no typing
    bool pictureChanged() const { return !canvasClean && !toolsClean; }
    void markChanged() { canvasClean = toolsClean = false; }

    const FileIdentity& identity() const { return identity_; }
    // Names the picture's file; onIdentityChanged hears of it.
    void setIdentity(const FileIdentity& id);
    std::function<void()> onIdentityChanged;

    // A step of the undo history: everything between the two is undone at once.
    void beginStep() { history.begin(); }
    void endStep() { history.end(); }
    // Shows a picture read from PATH in place of this one; on failure (a
    // canvas too large, or out of memory) returns why and changes nothing.
    QString replacePicture(const QImage& picture, const QString& path);
    // Wipes the picture and returns the canvas to its own size, or with
    // New to the default size; when the size cannot be restored, the
    // picture is still wiped and the sentence that tells the user so is
    // returned.
    QString clear();
    QString clearToDefaultSize();
    // The canvas at another size, each side 1 to Canvas::kMaxSide pixels (or
    // up to the side it has); a change. Returns why it cannot be, or empty;
    // then nothing changes.
    QString resize(QSize size);
    // Picture edits, each a change when it changes a pixel and, inside a
    // step, one step: a flood fill in COLOR from the pixel AT (its bounds,
    // empty when nothing changed), the whole picture turned, cut down to a
    // part, or cut down to what is drawn. They return why they cannot be, or
    // empty; then nothing changes.
    QRect fill(const QPoint& at, VbColor color, int tolerance);
    QString turn(Turn turn);
    QString crop(const QRect& pixels);
    struct CropResult {
        bool allWhite = false;  // nothing is drawn: the picture stays as it is
        QString problem;
    };
    CropResult cropToContent();
    // Undo and redo change the picture, so it then counts as changed.
    bool undo();
    bool redo();

private:
    FileIdentity identity_{QString(), QStringLiteral("Untitled"), true, QStringLiteral("Untitled")};
};
