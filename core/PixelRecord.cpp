#include "PixelRecord.h"

#include <algorithm>

PixelRecord PixelRecord::from(std::vector<Dab> dabs) {
    PixelRecord r;
    // By row, then x; a pixel painted again keeps its first colour before
    // and takes its last painted one.
    std::stable_sort(dabs.begin(), dabs.end(),
                     [](const Dab& a, const Dab& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    r.before_.reserve(dabs.size());
    r.painted_.reserve(dabs.size());
    for (std::size_t i = 0; i < dabs.size(); ++i) {
        const Dab& d = dabs[i];
        if (i > 0 && dabs[i - 1].x == d.x && dabs[i - 1].y == d.y) {
            r.painted_.back() = d.painted;
            continue;
        }
        if (!r.spans_.empty() && r.spans_.back().y == d.y && r.spans_.back().x1 + 1 == d.x)
            r.spans_.back().x1 = d.x;
        else
            r.spans_.push_back({d.y, d.x, d.x});
        r.before_.push_back(d.before);
        r.painted_.push_back(d.painted);
    }
    r.index();
    return r;
}

PixelRecord PixelRecord::fromSpans(std::vector<Span> spans, std::vector<QRgb> before, std::vector<QRgb> painted) {
    PixelRecord r;
    r.spans_ = std::move(spans);
    r.before_ = std::move(before);
    r.painted_ = std::move(painted);
    r.index();
    return r;
}

void PixelRecord::index() {
    if (spans_.empty()) return;
    firstPixel_.reserve(spans_.size());
    int count = 0;
    for (const Span& s : spans_) {
        firstPixel_.push_back(count);
        count += s.x1 - s.x0 + 1;
    }
    int left = spans_.front().x0, right = spans_.front().x1;
    for (const Span& s : spans_) {
        left = std::min(left, s.x0);
        right = std::max(right, s.x1);
    }
    bounds_ = QRect(QPoint(left, spans_.front().y), QPoint(right, spans_.back().y));
    rowStart_.assign(std::size_t(bounds_.height()) + 1, 0);
    std::size_t k = 0;
    for (int row = 0; row <= bounds_.height(); ++row) {
        while (k < spans_.size() && spans_[k].y - bounds_.top() < row) ++k;
        rowStart_[std::size_t(row)] = int(k);
    }
}

int PixelRecord::indexOf(int x, int y) const {
    if (!bounds_.contains(x, y)) return -1;
    const int row = y - bounds_.top();
    const auto first = spans_.begin() + rowStart_[std::size_t(row)];
    const auto last = spans_.begin() + rowStart_[std::size_t(row) + 1];
    const auto it = std::upper_bound(first, last, x, [](int v, const Span& s) { return v < s.x0; });
    if (it == first) return -1;
    const Span& s = *(it - 1);
    if (x > s.x1) return -1;
    return firstPixel_[std::size_t(it - 1 - spans_.begin())] + (x - s.x0);
}

PixelRecord PixelRecord::mapped(const std::function<QPoint(int x, int y)>& map, const QRect& picture) const {
    std::vector<Dab> dabs;
    dabs.reserve(size());
    forEach([&](int x, int y, int i) {
        const QPoint to = map(x, y);
        if (picture.contains(to)) dabs.push_back({to.x(), to.y(), before(i), painted(i)});
    });
    return from(std::move(dabs));
}

PixelRecord PixelRecord::translated(QPoint by) const {
    PixelRecord r = *this;
    for (Span& s : r.spans_) {
        s.y += by.y();
        s.x0 += by.x();
        s.x1 += by.x();
    }
    r.bounds_.translate(by);
    return r;
}

PixelRecord PixelRecord::clipped(const QRect& part) const {
    if (part.contains(bounds_)) return *this;
    return mapped([](int x, int y) { return QPoint(x, y); }, part);
}
