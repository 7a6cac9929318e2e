// The main window as the benchmarks drive it, and a large picture for them.
#pragma once

#include "app/canvas/CanvasView.h"
#include "app/scripting/ScriptedDialogs.h"
#include "app/window/frmmain.h"

#include <QApplication>
#include <QImage>

namespace bench {

struct Window {
    ScriptedDialogs dialogs{[](const QString&) {}};
    frmmain w{dialogs};

    Window() {
        w.show();
        QApplication::processEvents();
    }
    // Paints what the last handler dirtied, as the event loop would.
    void flush() {
        w.refreshCanvas();
        w.Picture1->flushPending();
        QApplication::processEvents();
    }
};

inline QImage bigPicture() {
    QImage img(4000, 3000, QImage::Format_RGB32);
    img.fill(QColor(200, 220, 240));
    return img;
}

}  // namespace bench
