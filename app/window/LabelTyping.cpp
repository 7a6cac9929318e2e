#include "LabelTyping.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace {

// Text a key writes: printable characters with no command modifier (Shift,
// the keypad and a group switch for AltGr layouts are still typing).
bool writesText(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = key.text();
    if (text.isEmpty()) return false;
    for (QChar c : text)
        if (!c.isPrint()) return false;
    return true;
}

}  // namespace

LabelTyping::LabelTyping(QLineEdit& box, QObject* parent) : QObject(parent), box_(box) {}

void LabelTyping::watchCanvas(QWidget* widget) {
    canvas_.insert(widget);
    widget->installEventFilter(this);
}

void LabelTyping::watchButton(QWidget* widget) { widget->installEventFilter(this); }

bool LabelTyping::forTheBox(QObject* watched, const QKeyEvent& key) const {
    const bool canvas = canvas_.contains(watched);
    if (key.key() == Qt::Key_Space && !canvas && box_.text().isEmpty()) return false;  // the button's own
    if (key.key() == Qt::Key_Backspace) return !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        return canvas && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    return writesText(key);
}

bool LabelTyping::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!box_.isEnabled() || !forTheBox(watched, *key)) return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Text is never a command, as in the box itself.
        key->accept();
        return true;
    }
    QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), key->text(), key->isAutoRepeat(), key->count());
    QCoreApplication::sendEvent(&box_, &copy);
    return true;
}
