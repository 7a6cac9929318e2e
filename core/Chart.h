// The chart drawn on the picture: its figures, the connectors drawn between
// them and their labels, each with the pixels it painted and what lay under
// them, in the order they were drawn. A figure moves or goes with its labels
// and its connectors following, and what they covered comes back; an item
// whose pixels another edit changed (the eraser, a fill, a paste) is
// forgotten and stays as plain pixels, still covering what lies below it.
// The chart belongs to the picture as its pixels do: the undo history keeps
// it with every step, and a crop, a turn, a new size or a moved part takes
// it along.
#pragma once

#include "core/Connector.h"
#include "core/FigureMemory.h"
#include "core/PixelRecord.h"

#include <QFont>
#include <atomic>
#include <cstdint>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

enum class Turn;
class Canvas;

class Chart {
public:
    // Where a connector's end meets a figure: the side, and how far the end
    // lies from that side's connection point.
    struct End {
        int figure = 0;  // 0: a free end
        FigureMemory::Side side = FigureMemory::Side::Top;
        QPointF offset;  // twips
    };
    struct Item {
        enum class Kind { Figure, Connector, Label, Plain };
        Kind kind = Kind::Plain;
        int id = 0;  // a figure's or a connector's id (as in DrawnFigure), a label's own
        std::shared_ptr<const PixelRecord> pixels;
        // A connector: its drag, look and pen, and what its ends meet.
        QPointF from, to;  // press and release, twips
        int penWidth = 1;
        LineLook look;
        FirstLeg leg = FirstLeg::Longer;
        int colour = 0;
        End ends[2];
        // A label: whose it is (a figure's or a connector's id), its text, font and colour.
        int owner = 0;
        QString text;
        QFont font;

        // A connector or a connector's label as it was drawn (turned or cut
        // as the picture was since), and where the connector's ends then
        // lay: drawn there again, it takes these pixels back.
        std::shared_ptr<const PixelRecord> laid;
        QPointF laidFrom, laidTo;

        // A connector's line as the memory keeps a line, for its label.
        DrawnFigure line() const;
    };

    // Which chart this is: a new one for every chart made or wiped, the same
    // for its copies, so that an id of another chart is never taken for one of this.
    std::uint64_t origin() const { return origin_; }

    const FigureMemory& figures() const { return memory_; }
    FigureMemory& memory() { return memory_; }
    const std::vector<Item>& items() const { return items_; }

    // The figure of that id, null for none.
    const DrawnFigure* figure(int id) const;
    // The text of a figure's or connector's labels, one line each joined by blanks.
    QString labelOf(int id) const;
    int connectorCount() const;
    int labelCount() const;
    // One line per figure and connector, as the script's chart command prints them.
    QStringList listing(const std::function<QString(int tool)>& buttonName) const;

    // Adding items as they are drawn: a figure the memory holds (by its id),
    // a connector (the memory's last line), a label of OWNER, or plain
    // pixels that cover what lies below. An item that painted nothing is not kept.
    void addFigure(int id, PixelRecord pixels);
    void addConnector(const Item& connector, PixelRecord pixels);
    void addLabel(int owner, const QString& text, const QFont& font, int colour, PixelRecord pixels);
    void addPlain(PixelRecord pixels);
    // Where an end at AT (twips) meets a figure, within REACH twips of one of its sides.
    End endAt(QPointF at, double reach) const;

    // Takes item I off CANVAS: where no later item covers a pixel, what lay
    // below comes back; where one does, it now covers what lay below. The
    // item stays in the list, covering nothing.
    void lift(std::size_t i, Canvas& canvas);
    // Puts item I, with PIXELS painted, back at its place in the order.
    void place(std::size_t i, PixelRecord pixels, Canvas& canvas);
    void replacePixels(std::size_t i, std::shared_ptr<const PixelRecord> pixels) { items_[i].pixels = std::move(pixels); }
    void erase(std::size_t i) { items_.erase(items_.begin() + long(i)); }
    Item& item(std::size_t i) { return items_[i]; }

    // After an edit that is not the chart's: an item that shows a pixel
    // other than the one it painted is forgotten. Only pixels for which
    // TOUCHED says yes, all within AREA, are looked at.
    bool checkPixels(const QImage& picture, const QRect& area, const std::function<bool(int x, int y)>& touched);

    // The picture's own changes, as FigureMemory has them; items follow
    // their figures, and the ones cut are forgotten.
    void forget();
    void cropped(const QRect& part, bool toContent, QSize size);
    void resized(QSize from, QSize to);
    void turned(Turn turn, QSize size);
    void moved(const QRect& from, const QRect& to, bool turnedPart, bool covers, QSize size);
    void whitened(const QRect& part);

    // Memory held, for the undo history's budget; the records BESIDE shares
    // with it are counted once, there.
    std::size_t bytes(const Chart* beside = nullptr) const;
    bool operator==(const Chart& o) const;
    bool operator!=(const Chart& o) const { return !(*this == o); }

private:
    // The chart kept in a file is written from and read into these.
    friend struct ChartText;
    // Each item's pixels where MAP takes them; the ones KEEP says no to are
    // forgotten, as are the figures the memory no longer holds.
    void follow(const std::function<PixelRecord(const PixelRecord&)>& map,
                const std::function<QPointF(QPointF)>& mapPoint, bool swapsAxes,
                const std::function<bool(const Item&)>& keep);
    void forgetItem(Item& item);

    static std::uint64_t nextOrigin() {
        static std::atomic<std::uint64_t> last{0};
        return ++last;
    }

    FigureMemory memory_;
    std::vector<Item> items_;
    std::uint64_t origin_ = nextOrigin();
    int nextLabel_ = -1;  // labels count down, figures and connectors up
};
