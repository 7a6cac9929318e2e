// The palette's pictures and the window icon, drawn by the same code that
// draws the figures on the canvas.
#pragma once

#include "app/Palette.h"

#include <QIcon>
#include <QImage>
#include <QMap>

class QToolButton;

// The finished figure of a tool, drawn into a white picture of that size.
QImage toolPicture(int code, QSize size);
void setPaletteIcons(const QMap<QString, QToolButton*>& buttons, const std::vector<PaletteEntry>& entries);
QIcon windowIcon();
