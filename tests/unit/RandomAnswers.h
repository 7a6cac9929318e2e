// Pieces of the long random sessions: dialogs that answer at random when no
// answer is queued, writing the script line that would have queued it, the
// replay of one traced drawing call on another canvas, and what the sessions
// read of the window and of their folder.
#pragma once

#include "FilesTestSupport.h"

#include <QBuffer>
#include <QDirIterator>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <deque>
#include <optional>

// Script dialogs that, when a question or dialog finds no answer queued,
// queue a random one first, and write it to the session's log as the script
// line that would have queued it.
class RandomAnswers : public ScriptedDialogs {
public:
    RandomAnswers(QRandomGenerator& rng, const QStringList& files, std::function<void(const QString&)> out,
                  std::function<void(const QString&)> log)
        : ScriptedDialogs(std::move(out)), rng_(rng), files_(files), log_(std::move(log)) {}

    int MsgBox(const QString& text, int style, const QString& title) override {
        if (unused() == 0) answerWith(pick({Answer::Yes, Answer::No, Answer::Cancel}));
        return ScriptedDialogs::MsgBox(text, style, title);
    }
    bool ShowOpen(CommonDialog& d) override { return ScriptedDialogs::ShowOpen(withFile(d)); }
    bool ShowSave(CommonDialog& d) override {
        const bool chosen = ScriptedDialogs::ShowSave(withFile(d));
        if (chosen) savesTo << d.FileName;
        return chosen;
    }
    QStringList savesTo;  // the files save dialogs were answered with
    bool ShowColor(CommonDialog& d) override {
        if (unused() == 0) {
            const bool cancel = rng_.bounded(4) == 0;
            const int color = int(rng_.bounded(0x1000000));
            queueColor(cancel ? std::nullopt : std::optional<std::int32_t>(color));
            log_(cancel ? QStringLiteral("color cancel") : QStringLiteral("color %1").arg(color));
        }
        return ScriptedDialogs::ShowColor(d);
    }
    bool ShowFont(CommonDialog& d) override {
        if (unused() == 0) {
            static const char* faces[] = {"Liberation Sans", "Liberation Serif", "No Such Face", "Arial"};
            static const float sizes[] = {1, 8, 8.25f, 12, 24, 72};
            const bool cancel = rng_.bounded(4) == 0;
            FontAnswer f{sizes[rng_.bounded(6)], rng_.bounded(2) == 1, rng_.bounded(2) == 1, rng_.bounded(2) == 1,
                         rng_.bounded(2) == 1, std::int32_t(rng_.bounded(0x1000000)), faces[rng_.bounded(4)]};
            queueFont(cancel ? std::nullopt : std::optional<FontAnswer>(f));
            log_(cancel ? QStringLiteral("font cancel")
                        : QStringLiteral("font %1 %2 %3 %4 %5 %6 %7").arg(f.size).arg(f.bold).arg(f.italic)
                              .arg(f.underline).arg(f.strikeout).arg(f.color).arg(f.face));
        }
        return ScriptedDialogs::ShowFont(d);
    }
    bool AskCanvasSize(QSize& size) override {
        if (unused() == 0) {
            const bool cancel = rng_.bounded(4) == 0;
            const QSize s(1 + int(rng_.bounded(900)), 1 + int(rng_.bounded(900)));
            queueSize(cancel ? std::nullopt : std::optional<QSize>(s));
            log_(cancel ? QStringLiteral("size cancel") : QStringLiteral("size %1 %2").arg(s.width()).arg(s.height()));
        }
        return ScriptedDialogs::AskCanvasSize(size);
    }

private:
    int pick(std::initializer_list<int> codes) { return codes.begin()[rng_.bounded(int(codes.size()))]; }
    void answerWith(int code) {
        queueAnswer(code);
        log_(QStringLiteral("answer %1").arg(code));
    }
    CommonDialog& withFile(CommonDialog& d) {
        if (unused() == 0) {
            const QString path = files_[int(rng_.bounded(files_.size()))];
            queueFile(path);
            log_(path.isEmpty() ? QStringLiteral("file cancel") : "file " + path);
        }
        return d;
    }

    QRandomGenerator& rng_;
    const QStringList& files_;
    std::function<void(const QString&)> log_;
};

