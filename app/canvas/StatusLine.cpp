#include "StatusLine.h"

#include "app/canvas/CanvasView.h"
#include "app/canvas/PictureFrame.h"
#include "app/palette/Palette.h"
#include "core/Document.h"
#include "core/DragDispatcher.h"
#include "core/PressTools.h"

#include <QPainter>
#include <QStyle>
#include <cstdlib>

namespace {

constexpr int kNoteMs = 5000;

// The tool tip of the palette button that chooses CODE, or nothing.
QString toolName(int code) {
    for (const PaletteEntry& e : paletteEntries())
        if (e.code == code && code >= 0) return e.shownToolTip();
    return {};
}

}  // namespace

StatusLine::StatusLine(const Document& doc, const DragDispatcher& dispatcher, const DragState& state,
                       const CanvasView& view, QWidget* bar)
    : QLabel(bar), doc_(doc), dispatcher_(dispatcher), state_(state), view_(view) {
    shown_ = line();
    setText(shown_);  // the line's size stays what the first text asked for
    noteEnds_.setSingleShot(true);
    connect(&noteEnds_, &QTimer::timeout, this, &StatusLine::clearNote);
}

void StatusLine::pointerAt(float x, float y) {
    x_ = x;
    y_ = y;
}

void StatusLine::note(const QString& note) {
    note_ = note;
    noteEnds_.start(kNoteMs);
    refresh();
}

void StatusLine::clearNote() {
    if (note_.isEmpty()) return;
    note_.clear();
    noteEnds_.stop();
    refresh();
}

QString StatusLine::line() const {
    if (!note_.isEmpty()) return note_;
    // The pixel the canvas acts on at the pointer's twips: the one under the
    // pointer, as the view maps it.
    // Each part is a whole text of its own, four blanks apart.
    const QString gap = QStringLiteral("    ");
    QString text = tr("Pointer %1, %2").arg(Canvas::toPixels(x_)).arg(Canvas::toPixels(y_));
    if (dispatcher_.dragging())
        text += gap + tr("Drag %1 × %2")
                          .arg(std::abs(qint64(Canvas::toPixels(x_)) - Canvas::toPixels(state_.startX)))
                          .arg(std::abs(qint64(Canvas::toPixels(y_)) - Canvas::toPixels(state_.startY)));
    const QSize size = doc_.canvas.Image().size();
    if (const QSize asked = frame ? frame->asked() : QSize(); asked.isValid())
        text += gap + tr("Picture %1 × %2 → %3 × %4")
                          .arg(size.width())
                          .arg(size.height())
                          .arg(asked.width())
                          .arg(asked.height());
    else
        text += gap + tr("Picture %1 × %2").arg(size.width()).arg(size.height());
    text += gap + tr("Zoom %1%").arg(view_.zoom());
    const int tool = currentTool ? *currentTool : int(Tool::None);
    if (dispatcher_.dragging() && dispatcher_.dragButton() == MouseButton::Left &&
        Tool::drawsNothing(tool, state_.startX, state_.startY, x_, y_))
        return text + gap + tr("This figure is drawn by dragging down and to the right.");
    // The tool a press reaches names itself: Fill or Pick Colour, then Select.
    if (const QString name = pressTools ? pressTools->name() : QString(); !name.isEmpty()) {
        const QString figure = pressTools->current() == PressTools::Arrange && arranged ? arranged() : QString();
        return text + gap + name + (figure.isEmpty() ? QString() : gap + figure);
    }
    if (doc_.selection.active()) return text + gap + tr("Select");
    const int locked = dispatcher_.lockedTool();
    if (locked != Tool::None) return text + gap + tr("%1 (locked)").arg(toolName(locked));
    if (const QString name = toolName(tool); !name.isEmpty()) text += gap + name;
    return text;
}

// Laying out the label's text costs more than a move's figure: it waits
// for the end of the frame, with the moves after it. A new text is only
// painted, as the label paints its own; the window is not laid out again.
void StatusLine::refresh() {
    if (due_) return;
    due_ = true;
    QTimer::singleShot(16, this, [this] {
        due_ = false;
        const QString now = line();
        if (now == shown_) return;
        shown_ = now;
        update();
    });
}

void StatusLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    style()->drawItemText(&p, contentsRect(), int(alignment()) | Qt::TextForceLeftToRight, palette(), isEnabled(),
                          shown_, foregroundRole());
}
