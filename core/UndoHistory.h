// Undo and redo of whole changes to the picture. While a step is open, the
// canvas hands over the pixels of every tile it is about to paint for the
// first time; closing the step keeps only the tiles that really changed, so
// a step costs the region it touched, not the whole picture. A step whose
// pixels are many keeps them packed (see PackedImage), so that even a change
// of a picture at the size cap can be undone. The memory the steps hold is
// bounded: the oldest steps go first.
//
// The picture's file identity belongs to the history as its pixels do: it
// changes only within a step, and undo and redo of that step put it back,
// so that Save never writes one picture over another's file. So does the
// chart drawn on the picture.
#pragma once

#include "core/Chart.h"
#include "core/FileIdentity.h"
#include "core/PackedImage.h"

#include <QImage>
#include <QPoint>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <unordered_set>
#include <vector>

class Canvas;

class UndoHistory {
public:
    static constexpr int kTile = 64;
    static constexpr std::size_t kDefaultBudget = std::size_t(256) << 20;
    // A step that keeps more bytes than this keeps them packed.
    static constexpr std::size_t kPackFrom = std::size_t(1) << 20;

    explicit UndoHistory(Canvas& canvas, std::size_t budgetBytes = kDefaultBudget);

    // Keeps a step open while it lives: the one already open, or one of its own.
    class Scope {
    public:
        explicit Scope(UndoHistory& h) : h_(h), own_(!h.open_) {
            if (own_) h_.begin();
        }
        ~Scope() {
            if (own_) h_.end();
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        UndoHistory& h_;
        bool own_;
    };

    const FileIdentity& identity() const { return identity_; }
    // Names the picture's file within the open step, or in a step of its own
    // when none is open. A step that renames is kept though no pixel changed.
    void rename(const FileIdentity& id);
    // Told after every change of the identity, undo and redo included.
    void onRenamed(std::function<void()> tell) { renamed_ = std::move(tell); }

    const FigureMemory& figures() const { return chart_.figures(); }
    const Chart& chart() const { return chart_; }
    // Changes the chart within the open step, or in a step of its own when
    // none is open. A step that changes it is kept though no pixel changed.
    // At the end of every step, an item whose pixels the step changed
    // otherwise is forgotten.
    template <typename Change>
    void changeChart(Change change) {
        Scope step(*this);
        if (!current_.chartBefore) current_.chartBefore = chart_;
        change(chart_);
    }
    // The point of the history reached: it changes with every step kept,
    // undone or redone.
    std::uint64_t position() const { return undo_.empty() ? base_ : undo_.back().id; }

    // The picture was just written to ID's file or read from it. What the
    // open step did so far ends as a step, the change of name is a step of
    // its own, and this point of the history is remembered as the one the
    // file holds; a step is open again afterwards if one was before.
    void fileHoldsPicture(const FileIdentity& id);
    // Undo and redo are back where the last save or open left the picture.
    bool pictureInFile() const { return position() == inFile_; }

    // Told once for each step too large for the budget: it is not kept,
    // and neither is any older one.
    void onStepNotKept(std::function<void()> tell) { notKept_ = std::move(tell); }
    // Asked before a change the budget could not undo; true makes it anyway.
    void onTooLargeToUndo(std::function<bool()> ask) { askTooLarge_ = std::move(ask); }
    // Whether the open step may replace the picture by one of SIZE: the
    // budget holds the step, or the user agrees to lose the history (and is
    // not told of it again). A step opened to tell afterwards asks nothing:
    // the change is made, and onStepNotKept hears of it.
    bool mayReplaceWith(QSize size);
    // The memory the steps may hold.
    void setBudget(std::size_t bytes) { budget_ = bytes; }

    // Opens a step that asks first, or tells afterwards, when a change
    // would not fit the budget; a step still open is closed first.
    void begin(bool asksFirst = true);
    // Closes the open step; a step that changed neither a pixel nor the name
    // is dropped. True when the step changed the picture.
    bool end();
    // Whether the step closed last changed a pixel (one too large to be kept
    // counts as having changed them).
    bool changedPixels() const { return changedPixels_; }
    bool isOpen() const { return open_; }
    bool undo();
    bool redo();
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    std::size_t bytes() const { return bytes_; }
    std::size_t steps() const { return undo_.size(); }
    std::size_t redoSteps() const { return redo_.size(); }

    // Called by the canvas before it paints into these pixels, or before it
    // replaces the whole image.
    void aboutToPaint(const QRect& pixels);
    void aboutToReplace();

private:
    struct Tile {
        QPoint at;
        PackedImage before, after;
    };
    struct Step {
        std::vector<Tile> tiles;
        PackedImage wholeBefore, wholeAfter;  // set when the image was replaced
        bool tooLarge = false;                // replaced a picture larger than the budget, packed
        bool agreed = false;                  // the user agreed to lose the history for it
        bool asksFirst = true;                // asks before a change too large, or tells after it
        std::optional<FileIdentity> identityBefore, identityAfter;  // after: only when it changed
        std::optional<Chart> chartBefore, chartAfter;               // the same for the chart
        std::size_t bytes = 0;
        std::uint64_t id = 0;  // the point of the history after it
    };

    void apply(const Step& step, bool forward);
    bool replay(std::deque<Step>& from, std::deque<Step>& to, bool forward);
    void push(Step&& step);
    void forget(bool tell);
    void setIdentity(const FileIdentity& id);
    // Items whose pixels the open step changed are forgotten.
    void checkChart();
    static std::size_t sizeOf(const QImage& img) { return std::size_t(img.sizeInBytes()); }

    Canvas& canvas_;
    FileIdentity identity_{QString(), untitledTitle(), true, untitledTitle()};
    Chart chart_;
    std::function<void()> renamed_;
    std::function<void()> notKept_;
    std::function<bool()> askTooLarge_;
    std::size_t budget_;
    std::size_t bytes_ = 0;
    bool open_ = false;
    bool changedPixels_ = false;
    Step current_;
    std::unordered_set<long long> saved_;
    std::size_t savedBytes_ = 0;   // the open step's tiles, unpacked
    std::size_t packedTiles_ = 0;  // how many of its first tiles are packed
    // The picture packed to learn whether a change may replace it, kept for
    // that change while the picture stays as it was (its cache key).
    PackedImage packedNow_;
    qint64 packedNowKey_ = 0;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
    std::uint64_t lastId_ = 0;
    std::uint64_t base_ = 0;                   // the point with no step left to undo
    std::uint64_t inFile_ = UINT64_MAX;        // the point the picture's file holds
};
