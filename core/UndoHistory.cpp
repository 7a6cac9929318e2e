#include "UndoHistory.h"

#include "core/Canvas.h"

#include <QPainter>
#include <algorithm>
#include <utility>

UndoHistory::UndoHistory(Canvas& canvas, std::size_t budgetBytes) : canvas_(canvas), budget_(budgetBytes) {}

void UndoHistory::begin(bool asksFirst) {
    end();
    open_ = true;
    current_.asksFirst = asksFirst;
}

// The name as the step found it is kept with the step at its first rename.
void UndoHistory::rename(const FileIdentity& id) {
    Scope step(*this);
    if (!current_.identityBefore) current_.identityBefore = identity_;
    setIdentity(id);
}

void UndoHistory::setIdentity(const FileIdentity& id) {
    identity_ = id;
    if (renamed_) renamed_();
}

// A save inside a command (New answered Yes) splits its step there, so that
// undo can come back to exactly what the file holds.
void UndoHistory::fileHoldsPicture(const FileIdentity& id) {
    const bool wasOpen = open_;
    end();
    rename(id);
    // Every step that names the file learns what it holds now, so that undo
    // and redo never give back what it held before this window wrote it.
    for (auto* steps : {&undo_, &redo_})
        for (Step& step : *steps)
            for (auto* named : {&step.identityBefore, &step.identityAfter})
                if (*named && (*named)->path == id.path) (*named)->stamp = id.stamp;
    inFile_ = position();
    if (wasOpen) begin();
}

// A step that replaces the picture keeps the whole image before and after,
// packed when they are large: the question comes only when even packed they
// would not fit. The new picture holds at most the old pixels and white, so
// packed it takes about what the old one does.
bool UndoHistory::mayReplaceWith(QSize size) {
    const std::size_t after = std::size_t(std::max(size.width(), 0)) * std::size_t(std::max(size.height(), 0)) * 4;
    std::size_t need = sizeOf(canvas_.Image()) + after;
    if (need > budget_ && need > kPackFrom) {
        packedNow_ = PackedImage(canvas_.Image());
        packedNow_.pack();
        packedNowKey_ = canvas_.Image().cacheKey();
        need = 2 * packedNow_.bytes() + after / 4096;
    }
    if (need <= budget_ || !askTooLarge_ || !current_.asksFirst) return true;
    if (!askTooLarge_()) {
        packedNow_ = PackedImage();
        packedNowKey_ = 0;
        return false;
    }
    current_.agreed = true;
    return true;
}

void UndoHistory::aboutToPaint(const QRect& pixels) {
    if (!open_) open_ = true;  // painting outside a step starts one
    if (!current_.wholeBefore.isNull() || current_.tooLarge) return;
    const QImage& img = canvas_.Image();
    const QRect r = pixels.intersected(img.rect());
    if (r.isEmpty()) return;
    for (int ty = r.top() / kTile; ty <= r.bottom() / kTile; ++ty) {
        for (int tx = r.left() / kTile; tx <= r.right() / kTile; ++tx) {
            const long long key = (static_cast<long long>(ty) << 32) | unsigned(tx);
            if (!saved_.insert(key).second) continue;
            const QPoint at(tx * kTile, ty * kTile);
            const QImage before = img.copy(QRect(at, QSize(kTile, kTile)).intersected(img.rect()));
            savedBytes_ += sizeOf(before);
            current_.tiles.push_back({at, PackedImage(before), {}});
        }
    }
    if (savedBytes_ <= kPackFrom) return;
    for (; packedTiles_ < current_.tiles.size(); ++packedTiles_) current_.tiles[packedTiles_].before.pack();
}

void UndoHistory::aboutToReplace() {
    if (!open_) open_ = true;
    if (!current_.wholeBefore.isNull() || current_.tooLarge) return;
    // The canvas puts a new image in place of the old one, so the old one is
    // shared, not copied. The tiles saved so far are older than the whole
    // image: they go on a copy so that the whole "before" is the picture as
    // the step found it.
    QImage before = canvas_.Image();
    if (!current_.tiles.empty()) {
        before = before.copy();
        QPainter p(&before);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        for (const Tile& t : current_.tiles) p.drawImage(t.at, t.before.image());
    }
    current_.tiles.clear();
    packedTiles_ = 0;
    if (before.cacheKey() == packedNowKey_) {
        current_.wholeBefore = std::move(packedNow_);  // packed already, when the change was weighed
    } else {
        current_.wholeBefore = PackedImage(before);
        if (sizeOf(before) > kPackFrom) current_.wholeBefore.pack();
    }
    packedNow_ = PackedImage();
    packedNowKey_ = 0;
    current_.tooLarge = current_.wholeBefore.bytes() > budget_;
    if (current_.tooLarge) current_.wholeBefore = PackedImage();  // the step cannot be kept
}

