// The drawing grid: points every `spacing` picture pixels, counted from the
// picture's top-left corner. The view shows it; with snap on, the drawing
// tools take the nearest grid point instead of the pointer. It is never part
// of the picture.
#pragma once

#include <QRect>
#include <vector>

class Grid {
public:
    static constexpr int kMinSpacing = 2, kMaxSpacing = 200, kDefaultSpacing = 10;
    // Closer lines would hide the picture; the view then draws none.
    static constexpr double kMinScreenGap = 4;

    bool shown = false;
    bool snap = false;

    int spacing() const { return spacing_; }
    // False, and the spacing unchanged, outside kMinSpacing..kMaxSpacing.
    bool setSpacing(int pixels);

    // The nearest grid coordinate to a twips coordinate. A point halfway
    // between two goes right or down, as the canvas rounds twips to pixels;
    // points that are no number, or infinite, stay as they are.
    float nearest(float twips) const;
    // The point moved onto the grid when snap is on; untouched otherwise.
    void snapPoint(float& x, float& y) const {
        if (!snap) return;
        x = nearest(x);
        y = nearest(y);
    }

    // The grid lines within a part of the picture (picture pixels) shown
    // at `scale` screen pixels per picture pixel: the pixel columns and rows
    // that a one-pixel line drawn from snapped points covers. None when the
    // lines would lie closer than kMinScreenGap screen pixels.
    struct Lines {
        std::vector<int> columns, rows;
    };
    Lines lines(const QRect& visible, double scale) const;

private:
    int spacing_ = kDefaultSpacing;
};
