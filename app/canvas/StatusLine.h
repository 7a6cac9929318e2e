// The status bar's line: the pointer's picture pixel, a drag's width ×
// height, the picture's size (and the size a held handle asks for), the zoom and the current tool (a locked one
// said so), or for a while a note such as "The clipboard holds no picture.".
// A figure that needs a drag down and to the right says so while it is
// dragged elsewhere, where it shows no preview. It only reads what it shows; its text
// is laid out at most once a frame.
#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>
#include <functional>

class CanvasView;
class Document;
class PictureFrame;
class DragDispatcher;
class PressTools;
struct DragState;

class StatusLine : public QLabel {
    Q_DECLARE_TR_FUNCTIONS(StatusLine)

public:
    StatusLine(const Document& doc, const DragDispatcher& dispatcher, const DragState& state,
               const CanvasView& view, QWidget* bar);

    // The last pointer point over the canvas, in twips.
    void pointerAt(float x, float y);
    // The window's current tool code, and its press tools, read for the line.
    const int* currentTool = nullptr;
    // The frame whose held handle's size shows after the picture's.
    const PictureFrame* frame = nullptr;
    const PressTools* pressTools = nullptr;
    // In Arrange Figures, the current figure's name after the tool's.
    std::function<QString()> arranged;
    // NOTE in place of the line until the next press on the canvas, or a few seconds.
    void note(const QString& note);
    void clearNote();
    QString line() const;
    // Shows the text at the frame's end.
    void refresh();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const Document& doc_;
    const DragDispatcher& dispatcher_;
    const DragState& state_;
    const CanvasView& view_;
    float x_ = 0, y_ = 0;
    QString note_;
    QTimer noteEnds_;
    QString shown_;
    bool due_ = false;
};
