// Undo and redo of whole changes to the picture. While a step is open, the
// canvas hands over the pixels of every tile it is about to paint for the
// first time; closing the step keeps only the tiles that really changed, so
// a step costs the region it touched, not the whole picture. The memory the
// steps hold is bounded: the oldest steps go first.
#pragma once

#include "core/FileIdentity.h"

#include <QImage>
#include <QPoint>
#include <cstddef>
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

    explicit UndoHistory(Canvas& canvas, std::size_t budgetBytes = kDefaultBudget);

    // The picture's file identity: read when a step first touches the
    // pixels and when it closes, written back by undo and redo of a step
    // that changed it.
    void trackIdentity(std::function<FileIdentity()> read, std::function<void(const FileIdentity&)> write) {
        readIdentity_ = std::move(read);
        writeIdentity_ = std::move(write);
    }

    // Told once for each step too large for the budget: it is not kept,
    // and neither is any older one.
    void onStepNotKept(std::function<void()> tell) { notKept_ = std::move(tell); }

    // Opens a step; a step still open is closed first.
    void begin();
    // Closes the open step; a step that changed no pixel is dropped.
    void end();
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
        QImage before, after;
    };
    struct Step {
        std::vector<Tile> tiles;
        QImage wholeBefore, wholeAfter;  // set when the image was replaced
        bool tooLarge = false;           // replaced a picture larger than the budget
        std::optional<FileIdentity> identityBefore, identityAfter;  // after: only when it changed
        std::size_t bytes = 0;
    };

    void apply(const Step& step, bool forward);
    bool replay(std::deque<Step>& from, std::deque<Step>& to, bool forward);
    void push(Step&& step);
    void forget();
    void noteIdentity();
    static std::size_t sizeOf(const QImage& img) { return std::size_t(img.sizeInBytes()); }

    Canvas& canvas_;
    std::function<FileIdentity()> readIdentity_;
    std::function<void(const FileIdentity&)> writeIdentity_;
    std::function<void()> notKept_;
    std::size_t budget_;
    std::size_t bytes_ = 0;
    bool open_ = false;
    Step current_;
    std::unordered_set<long long> saved_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
};
