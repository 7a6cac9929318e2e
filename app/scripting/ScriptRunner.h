// Runs the main window headless from a script of commands, one per line,
// through the same handlers the mouse, keyboard and menus call.
#pragma once

#include <QString>
#include <QTextStream>
#include <functional>

class frmmain;
class QMimeData;
class ScriptedDialogs;

// The file's bytes as they are, damaged or not, as picture data of the type
// its content shows, as another program offers it; null when no picture
// type fits or the file cannot be read.
QMimeData* pictureDataFrom(const QString& path);

class ScriptRunner {
public:
    enum Status { Ok = 0, Error = 2, UnusedAnswers = 3 };

    ScriptRunner(frmmain& window, ScriptedDialogs& dialogs, std::function<void(const QString&)> out)
        : w_(window), dialogs_(dialogs), out_(std::move(out)) {}

    // Runs every line; returns the exit status. Errors go to the error text.
    int run(QTextStream& script);
    // Runs one command line; false with the error text set when it fails.
    bool runLine(const QString& line);
    const QString& error() const { return error_; }
    // Runs once, before the first command that is not an answer queued for
    // a dialog, so that a script can answer what the start asks.
    void beforeFirstCommand(std::function<void()> ask) { ask_ = std::move(ask); }

private:
    bool execute(const QString& command, const QString& rest);
    bool mouse(const QString& command, const QStringList& args);
    // "drop FILE": the file dropped on the window as a file manager drops
    // it; "drop data FILE": its bytes dropped as picture data.
    bool drop(const QString& rest);

    frmmain& w_;
    ScriptedDialogs& dialogs_;
    std::function<void(const QString&)> out_;
    QString error_;
    bool closedReported_ = false;
    std::function<void()> ask_;
};
