// Reading the canvas trace back for the symbol tests: primitives split into
// their fields, replayed onto a fresh canvas, and script lines for a drag.
#pragma once

#include "core/Canvas.h"

#include <QStringList>
#include <optional>

struct Prim {
    QString kind;  // line, box or circle
    int mode = 0;
    int width = 0;
    QString color;      // decimal, or "-" for none
    QStringList geometry;  // every other field, in order

    QString geometryText() const { return kind + QLatin1Char(' ') + geometry.join(QLatin1Char(' ')); }
};

inline bool isPrimitive(const QString& traceLine) {
    return traceLine.startsWith(QLatin1String("line ")) || traceLine.startsWith(QLatin1String("box ")) ||
           traceLine.startsWith(QLatin1String("circle "));
}

inline Prim parsePrim(const QString& traceLine) {
    QStringList f = traceLine.split(QLatin1Char(' '));
    Prim p;
    p.kind = f.takeFirst();
    p.mode = f.takeFirst().toInt();
    p.width = f.takeFirst().toInt();
    p.color = f.takeAt(p.kind == QLatin1String("circle") ? 3 : 4);
    p.geometry = f;
    return p;
}

// The primitives among the trace lines, dropping text and the like.
inline QList<Prim> primitives(const QStringList& trace) {
    QList<Prim> out;
    for (const QString& l : trace)
        if (isPrimitive(l)) out << parsePrim(l);
    return out;
}

// Draws a traced primitive again, with its own mode and width.
inline void replay(Canvas& canvas, const Prim& p) {
    canvas.DrawMode = p.mode;
    canvas.DrawWidth = p.width;
    auto num = [&](int i) { return p.geometry[i].toFloat(); };
    auto opt = [&](int i) { return p.geometry[i] == QLatin1String("-") ? std::nullopt : std::optional<float>(num(i)); };
    const std::optional<VbColor> color =
        p.color == QLatin1String("-") ? std::nullopt : std::optional<VbColor>(p.color.toInt());
    if (p.kind == QLatin1String("line"))
        canvas.Line(num(0), num(1), num(2), num(3), color);
    else if (p.kind == QLatin1String("box"))
        canvas.Box(num(0), num(1), num(2), num(3), color);
    else
        canvas.Circle(num(0), num(1), num(2), color, opt(3), opt(4), opt(5));
}

inline QString mouseLine(const char* event, int button, float x, float y) {
    return QStringLiteral("%1 %2 0 %3 %4").arg(QLatin1String(event)).arg(button).arg(Canvas::number(x), Canvas::number(y));
}
