// Form-level state of the main window.
#pragma once

#include <QString>

namespace Tool {
constexpr int Line = 0, Circle = 1, Process = 2, None = 3, Eraser = 5;
constexpr int TextPending = 33, Finished = 34;
}  // namespace Tool

struct FormState {
    int currentTool = Tool::None;
    bool canvasClean = true;  // no press or click has reached the canvas
    bool toolsClean = true;   // no tool button (but the eraser) and no typing
    bool isUntitled = true;
    QString fileTitle = QStringLiteral("Untitled");
    QString filePath;
    QString msgAnswer;  // answer code of the last question box
    bool cancelClose = false;
    bool closeConfirmed = false;

    // The picture counts as changed only when both flags are down.
    bool pictureChanged() const { return !canvasClean && !toolsClean; }
};

inline const QString kCaptionPrefix = QStringLiteral("  Tavimbre -   ");
