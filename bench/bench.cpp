// How fast the rubber band follows the hand, and what opening, saving and
// starting cost. Run: build/tavimbre_bench (offscreen platform).
#include "BenchWindow.h"
#include "app/canvas/CanvasView.h"
#include "app/scripting/ScriptedDialogs.h"
#include "app/window/frmmain.h"
#include "core/Document.h"
#include "core/ReducedView.h"
#include "files/AutoRecovery.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

using bench::bigPicture;
using bench::Window;

const int kDrawingTools[] = {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17,
                             18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32};

// One move of the drag below, the window zoomed to `zoom` percent and
// scrolled to the picture's top-left corner.
void previewMove(benchmark::State& st, bool bigCanvas, int zoom) {
    Window win;
    if (bigCanvas) win.w.canvas.Picture(bigPicture(), QStringLiteral("big.jpg"));
    win.w.Picture1->setZoom(zoom);
    win.flush();
    win.w.form.currentTool = int(st.range(0));
    win.w.Picture1_MouseDown(1, 0, 1500, 1500);
    win.flush();
    // The pointer never comes back to where it was a few moves before, as
    // in a drag by hand: every move's figure is a new one.
    int step = 0;
    for (auto _ : st) {
        step = (step + 1) % 64;
        win.w.Picture1_MouseMove(1, 0, float(4380 + 15 * step), float(3380 + 15 * (step % 16)));
        win.flush();
    }
}

void BM_PreviewMove(benchmark::State& st) { previewMove(st, st.range(1) == 1, 100); }

void BM_PreviewMoveZoomed(benchmark::State& st) { previewMove(st, false, 400); }

void BM_Drag(benchmark::State& st) {
    Window win;
    for (auto _ : st) {
        win.w.form.currentTool = int(st.range(0));
        win.w.Picture1_MouseDown(1, 0, 1500, 1500);
        for (int i = 1; i <= 100; ++i) {
            win.w.Picture1_MouseMove(1, 0, float(1500 + 30 * i), float(1500 + 20 * i));
            win.flush();
        }
        win.w.Picture1_MouseUp(1, 0, 4500, 3500);
        win.flush();
    }
}

void BM_OpenSave(benchmark::State& st) {
    QTemporaryDir dir;
    const QString jpeg = dir.filePath(QStringLiteral("big.jpg"));
    const QString bmp = dir.filePath(QStringLiteral("big.bmp"));
    QImage img(int(st.range(0)), int(st.range(0)) * 3 / 4, QImage::Format_RGB32);
    img.fill(QColor(120, 180, 60));
    img.save(jpeg, "JPEG");
    Window win;
    for (auto _ : st) {
        QFile::remove(bmp);
        win.dialogs.queueFile(jpeg);
        win.w.open1_Click();
        win.dialogs.queueFile(bmp);
        win.w.saveas1_Click();
    }
    if (!QFile::exists(bmp)) st.SkipWithError("nothing was saved");
}

// A fill of a blank N x N picture, alternately black and white, as one
// step of the undo history.
void BM_Fill(benchmark::State& st) {
    Document doc;
    const int side = int(st.range(0));
    if (!doc.resize(QSize(side, side)).isEmpty()) st.SkipWithError("no canvas of that size");
    VbColor ink = 0;
    for (auto _ : st) {
        doc.beginStep();
        doc.fill(QPoint(side / 2, side / 2), ink, 0);
        doc.endStep();
        ink ^= 0xFFFFFF;
    }
}

void BM_StartUp(benchmark::State& st) {
    for (auto _ : st) {
        ScriptedDialogs dialogs([](const QString&) {});
        auto w = std::make_unique<frmmain>(dialogs);
        w->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(w->Picture1);
    }
}

// One move of the drag on a 10 000 x 10 000 picture shown at 25 %: the
// canvas draws the rubber band, the reduced view follows the rectangles it
// dirtied, and those reduced pixels are painted onto a window-sized image,
// as the view's repaint would.
void BM_PreviewMoveReduced(benchmark::State& st) {
    Window win;
    QImage picture(10000, 10000, QImage::Format_RGB32);
    picture.fill(Qt::white);
    win.w.canvas.Picture(picture, QStringLiteral("big.bmp"));
    picture = QImage();
    win.flush();
    ReducedView view;
    view.rebuild(win.w.canvas.Image(), 25);
    QImage screen(1000, 700, QImage::Format_RGB32);
    const auto follow = [&] {
        QPainter p(&screen);
        for (const QRect& r : win.w.canvas.takeDirty()) {
            view.update(win.w.canvas.Image(), r);
            const QRect shown = view.reducedRect(r);
            p.drawImage(shown.topLeft(), view.image(), shown);
        }
    };
    win.w.form.currentTool = int(st.range(0));
    win.w.Picture1_MouseDown(1, 0, 1500, 1500);
    follow();
    int step = 0;
    for (auto _ : st) {
        step = (step + 1) % 64;
        win.w.Picture1_MouseMove(1, 0, float(4380 + 15 * step), float(3380 + 15 * (step % 16)));
        follow();
    }
}

