// A headless main window driven by script lines, with its trace and output
// captured, for the tests.
#pragma once

#include "app/scripting/ScriptRunner.h"
#include "app/scripting/ScriptedDialogs.h"
#include "app/window/frmmain.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

struct Harness {
    QStringList out;
    QStringList trace;
    ScriptedDialogs dialogs{[this](const QString& l) { out << l; }};
    std::unique_ptr<frmmain> w = std::make_unique<frmmain>(dialogs);
    ScriptRunner runner{*w, dialogs, [this](const QString& l) { out << l; }};

    Harness() { w->canvas.setTrace([this](const QString& l) { trace << l; }); }

    // Runs each line; a failing line fails the test.
    void run(const QStringList& lines) {
        for (const QString& l : lines) ASSERT_TRUE(runner.runLine(l)) << qPrintable(l) << ": " << qPrintable(runner.error());
    }
    void run(const QString& line) { run(QStringList{line}); }

    // The value of one key of the dump.
    QString dumped(const QString& key) {
        for (const QString& l : w->dump())
            if (l.startsWith(key + QLatin1Char('='))) return l.mid(key.size() + 1);
        ADD_FAILURE() << "no dump key " << qPrintable(key);
        return {};
    }
    const QImage& image() const { return w->canvas.Image(); }
};
