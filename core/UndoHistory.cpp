#include "UndoHistory.h"

#include "core/Canvas.h"

#include <QPainter>

UndoHistory::UndoHistory(Canvas& canvas, std::size_t budgetBytes) : canvas_(canvas), budget_(budgetBytes) {}

void UndoHistory::begin() {
    end();
    open_ = true;
}

// The identity as the step found it, read before its first pixel changes:
// a save within the step (New or Open answered Yes) comes before that.
void UndoHistory::noteIdentity() {
    if (readIdentity_ && !current_.identityBefore) current_.identityBefore = readIdentity_();
}

void UndoHistory::aboutToPaint(const QRect& pixels) {
    if (!open_) open_ = true;  // painting outside a step starts one
    noteIdentity();
    if (!current_.wholeBefore.isNull() || current_.tooLarge) return;
    const QImage& img = canvas_.Image();
    const QRect r = pixels.intersected(img.rect());
    if (r.isEmpty()) return;
    for (int ty = r.top() / kTile; ty <= r.bottom() / kTile; ++ty) {
        for (int tx = r.left() / kTile; tx <= r.right() / kTile; ++tx) {
            const long long key = (static_cast<long long>(ty) << 32) | unsigned(tx);
            if (!saved_.insert(key).second) continue;
            const QPoint at(tx * kTile, ty * kTile);
            current_.tiles.push_back({at, img.copy(QRect(at, QSize(kTile, kTile)).intersected(img.rect())), {}});
        }
    }
}

void UndoHistory::aboutToReplace() {
    if (!open_) open_ = true;
    noteIdentity();
    if (!current_.wholeBefore.isNull() || current_.tooLarge) return;
    current_.tooLarge = sizeOf(canvas_.Image()) > budget_;
    if (current_.tooLarge) {  // the step cannot be kept: nothing is copied
        current_.tiles.clear();
        return;
    }
    // The canvas puts a new image in place of the old one, so the old one is
    // shared, not copied. The tiles saved so far are older than the whole
    // image: they go on a copy so that the whole "before" is the picture as
    // the step found it.
    QImage before = canvas_.Image();
    if (!current_.tiles.empty()) {
        before = before.copy();
        QPainter p(&before);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        for (const Tile& t : current_.tiles) p.drawImage(t.at, t.before);
    }
    current_.tiles.clear();
    current_.wholeBefore = before;
}

void UndoHistory::end() {
    if (!open_) return;
    open_ = false;
    saved_.clear();
    Step step = std::move(current_);
    current_ = Step();
    if (step.identityBefore && readIdentity_() != *step.identityBefore) step.identityAfter = readIdentity_();
    const QImage& img = canvas_.Image();
    if (step.tooLarge) {
        forget();
        return;
    }
    if (!step.wholeBefore.isNull()) {
        if (step.wholeBefore == img) return;
        step.bytes = sizeOf(step.wholeBefore) + sizeOf(img);
        if (step.bytes <= budget_) step.wholeAfter = img.copy();  // else push() drops it
    } else {
        std::vector<Tile> changed;
        for (Tile& t : step.tiles) {
            if (step.bytes > budget_) break;  // push() drops it: no more copies
            t.after = img.copy(QRect(t.at, t.before.size()));
            if (t.after == t.before) continue;
            step.bytes += sizeOf(t.before) + sizeOf(t.after);
            changed.push_back(std::move(t));
        }
        if (changed.empty()) return;
        step.tiles = std::move(changed);
    }
    push(std::move(step));
}

void UndoHistory::push(Step&& step) {
    for (const Step& s : redo_) bytes_ -= s.bytes;
    redo_.clear();
    if (step.bytes > budget_) {
        forget();
        return;
    }
    bytes_ += step.bytes;
    undo_.push_back(std::move(step));
    while (bytes_ > budget_) {
        bytes_ -= undo_.front().bytes;
        undo_.pop_front();
    }
}

// A step the budget cannot hold is not kept, and the older steps go with it:
// replayed across the change it made, they would corrupt the picture.
void UndoHistory::forget() {
    undo_.clear();
    redo_.clear();
    bytes_ = 0;
    if (notKept_) notKept_();
}

void UndoHistory::apply(const Step& step, bool forward) {
    if (step.identityAfter && writeIdentity_) writeIdentity_(forward ? *step.identityAfter : *step.identityBefore);
    if (!step.wholeBefore.isNull()) {
        canvas_.restoreImage(forward ? step.wholeAfter : step.wholeBefore);
        return;
    }
    for (const Tile& t : step.tiles) canvas_.restoreTile(t.at, forward ? t.after : t.before);
}

// Puts the newest step of one list back on the picture and moves it over to
// the other list: backwards for undo, forwards for redo.
bool UndoHistory::replay(std::deque<Step>& from, std::deque<Step>& to, bool forward) {
    end();
    if (from.empty()) return false;
    apply(from.back(), forward);
    to.push_back(std::move(from.back()));
    from.pop_back();
    return true;
}

bool UndoHistory::undo() { return replay(undo_, redo_, false); }

bool UndoHistory::redo() { return replay(redo_, undo_, true); }
