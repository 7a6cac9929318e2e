// The picture being edited: its pixels, their undo history, the file they
// belong to and whether they count as changed. The window, the file commands
// and the drag all work on one Document.
#pragma once

#include "core/Canvas.h"
#include "core/Chart.h"
#include "core/ChartText.h"
#include "core/FileIdentity.h"
#include "core/Label.h"
#include "core/LabelSite.h"
#include "core/Selection.h"
#include "core/UndoHistory.h"

#include <functional>

class Document {
public:
    Document();

    Canvas canvas;
    UndoHistory history{canvas};
    // The marked part and what floats above the picture.
    Selection selection{*this};

    // The picture counts as changed only when both flags are down.
    bool canvasClean = true;  // no press or click has reached the canvas
    bool toolsClean = true;   // no tool button (but the eraser) and no typing
    bool pictureChanged() const { return !canvasClean && !toolsClean; }
    void markChanged() { canvasClean = toolsClean = false; }

    // The figures drawn on the picture and the last figure, line or arrow,
    // which a label is fitted to; none since start or since the picture was
    // wiped or replaced. They change only within a step of the history, and
    // follow the picture through its crops, turns and new sizes.
    const FigureMemory& figures() const { return history.figures(); }
    // The chart: the figures with the pixels each painted, the connectors
    // drawn between them and their labels.
    const Chart& chart() const { return history.chart(); }
    // Where the label of a tool's figure dragged between two corners goes;
    // the window sets it.
    Label::SiteOf labelSites;
    // What FIGURE, its labels and its connectors (with theirs) cover once
    // moved BY pixels, each pixel once: an inverted preview of the move.
    FigurePixels movePreview(int figure, QPoint by) const;
    // FIGURE moved BY pixels with its labels, its connectors drawn again to
    // follow it and their labels placed again, in the step open or one of
    // its own. False when nothing moved: no such figure, or its pixels would
    // leave the picture.
    bool moveFigure(int figure, QPoint by);
    // FIGURE taken away with its labels, its connectors and theirs; what
    // they covered comes back.
    bool removeFigure(int figure);
    // FIGURE's labels replaced by TEXT, in the canvas's font and colour;
    // the figure grows by GROWSTEP pixels at a time to hold it (0: never).
    Label::Stamp relabel(int figure, const QString& text, int growStep = 0);
    // Draws TOOL's finished figure along DRAG in COLOUR; the window sets it.
    std::function<void(int tool, QLineF drag, VbColor colour)> drawFigure;
    // The figure of GROWN's id drawn again as GROWN, its connectors following
    // as in a move; false when it cannot be.
    bool growFigure(const DrawnFigure& grown);
    // The figure grown by the smallest steps of STEP pixels, width first up
    // to twice its width, then height, about the middle of the side its
    // first incoming connector meets, until TEXT fits inside it at the
    // smallest readable size; none when it is turned or flipped, would
    // cover another figure or leave the picture.
    std::optional<DrawnFigure> grownToFit(const DrawnFigure& figure, const QString& text, int step) const;
    // A drag of TOOL from PRESS to RELEASE drew its figure (a line going
    // round BEND), painting PIXELS; a line in LOOK from its LEG, in COLOUR.
    void drawn(int tool, QPointF press, QPointF release, int penWidth = 1, Bend bend = Bend::None,
               PixelRecord pixels = {}, const LineLook& look = {}, FirstLeg leg = FirstLeg::Longer, int colour = 0);
    // TEXT printed with its top left at AT (twips), in the canvas's font and
    // colour: a label of the figure whose rectangle holds AT, if any.
    void printText(QPointF at, const QString& text);

    // The picture's file. It changes only as part of a step of the undo
    // history: the one open, or one of its own; onIdentityChanged hears of it.
    const FileIdentity& identity() const { return history.identity(); }
    void setIdentity(const FileIdentity& id) { history.rename(id); }
    std::function<void()> onIdentityChanged;
    // The picture was just written to ID's file (both flags go up), or read
    // from it; when undo or redo comes back to this point, the picture
    // counts as unchanged again.
    void saved(const FileIdentity& id);
    void opened(const FileIdentity& id);

    // A step of the undo history: everything between the two is undone at
    // once. A step asks before a change too large to be undone, or tells
    // afterwards (see UndoHistory::begin). endStep tells whether the step
    // changed a pixel; what counts as a change of the picture is the
    // command's to say.
    void beginStep(bool asksFirst = true) { history.begin(asksFirst); }
    bool endStep() { return history.end() && history.changedPixels(); }
    // Shows a picture read from SOURCE in place of this one and names it ID,
    // both in one step, with the chart its file kept (none: an empty one);
    // on failure (a canvas too large, or out of memory) returns why and
    // changes nothing.
    QString replacePicture(const QImage& picture, const QString& source, const FileIdentity& id, Chart chart = {});
    // What the last file opened held of a chart.
    ChartInFile chartInFile = ChartInFile::No;
    // Wipes the picture and returns the canvas to its own size, or with
    // New to the default size; when the size cannot be restored, the
    // picture is still wiped and the sentence that tells the user so is
    // returned. A wipe too large to be undone is made only when the
    // history's question is answered yes.
    QString clear();
    QString clearToDefaultSize();
    // The canvas at another size, each side 1 to Canvas::kMaxSide pixels (or
    // up to the side it has). Returns why it cannot be, or empty;
    // then nothing changes. A size too large to be undone is made only when
    // the history's question is answered yes.
    QString resize(QSize size);
    // Picture edits, each, inside a step, one step: a flood fill in COLOR from the pixel AT (its bounds,
    // empty when nothing changed), the whole picture turned, cut down to a
    // part, or cut down to what is drawn. They return why they cannot be, or
    // empty; then nothing changes. Each is weighed against the undo history
    // before it is made, as resize is: the fill once its area is found.
    QRect fill(const QPoint& at, VbColor color, int tolerance);
    QString turn(Turn turn);
    QString crop(const QRect& pixels);
    struct CropResult {
        bool allWhite = false;  // nothing is drawn: the picture stays as it is
        QString problem;
    };
    CropResult cropToContent();
    // Undo and redo change the picture, so it then counts as changed, unless
    // they come back to what its file holds.
    bool undo();
    bool redo();

private:
    void afterReplay();
    // The items that go with FIGURE: itself, its labels, its connectors and
    // theirs, in the chart's order.
    std::vector<std::size_t> itemsOf(int figure) const;
    struct Reshape;
    PixelRecord reshaped(const Chart::Item& item, const Reshape& r, Chart::Item& changed);
    void reshape(const Reshape& r, const DrawnFigure& now);
    QString cropTo(const QRect& pixels, bool toContent);
};
