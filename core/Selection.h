// The selection: a part of the picture marked by a drag after Select, or the
// whole of it. A drag that starts inside it lifts its pixels, which float
// above the picture until they are dropped: the lift, its moves and the drop
// are one step of the document's history. Nothing of it is ever drawn into
// the canvas but by a drop or a delete; the view paints the outline and what
// floats, and reads them here.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

enum class Turn;

class Document;

class Selection {
public:
    explicit Selection(Document& doc) : doc_(doc) {}

    // Select is on: drags on the canvas mark and move the selection.
    bool active() const { return active_; }
    // Picture pixels, empty for none.
    const QRect& rect() const { return rect_; }
    // The lifted or pasted pixels, null when none float, and where they
    // were lifted from (empty for a paste).
    const QImage& floating() const { return floating_; }
    const QRect& hole() const { return hole_; }
    // Changes with every change of what shows: the marked rectangle, the
    // floating pixels or their hole.
    quint64 revision() const { return revision_; }

    // Select: on, nothing marked, what floated dropped first.
    void start();
    // Select All: the whole picture marked.
    void markAll();
    // Drops what floats and leaves Select.
    void end();
    // A drag in picture pixels: a press inside the marked part lifts it (or
    // grabs what floats), one outside drops what floats and starts a marking.
    void press(QPoint at);
    void drag(QPoint at);
    void release(QPoint at);
    // The markings that follow take in, besides the pixels between their
    // corners, the outline a pen PENWIDTH pixels wide draws on those corners
    // (snapped corners are where figures lie); 0 for none. A click still
    // marks nothing.
    void markOutlines(int penWidth) { markPen_ = penWidth; }
    // Ends a drag: a marking stays where it is; a move is taken back, the
    // part where it was at the press, lifted only if it was then.
    bool cancelDrag();
    // Floating pixels onto the picture as one step; the place they were
    // lifted from turns white. The marked part stays.
    void drop();
    // The marked part (or, once lifted, the place it came from) white, as
    // one step; nothing is then marked. False when nothing was.
    bool remove();
    // What Copy and Cut put on the clipboard: the marked part, or what
    // floats; null when nothing is marked.
    QImage imageForCopy() const;
    // Select on, IMAGE floating at AT, lifted from nowhere (a paste).
    void put(const QImage& image, QPoint at);
    // The picture as the window shows it: what floats dropped in place, in
    // a copy; the canvas's own image when nothing floats. Recovery copies
    // and exports hold this.
    QImage shown() const;
    // The marked part lifted, if it is not yet, and turned where it lies,
    // its top left kept; it floats until dropped, the lift, the turn and
    // the drop one step. With nothing marked, or the whole picture marked
    // and nothing floating, the whole picture is for the caller to turn.
    enum class Turned { Part, WholePicture, NoMemory };
    Turned turn(Turn turn);
    // While on, the white of what floats lets the picture below show, on
    // the screen and when it is dropped.
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);
    // What floats as the view paints it: with its white clear while
    // transparent is on.
    const QImage& floatingShown() const;

private:
    Document& doc_;
    bool active_ = false;
    bool transparent_ = false;
    QRect rect_;
    QImage floating_;
    QRect hole_;
    bool turned_ = false;  // what floats was turned since it was lifted
    enum { None, Marking, Moving } drag_ = None;
    QPoint from_;  // the marking's first corner, or the grab inside the selection
    int markPen_ = 0;
    QRect movedFrom_;     // where a move found the part at its press
    bool liftedByMove_ = false;  // the move's press lifted it
    quint64 revision_ = 0;
    mutable QImage shown_;  // the last picture as shown, kept while nothing changes
    mutable qint64 shownOf_ = 0;
    mutable QRect shownAt_;
    mutable qint64 shownFloating_ = 0;
    mutable bool shownClear_ = false;
    mutable QImage clear_;  // floatingShown() while transparent, of clearOf_
    mutable qint64 clearOf_ = 0;
};
