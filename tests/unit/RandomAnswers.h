// Pieces of the long random sessions: dialogs that answer at random when no
// answer is queued, writing the script line that would have queued it, and
// the replay of one traced drawing call on another canvas.
#pragma once

#include "FilesTestSupport.h"

#include <QRandomGenerator>

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
    bool ShowSave(CommonDialog& d) override { return ScriptedDialogs::ShowSave(withFile(d)); }
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
            const QSize s(1 + int(rng_.bounded(1500)), 1 + int(rng_.bounded(1500)));
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
    return false;
}
