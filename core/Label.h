// A label centred in the last figure drawn: its words broken into lines no
// wider than the figure less a margin on each side, every line centred across
// the figure and the block centred down it, printed as ordinary text lines.
#pragma once

#include <QRectF>
#include <QString>
#include <vector>

class Canvas;
class Document;

namespace Label {

// Free room between the text and each side of the figure, in twips (4
// pixels): the inner half of an outline up to 6 pixels wide, and a little
// air. It is fixed, so that the same words wrap the same way in every box
// of the same size whatever pen drew it.
constexpr double kMargin = 60;

struct Line {
    QString text;
    float x, y;  // its top-left corner in twips, as Print takes it
};

// The lines of TEXT (blanks between words collapse to one) for a figure
// whose opposite corners are those of FIGURE, in either order, measured in
// the canvas's font. A word wider than the room has a line of its own, centred
// like the others and reaching past the figure.
std::vector<Line> layout(const Canvas& canvas, const QString& text, const QRectF& figure);

enum class Stamp { Done, NoText, NoFigure };
// Prints TEXT centred in the document's last figure, one undo step and a
// change of the picture. With no words, or no figure since the picture was
// last wiped or replaced, nothing is printed.
Stamp stamp(Document& doc, const QString& text);

}  // namespace Label