bool UndoHistory::end() {
    if (!open_) return false;
    open_ = false;
    changedPixels_ = false;
    packedNow_ = PackedImage();  // weighed for this step only
    packedNowKey_ = 0;
    checkChart();
    saved_.clear();
    const bool pack = std::exchange(savedBytes_, 0) > kPackFrom;
    packedTiles_ = 0;
    Step step = std::move(current_);
    current_ = Step();
    if (step.identityBefore && identity_ != *step.identityBefore) step.identityAfter = identity_;
    if (step.chartBefore && chart_ != *step.chartBefore) {
        step.chartAfter = chart_;
        // What the two share is held once, by the picture itself.
        step.bytes = step.chartBefore->bytes(&chart_) + chart_.bytes(&*step.chartBefore);
    }
    // A step that renames or changes the chart is kept with no pixel changed.
    const bool keptAnyway = step.identityAfter.has_value() || step.chartAfter.has_value();
    const QImage& img = canvas_.Image();
    if (step.tooLarge) {
        changedPixels_ = true;
        forget(!step.agreed);
        return true;
    }
    if (!step.wholeBefore.isNull()) {
        PackedImage after(img);
        if (sizeOf(img) > kPackFrom)
            after.pack();
        else
            after = PackedImage(img.copy());
        if (step.wholeBefore.same(after)) {
            if (!keptAnyway) return false;
            step.wholeBefore = PackedImage();  // the name or the figures alone
        } else {
            changedPixels_ = true;
            step.bytes += step.wholeBefore.bytes() + after.bytes();
            step.wholeAfter = std::move(after);
        }
    } else {
        std::vector<Tile> changed;
        for (Tile& t : step.tiles) {
            t.after = PackedImage(img.copy(QRect(t.at, t.before.size())));
            if (pack) t.after.pack();
            if (t.after.same(t.before)) continue;
            changedPixels_ = true;
            if (step.bytes > budget_) break;  // push() drops it: no more copies kept
            step.bytes += t.before.bytes() + t.after.bytes();
            changed.push_back(std::move(t));
        }
        if (!changedPixels_ && !keptAnyway) return false;
        step.tiles = std::move(changed);
    }
    push(std::move(step));
    return true;
}

void UndoHistory::checkChart() {
    if (chart_.items().empty()) return;
    Chart before = chart_;
    const bool whole = !current_.wholeBefore.isNull() || current_.tooLarge;
    QRect area = canvas_.Image().rect();
    if (!whole) {
        area = QRect();
        for (const Tile& t : current_.tiles) area |= QRect(t.at, QSize(kTile, kTile));
    }
    const bool changed = chart_.checkPixels(canvas_.Image(), area, [&](int x, int y) {
        return whole || saved_.count((static_cast<long long>(y / kTile) << 32) | unsigned(x / kTile)) > 0;
    });
    if (changed && !current_.chartBefore) current_.chartBefore = std::move(before);
}

void UndoHistory::push(Step&& step) {
    for (const Step& s : redo_) bytes_ -= s.bytes;
    redo_.clear();
    if (step.bytes > budget_) {
        forget(!step.agreed);
        return;
    }
    step.id = ++lastId_;
    bytes_ += step.bytes;
    undo_.push_back(std::move(step));
    while (bytes_ > budget_) {
        bytes_ -= undo_.front().bytes;
        base_ = undo_.front().id;
        undo_.pop_front();
    }
}

// A step the budget cannot hold is not kept, and the older steps go with it:
// replayed across the change it made, they would corrupt the picture.
void UndoHistory::forget(bool tell) {
    undo_.clear();
    redo_.clear();
    bytes_ = 0;
    base_ = ++lastId_;
    if (tell && notKept_) notKept_();
}

void UndoHistory::apply(const Step& step, bool forward) {
    if (step.identityAfter) setIdentity(forward ? *step.identityAfter : *step.identityBefore);
    if (step.chartAfter) chart_ = forward ? *step.chartAfter : *step.chartBefore;
    if (!step.wholeBefore.isNull()) {
        const QImage whole = (forward ? step.wholeAfter : step.wholeBefore).image();
        if (!whole.isNull()) canvas_.restoreImage(whole);
        return;
    }
    for (const Tile& t : step.tiles) canvas_.restoreTile(t.at, (forward ? t.after : t.before).image());
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
