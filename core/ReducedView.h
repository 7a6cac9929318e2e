// The picture as a view below 100 % shows it: each reduced pixel is the
// average of the picture pixels under it, so a line one pixel wide stays
// visible as a lighter line instead of falling between samples. Picture
// pixel x shows on reduced pixel x * percent / 100, rounded down, as the
// view maps it. The reduced image is kept up to date from the rectangles the
// canvas dirtied, at a cost that follows their size, not the picture's. A
// large picture is reduced anew a slice of rows at a time, top to bottom.
#pragma once

#include <QImage>
#include <QRect>

class ReducedView {
public:
    // Reduces the whole picture anew at PERCENT, 1 to 99.
    void rebuild(const QImage& picture, int percent) {
        begin(picture, percent);
        reduceMore(picture, -1);
    }
    // The same a slice at a time: begin() makes the reduced image white,
    // and each reduceMore() reduces the rows that follow for about BUDGETMS
    // milliseconds (all of them when below zero) and returns those rows.
    void begin(const QImage& picture, int percent);
    QRect reduceMore(const QImage& picture, int budgetMs);
    bool whole() const { return nextRow_ >= reduced_.height(); }
    // Reduces again the pixels that show these picture pixels; the picture
    // has the size it had at rebuild().
    void update(const QImage& picture, const QRect& pixels);
    int percent() const { return percent_; }
    const QImage& image() const { return reduced_; }
    // The reduced pixels that show these picture pixels.
    QRect reducedRect(const QRect& pixels) const;

private:
    // The first picture column (or row) that reduced column S shows.
    int first(int s) const { return int((qint64(s) * 100 + percent_ - 1) / percent_); }
    void reduce(const QImage& picture, const QRect& reduced);

    int percent_ = 0;
    QSize pictureSize_;
    QImage reduced_;
    int nextRow_ = 0;  // the first reduced row not yet made
};