// A full repaint of a 10 000 x 10 000 picture at Fit Window (6 % in a
// window of 1000 x 700): the kept reduction onto the window. The reduction
// itself, made once when the zoom changes, is the counter.
void BM_ReducedRepaint(benchmark::State& st) {
    const int side = int(st.range(0));
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).drawRect(100, 100, side - 200, side - 200);
    ReducedView view;
    QElapsedTimer clock;
    clock.start();
    view.rebuild(picture, 6);
    st.counters["reduceMs"] = double(clock.nsecsElapsed()) / 1e6;
    QImage screen(1000, 700, QImage::Format_RGB32);
    for (auto _ : st) {
        QPainter p(&screen);
        p.fillRect(screen.rect(), Qt::gray);
        p.drawImage(0, 0, view.image());
    }
}

// Undo and redo of a Canvas Size from the default size to a square of that
// side, a step the history keeps packed.
void BM_UndoLargeStep(benchmark::State& st) {
    Document doc;
    doc.canvas.DrawWidth = 2;
    doc.canvas.Box(1500, 1500, 9000, 9000);
    doc.beginStep();
    doc.resize({int(st.range(0)), int(st.range(0))});
    doc.endStep();
    for (auto _ : st) {
        doc.undo();
        doc.redo();
    }
    if (doc.canvas.Image().width() != st.range(0)) st.SkipWithError("the step was not kept");
}

// The longest the window's thread goes without running a timer that is due
// every millisecond, while a recovery copy of a square picture of that side
// is written and a short line is drawn every frame.
void BM_RecoveryStall(benchmark::State& st) {
    QTemporaryDir data;
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    Document doc;
    ScriptedDialogs dialogs([](const QString&) {});
    AutoRecovery recovery(doc, dialogs);
    qputenv("XDG_DATA_HOME", dataHome);
    const int side = int(st.range(0));
    doc.resize({side, side});
    doc.markChanged();
    QTimer tick;
    QElapsedTimer clock;
    qint64 last = 0, longest = 0, written = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.nsecsElapsed() - last);
        last = clock.nsecsElapsed();
        if (last / 16'000'000 != (last - 1'000'000) / 16'000'000)  // a stroke a frame, as a hand draws
            doc.canvas.Line(float(last % 9000), 150, float(last % 9000) + 300, 450);
    });
    for (auto _ : st) {
        doc.canvas.Line(0, float(written % 1000), 15.f * side, 15.f * side);  // a change not yet copied
        tick.start(1);
        clock.start();
        last = longest = 0;
        recovery.writeInBackground();
        while (recovery.writing()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        tick.stop();
        written += clock.elapsed();
        st.SetIterationTime(double(longest) / 1e9);
    }
    st.counters["writeMs"] = double(written) / double(st.iterations());
    recovery.discard();
    // The same timer with no copy under way, for as long as one copy took:
    // what the machine's other work alone costs.
    tick.start(1);
    clock.start();
    last = longest = 0;
    while (clock.elapsed() < written / qint64(st.iterations())) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    st.counters["idleGapMs"] = double(longest) / 1e6;
}

void previewArgs(benchmark::internal::Benchmark* b) {
    for (int code : kDrawingTools)
        for (int canvas : {0, 1}) b->Args({code, canvas});
}

void dragArgs(benchmark::internal::Benchmark* b) {
    for (int code : kDrawingTools) b->Arg(code);
}

}  // namespace

BENCHMARK(BM_PreviewMove)->Apply(previewArgs);
BENCHMARK(BM_PreviewMoveZoomed)->Apply(dragArgs);
BENCHMARK(BM_Drag)->Apply(dragArgs);
BENCHMARK(BM_OpenSave)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewMoveReduced)->Apply(dragArgs);
BENCHMARK(BM_ReducedRepaint)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoLargeStep)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecoveryStall)->Arg(10000)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fill)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // The offscreen platform's warnings about window hints would drown the table.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& msg) {
        if (type != QtWarningMsg && type != QtDebugMsg && type != QtInfoMsg) fprintf(stderr, "%s\n", qPrintable(msg));
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
