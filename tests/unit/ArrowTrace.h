// Drives one pointer event through the script window and returns the line
// and box calls it made on the canvas.
#pragma once

#include "Harness.h"

#include <QPointF>

inline QStringList drawEvent(Harness& h, const char* kind, int button, QPointF p) {
    const int from = h.trace.size();
    h.run(QStringLiteral("%1 %2 0 %3 %4").arg(QLatin1String(kind)).arg(button).arg(p.x()).arg(p.y()));
    QStringList calls;
    for (const QString& c : h.trace.mid(from))
        if (c.startsWith(QLatin1String("line ")) || c.startsWith(QLatin1String("box "))) calls << c;
    return calls;
}

// "line 6 2 10 20 30 40 -" becomes "10 20 30 40": where the call draws.
inline QString geometry(const QString& call) { return call.section(QLatin1Char(' '), 3, 6); }

// The geometry of the finished figure of one left-button drag.
inline QStringList finishedArrow(Harness& h, const char* button, QPoint from, QPoint to) {
    h.run(QStringLiteral("click ") + QLatin1String(button));
    drawEvent(h, "down", 1, from);
    const QStringList preview = drawEvent(h, "move", 1, to);
    QStringList lines;
    for (const QString& c : drawEvent(h, "up", 1, to).mid(preview.size())) lines << geometry(c);
    return lines;
}
