// Dialogs answered from a script: each kind keeps a queue of answers, and
// every question or dialog shown is reported on the output, one line each
// (the list of keys a line more for each of its rows).
#pragma once

#include "files/Dialogs.h"

#include <QQueue>
#include <QStringList>
#include <functional>

class ScriptedDialogs : public Dialogs {
public:
    struct FontAnswer {
        float size;
        bool bold, italic, underline, strikeout;
        std::int32_t color;
        QString face;
    };

    explicit ScriptedDialogs(std::function<void(const QString&)> out) : out_(std::move(out)) {}

    void queueAnswer(int code) { answers_.enqueue(code); }
    void queueFile(const QString& pathOrEmpty) { files_.enqueue(pathOrEmpty); }
    void queueColor(std::optional<std::int32_t> color) { colors_.enqueue(color); }
    void queueFont(std::optional<FontAnswer> font) { fonts_.enqueue(font); }
    void queueSize(std::optional<QSize> size) { sizes_.enqueue(size); }
    void queueSpacing(std::optional<int> spacing) { spacings_.enqueue(spacing); }
    void queueTolerance(std::optional<int> value) { tolerances_.enqueue(value); }
    void queueGap(std::optional<int> gap) { gaps_.enqueue(gap); }

    // Set when a dialog found no answer waiting: the run must end.
    const QString& missing() const { return missing_; }
    int unused() const {
        return int(answers_.size() + files_.size() + colors_.size() + fonts_.size() + sizes_.size() + spacings_.size() +
                   tolerances_.size() + gaps_.size());
    }

    int MsgBox(const QString& text, int style, const QString& title) override;
    bool ShowOpen(CommonDialog& d) override;
    bool ShowSave(CommonDialog& d) override;
    bool ShowColor(CommonDialog& d) override;
    bool ShowFont(CommonDialog& d) override;
    bool AskCanvasSize(QSize& size) override;
    bool AskGridSpacing(int& spacing) override;
    bool AskTolerance(int& value) override;
    bool AskChainGap(int& gap) override;
    bool ShowPrinter(Printer& printer) override;
    void ShowShortcuts(const QList<KeyRow>& rows) override;
    void ShowAbout(const QString& title, const QString& text) override;
    void ShowAboutQt() override;
    void Message(const QString& title, const QString& text) override;
    // Shows nothing, but counts the times the window said it was busy.
    void Busy(bool busy) override { busyShown_ += busy; }
    int busyShown() const { return busyShown_; }

private:
    bool fileDialog(CommonDialog& d, const char* kind);
    void noAnswer(const QString& what);
    bool askNumber(QQueue<std::optional<int>>& queue, const char* name, int& value);
    // The next queued answer for the NAME dialog: none when the script
    // cancelled it, or queued no answer (that is told).
    template <class T>
    std::optional<T> next(QQueue<std::optional<T>>& queue, const char* name) {
        if (queue.isEmpty()) {
            noAnswer(QStringLiteral("%1 dialog").arg(QLatin1String(name)));
            return std::nullopt;
        }
        return queue.dequeue();
    }

    std::function<void(const QString&)> out_;
    QQueue<int> answers_;
    QQueue<QString> files_;  // empty means cancel
    QQueue<std::optional<std::int32_t>> colors_;
    QQueue<std::optional<FontAnswer>> fonts_;
    QQueue<std::optional<QSize>> sizes_;
    QQueue<std::optional<int>> spacings_;
    QQueue<std::optional<int>> tolerances_;
    QQueue<std::optional<int>> gaps_;
    QString missing_;
    int busyShown_ = 0;
};
