// The shared drawing state through which the canvas dispatcher and the shape
// modules talk to each other. Every coordinate is a float in canvas twips.
#pragma once

#include "core/Connector.h"

#include <cstdint>

struct DragState {
    std::int32_t drawColor = 0;  // colour of finished outlines, red in the low byte
    float eraserSize = 50;       // half the side of the eraser square, twips
    float startX = 0, startY = 0;
    // The other corner of the preview on the canvas; prevX == -1 means none.
    float prevX = -1, prevY = -1;
    float curX = 0, curY = 0;
    // The line tool's ends, style and route, as chosen in the Tools menu.
    LineLook lineLook;
    // The way the elbow of the line under way first leaves its press, set
    // at the press.
    FirstLeg firstLeg = FirstLeg::Longer;

    bool previewed() const { return prevX != -1.0f; }
};