// One drawing call of the trace, replayed on another canvas.
inline bool replay(Canvas& c, const QString& call) {
    const QStringList f = call.split(' ');
    auto num = [&](int i) { return f[i].toFloat(); };
    auto color = [&](int i) { return f[i] == "-" ? std::nullopt : std::optional<VbColor>(f[i].toInt()); };
    auto opt = [&](int i) { return f[i] == "-" ? std::nullopt : std::optional<float>(num(i)); };
    if (f.size() < 3) return false;
    c.DrawMode = f[1].toInt();
    c.DrawWidth = f[2].toInt();
    if ((f[0] == "line" || f[0] == "box") && f.size() == 8) {
        const auto primitive = f[0] == "line" ? &Canvas::Line : &Canvas::Box;
        (c.*primitive)(num(3), num(4), num(5), num(6), color(7));
        return true;
    }
    if (f[0] == "circle" && f.size() == 10) {
        c.Circle(num(3), num(4), num(5), color(6), opt(7), opt(8), opt(9));
        return true;
    }
    if (f[0] == "connector" && f.size() == 12) {
        auto named = [&](int i, auto last) {  // the value whose name the trace gives
            for (int v = 0;; ++v)
                if (nameOf(decltype(last)(v)) == f[i] || v == int(last)) return decltype(last)(v);
        };
        const LineLook look{named(7, LineEnds::Both), named(8, LineStyle::Dotted), named(9, LineRoute::Elbow)};
        c.Connector(num(3), num(4), num(5), num(6), look, named(10, FirstLeg::Vertical), color(11));
        return true;
    }
    return false;
}

// The window's dump, by field.
inline QMap<QString, QString> dumped(const frmmain& w) {
    QMap<QString, QString> fields;
    for (const QString& l : w.dump()) fields.insert(l.section('=', 0, 0), l.section('=', 1));
    return fields;
}

inline size_t pixelsHash(const QImage& image) {
    return qHashBits(image.constBits(), size_t(image.sizeInBytes()), size_t(image.width()) << 20 ^ image.height());
}

// The files directly in a folder, by name, with a hash of their bytes.
inline QMap<QString, size_t> folderContents(const QString& folder) {
    QMap<QString, size_t> files;
    for (QDirIterator it(folder, QDir::Files); it.hasNext();) {
        QFile f(it.next());
        files.insert(it.fileName(), f.open(QIODevice::ReadOnly) ? qHash(f.readAll()) : 0);
    }
    return files;
}

// The first pixel of PART, placed at AT in IMAGE, that the image does not
// show, as "x,y is #rrggbb, not #rrggbb"; empty when it shows all it holds.
inline QString firstDifference(const QImage& image, QPoint at, const QImage& part) {
    const QRect shown = QRect(at, part.size()).intersected(image.rect());
    for (int y = shown.top(); y <= shown.bottom(); ++y)
        for (int x = shown.left(); x <= shown.right(); ++x)
            if (const QRgb is = image.pixel(x, y) | 0xff000000, want = part.pixel(x - at.x(), y - at.y()); is != want)
                return QStringLiteral("%1,%2 is #%3, not #%4").arg(x - at.x()).arg(y - at.y())
                    .arg(is & 0xffffff, 6, 16, QChar('0')).arg(want & 0xffffff, 6, 16, QChar('0'));
    return QString();
}

// The newest picture in a folder, or a null image.
inline QImage newestPicture(const QString& folder) {
    const QFileInfoList found = QDir(folder).entryInfoList({"*.png"}, QDir::Files, QDir::Time);
    return found.isEmpty() ? QImage() : QImage(found.first().filePath()).convertToFormat(QImage::Format_RGB32);
}

// Pictures for the clipboard: a PNG whose left half is transparent, and a
// 100 x 60 bitmap cut short after 9 000 bytes.
inline QImage halfTransparent() {
    QImage png(40, 30, QImage::Format_ARGB32);
    png.fill(qRgba(0, 0, 0, 0));
    for (int y = 0; y < png.height(); ++y)
        for (int x = png.width() / 2; x < png.width(); ++x) png.setPixel(x, y, qRgb(200, 20, 30));
    return png;
}
inline QByteArray bitmapCutShort() {
    QImage bmp(100, 60, QImage::Format_RGB32);
    bmp.fill(QColor(30, 90, 160));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bmp.save(&buffer, "BMP");
    return buffer.data().left(9000);
}

