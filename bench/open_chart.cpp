// Opening a large PNG that keeps a chart of thirty labelled figures, against
// opening the same pixels without it.
#include "BenchWindow.h"
#include "app/scripting/ScriptRunner.h"

#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using bench::Window;

// Six columns of five boxes on a white picture of SIDE x 3/4 SIDE, each
// chained from the one above and labelled, saved as chart.png; the same
// pixels without the chart as plain.png, at the same compression.
bool writePictures(const QTemporaryDir& dir, int side) {
    Window win;
    ScriptRunner run(win.w, win.dialogs, [](const QString&) {});
    QImage white(side, side * 3 / 4, QImage::Format_RGB32);
    white.fill(Qt::white);
    win.w.canvas.Picture(white, QStringLiteral("big.bmp"));
    win.w.runMenu(QStringLiteral("lineendarrow1"));
    for (int column = 0; column < 6; ++column) {
        const int x = 1500 + column * 9000;
        QStringList lines{"click cmdSquare", QStringLiteral("down 1 0 %1 1500").arg(x),
                          QStringLiteral("up 1 0 %1 3000").arg(x + 4500)};
        for (int row = 0; row < 5; ++row) {
            if (row > 0) lines << "key Alt+Down";
            lines << QStringLiteral("text txtinsert Step %1 of column %2").arg(row + 1).arg(column + 1)
                  << "return txtinsert";
        }
        for (const QString& l : lines)
            if (!run.runLine(l)) return false;
    }
    win.dialogs.queueFile(dir.filePath(QStringLiteral("chart.png")));
    win.w.saveas1_Click();
    if (win.w.doc.figures().figures().size() != 30) return false;
    QImage read = QImageReader(dir.filePath(QStringLiteral("chart.png"))).read();
    const QImage plain = QImage(read.constBits(), read.width(), read.height(), read.bytesPerLine(), read.format()).copy();
    return QImageWriter(dir.filePath(QStringLiteral("plain.png"))).write(plain);
}

void open(benchmark::State& st, const char* name) {
    QTemporaryDir dir;
    if (!writePictures(dir, int(st.range(0)))) {
        st.SkipWithError("the chart was not drawn");
        return;
    }
    const QString path = dir.filePath(QLatin1String(name));
    Window win;
    for (auto _ : st) {
        win.dialogs.queueFile(path);
        win.w.open1_Click();
    }
    const bool charted = QLatin1String(name) == QLatin1String("chart.png");
    if ((win.w.doc.chartInFile == ChartInFile::Yes) != charted) st.SkipWithError("the chart did not come back");
    // What the chart adds to the file.
    st.counters["chartBytes"] = double(QFileInfo(dir.filePath(QStringLiteral("chart.png"))).size() -
                                       QFileInfo(dir.filePath(QStringLiteral("plain.png"))).size());
}

void BM_OpenChart(benchmark::State& st) { open(st, "chart.png"); }
void BM_OpenPlainPng(benchmark::State& st) { open(st, "plain.png"); }

}  // namespace

BENCHMARK(BM_OpenChart)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPlainPng)->Arg(4000)->Unit(benchmark::kMillisecond);
