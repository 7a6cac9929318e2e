// The next figure in one key against the drags it saves.
#include "BenchWindow.h"

#include <benchmark/benchmark.h>

namespace {

using bench::Window;

// One chain step, Alt+Down then Alt+Up from the figure it drew, on the
// default picture (0) or a 4 000 x 3 000 one (1); and what it is measured
// against: the same process box dragged (press, one move, release) and
// the arrow between them dragged as a line.
void chainWindow(Window& win, bool big) {
    if (big) win.w.canvas.Picture(bench::bigPicture(), QStringLiteral("big.jpg"));
    win.w.clickButton(QStringLiteral("cmdSquare"));
    win.w.Picture1_MouseDown(1, 0, 1500, 1500);
    win.w.Picture1_MouseUp(1, 0, 4500, 3000);
    win.w.runMenu(QStringLiteral("lineendarrow1"));
    win.flush();
}

void BM_Chain(benchmark::State& st) {
    Window win;
    chainWindow(win, st.range(0) == 1);
    bool down = true;
    for (auto _ : st) {
        win.w.pressKey(down ? QStringLiteral("Alt+Down") : QStringLiteral("Alt+Up"));
        win.flush();
        down = !down;
    }
    if (win.w.doc.figures().figures().size() < 2) st.SkipWithError("nothing was chained");
}

void BM_ChainByDrags(benchmark::State& st) {
    Window win;
    chainWindow(win, st.range(0) == 1);
    bool down = true;
    for (auto _ : st) {
        const float top = down ? 3600 : 1500;
        win.w.clickButton(QStringLiteral("cmdLine"));
        win.w.Picture1_MouseDown(1, 0, 3000, down ? 3000 : 3600);
        win.w.Picture1_MouseMove(1, 0, 3000, 3300);
        win.w.Picture1_MouseUp(1, 0, 3000, down ? 3600 : 3000);
        win.w.clickButton(QStringLiteral("cmdSquare"));
        win.w.Picture1_MouseDown(1, 0, 1500, top);
        win.w.Picture1_MouseMove(1, 0, 3000, top + 750);
        win.w.Picture1_MouseUp(1, 0, 4500, top + 1500);
        win.flush();
        down = !down;
    }
}

}  // namespace

BENCHMARK(BM_Chain)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChainByDrags)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
