// A figure moved with its connectors following: one preview move, and the
// release that draws them again.
#include "BenchWindow.h"

#include <benchmark/benchmark.h>

namespace {

using bench::Window;

// A process box with a line ending on each of its four sides.
int boxWithFourConnectors(Window& win) {
    auto drag = [&](const char* button, float x0, float y0, float x1, float y1) {
        win.w.clickButton(QString::fromLatin1(button));
        win.w.Picture1_MouseDown(1, 0, x0, y0);
        win.w.Picture1_MouseMove(1, 0, x1, y1);
        win.w.Picture1_MouseUp(1, 0, x1, y1);
    };
    drag("cmdSquare", 3000, 3000, 6000, 4500);
    drag("cmdLine", 4500, 600, 4500, 3000);
    drag("cmdLine", 4500, 4500, 4500, 7500);
    drag("cmdLine", 600, 3750, 3000, 3750);
    drag("cmdLine", 6000, 3750, 9000, 3750);
    win.flush();
    return win.w.doc.figures().figures().back().id;
}

// What the move's preview does at each move: the last one inverted back,
// the new one gathered and inverted.
void BM_MoveFigure(benchmark::State& st) {
    Window win;
    const int box = boxWithFourConnectors(win);
    if (win.w.doc.chart().connectorCount() != 4) st.SkipWithError("the connectors are not in the chart");
    FigurePixels shown;
    int step = 0;
    win.w.doc.beginStep();
    for (auto _ : st) {
        step = (step + 1) % 64;
        win.w.canvas.InvertPixels(shown);
        shown = win.w.doc.movePreview(box, QPoint(step, step % 16));
        win.w.canvas.InvertPixels(shown);
        win.flush();
    }
    win.w.canvas.InvertPixels(shown);
    win.w.doc.endStep();
}

// The release on a picture of that side: the box and its connectors moved
// and drawn again, what they covered given back, as one step.
void BM_MoveFigureRelease(benchmark::State& st) {
    Window win;
    const int side = int(st.range(0));
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(Qt::white);
    win.w.canvas.Picture(picture, QStringLiteral("big.bmp"));
    picture = QImage();
    const int box = boxWithFourConnectors(win);
    int sign = 1;
    for (auto _ : st) {
        win.w.doc.beginStep();
        if (!win.w.doc.moveFigure(box, QPoint(40 * sign, 30 * sign))) st.SkipWithError("the box did not move");
        win.w.doc.endStep();
        win.flush();
        sign = -sign;
    }
}

}  // namespace

BENCHMARK(BM_MoveFigure)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MoveFigureRelease)->Arg(10000)->Unit(benchmark::kMillisecond);
