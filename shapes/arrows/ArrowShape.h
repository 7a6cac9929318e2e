// Arrows drawn from a table of lines. Every coordinate of a line is one of a
// few anchors along its axis of the drag rectangle, plus a fixed offset in
// twips (the fixed-size heads). A module is one table, its kind of preview
// frame and whether it exists only for drags to the right and downward.
#pragma once

#include "shapes/ShapeModule.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace arrows {

// Where a coordinate lies on its axis, with a the start and b the end value.
enum class Anchor : std::uint8_t {
    Start,         // a
    Quarter,       // (b - a) / 4 + a
    Half,          // (b - a) / 2 + a
    ThreeQuarter,  // (b - a) * 3 / 4 + a
    End,           // b
    Middle,        // (a + b) / 2
};

struct Coord {
    Anchor anchor;
    int offset = 0;  // twips added after the anchor
};

constexpr Coord operator+(Coord c, int twips) { return {c.anchor, c.offset + twips}; }
constexpr Coord operator-(Coord c, int twips) { return {c.anchor, c.offset - twips}; }

// Shorthands for the tables: the fractions 0, 1/4, 1/2, 3/4, 1 of the drag
// and the midpoint formed as the sum of the two coordinates halved.
constexpr Coord f0{Anchor::Start}, f14{Anchor::Quarter}, f12{Anchor::Half};
constexpr Coord f34{Anchor::ThreeQuarter}, f1{Anchor::End}, mid{Anchor::Middle};

struct Point {
    Coord x, y;
};

// One Line call, drawn from `from` to `to`.
struct Segment {
    Point from, to;
};

using Outline = std::vector<Segment>;

// Where an arrow's label goes: inside its body, the rectangle with corners A
// and B, or, for an arrow that is a line with heads, beside the line from A
// (its tail) to B (its tip).
struct LabelSpec {
    enum class Kind { Body, Connector };
    Kind kind;
    Point a, b;
};

// How far the head of a line with heads reaches either side of the line.
constexpr float kHeadReach = 100;

// One arrow's lines from a table whose rows are the steps, in drawing order,
// and whose columns are the arrows that share it.
template <std::size_t Steps, std::size_t Arrows>
Outline column(const Segment (&table)[Steps][Arrows], int which) {
    Outline lines;
    for (const auto& row : table) lines.push_back(row[which]);
    return lines;
}

enum class PreviewFrame {
    Margin,     // 50 twips outside the two corners
    DragRect,   // the drag rectangle itself
    None,
};

enum class Direction {
    Any,
    RightAndBelow,  // no preview for an end point left of or above the start
};

// The value of a coordinate for an axis running from a to b, as a Single.
float resolve(Coord c, float a, float b);

class ArrowShape final : public ShapeModule {
public:
    ArrowShape(Outline outline, PreviewFrame frame, Direction direction, LabelSpec label)
        : outline_(std::move(outline)), frame_(frame), direction_(direction), label_(label) {}

protected:
    bool accepts(const Corners& c) const override;
    void figure(Canvas& canvas, Pass pass, const Corners& c, VbColor drawColor) override;
    LabelSite label(const Corners& c) const override;

private:
    Outline outline_;
    PreviewFrame frame_;
    Direction direction_;
    LabelSpec label_;
};

}  // namespace arrows