// The session's folder: the files its dialogs choose among (a cancel, a
// folder, a missing one, a text, damaged pictures), and in clip/ the
// pictures it puts on the clipboard.
inline QStringList sessionFiles(const FilesFolder& folder) {
    QDir(folder.dir.path()).mkpath("sub");
    QDir(folder.dir.path()).mkpath("clip");
    folder.write("junk.bmp", QByteArray("BM") + QByteArray(300, '\x7f'));
    for (const QString& to : {QStringLiteral("%1"), QStringLiteral("clip/%1")}) {
        folder.write(to.arg("cut.bmp"), bitmapCutShort());
        halfTransparent().save(folder.path(to.arg("clear.png")));
    }
    QFile::copy(folder.path("old.bmp"), folder.path("clip/old.bmp"));
    QStringList files{""};
    for (const char* name : {"a.bmp", "b.jpg", "old.bmp", "sub", "note.txt", "junk.bmp", "missing/c.bmp", "clear.png",
                             "cut.bmp"})
        files << folder.path(name);
    return files;
}

// The picture at each point of the undo history, where known: a hash of its
// pixels and its file identity. Told of each command, it follows where the
// history stands and, at an Undo or Redo, tells what the window brought back
// that the picture did not have at that point.
class HistoryPoints {
public:
    int checks = 0;

    QString follow(const frmmain& w, const QString& line, bool fresh) {
        const QMap<QString, QString> d = dumped(w);
        const int u = d.value("undoSteps").toInt(), r = d.value("redoSteps").toInt();
        const QString identity = QStringLiteral("filePath=%1 fileTitle=%2 isUntitled=%3 caption=\"%4\"")
                                     .arg(d.value("filePath"), d.value("fileTitle"), d.value("isUntitled"), d.value("caption"));
        static const QRegularExpression undo("^(menu undo1|key Ctrl\\+Z)$"), redo("^(menu redo1|key Ctrl\\+Y)$");
        const bool undone = undo.match(line).hasMatch() && u == undo_ - 1 && r == redo_ + 1;
        const bool redone = redo.match(line).hasMatch() && u == undo_ + 1 && r == redo_ - 1;
        const bool still = u == undo_ && r == redo_;
        QString fault;
        // Near its memory budget the history forgets old steps unseen: start again.
        if (fresh || w.history.bytes() > UndoHistory::kDefaultBudget / 2 || (still && u + r + 1 != int(points_.size()))) {
            restart(u, r, {pixelsHash(w.canvas.Image()), identity});
        } else if (undone || redone) {
            const Point now{pixelsHash(w.canvas.Image()), identity};
            at_ += undone ? -1 : 1;
            if (const std::optional<Point>& then = points_[size_t(at_)]) {
                ++checks;
                if (then->identity != now.identity)
                    fault = QStringLiteral("%1 brought back\n  %2\nwhere the picture had at that point of the history\n  %3")
                                .arg(line, now.identity, then->identity);
                else if (then->pixels != now.pixels)
                    fault = line + " brought back other pixels than the picture had at that point of the history";
            }
            points_[size_t(at_)] = now;
        } else if (still) {  // no step: a change of name alone stays at this point
            if (points_[size_t(at_)]) points_[size_t(at_)]->identity = identity;
        } else if (r == 0 && u > 0) {  // new steps; the oldest may have gone
            points_.resize(size_t(at_ + 1));
            // A command may make several steps (the drop of what floats, then
            // its own): the points between were not seen.
            while (int(points_.size()) < u) points_.push_back(std::nullopt);
            points_.push_back(Point{pixelsHash(w.canvas.Image()), identity});
            while (int(points_.size()) > u + 1) points_.pop_front();
            at_ = u;
        } else {
            restart(u, r, {pixelsHash(w.canvas.Image()), identity});
        }
        undo_ = u;
        redo_ = r;
        return fault;
    }

private:
    struct Point {
        size_t pixels;
        QString identity;
    };
    void restart(int u, int r, const Point& now) {
        points_.assign(size_t(u + r + 1), std::nullopt);
        points_[size_t(u)] = now;
        at_ = u;
    }
    std::deque<std::optional<Point>> points_;
    int at_ = 0, undo_ = 0, redo_ = 0;
};
