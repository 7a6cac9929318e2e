// Typing reaches the label wherever the keyboard focus is on the canvas or
// the palette: the keys that write text (printable keys and Backspace) go
// into the text box as if typed there, through its own key handling, so its
// change handler and the floating preview follow. Return on the canvas is
// Return in the text box. Space on a palette button presses the button while
// the box is empty and is a blank in a label being typed. No key moves the
// focus: the widgets keep their place in the tab order.
#pragma once

#include <QObject>
#include <QSet>

class QKeyEvent;
class QLineEdit;
class QWidget;

class LabelTyping : public QObject {
public:
    LabelTyping(QLineEdit& box, QObject* parent);

    // The canvas and what holds it: Return goes to the box too.
    void watchCanvas(QWidget* widget);
    void watchButton(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether KEY, pressed on WATCHED, belongs to the box.
    bool forTheBox(QObject* watched, const QKeyEvent& key) const;

    QLineEdit& box_;
    QSet<const QObject*> canvas_;
};
