// A copy of the canvas's picture as it was at one moment, made a band of
// rows at a time, so that copying even a picture at the size cap never holds
// the window's thread for more than a few milliseconds at once. The canvas's
// own pixels are never shared with the copy: before the canvas paints rows
// not yet copied it hands them over, and before it puts another image in
// place of its own the copy keeps that image for the rows still to come.
#pragma once

#include <QImage>
#include <QRect>
#include <vector>

class Canvas;

class PictureCopy {
public:
    // Begins the copy of CANVAS's picture; the canvas tells it of changes
    // until it is done or destroyed.
    explicit PictureCopy(Canvas& canvas);
    ~PictureCopy();
    PictureCopy(const PictureCopy&) = delete;
    PictureCopy& operator=(const PictureCopy&) = delete;

    // Copies bands for about BUDGETMS milliseconds (at least one band);
    // returns whether the copy is whole. A budget below zero copies the rest.
    bool step(int budgetMs);
    bool done() const { return left_ == 0; }
    // The whole copy, once done; null when there was no memory for it.
    QImage take() { return std::move(copy_); }

    // Told by the canvas.
    void aboutToPaint(const QRect& pixels);
    void aboutToReplace();

private:
    static constexpr int kBandRows = 16;
    const QImage& source() const;
    void copyBand(int band);
    void unhook();

    Canvas* canvas_;
    QImage kept_;  // the picture the canvas let go, when it put another in its place
    QImage copy_;
    std::vector<bool> copied_;
    int left_ = 0;  // bands still to copy
    int next_ = 0;  // the first band that may not be copied yet
};
