#include "ScriptRunner.h"

#include "app/canvas/CanvasView.h"
#include "app/scripting/ScriptedDialogs.h"
#include "app/window/frmmain.h"
#include "files/PictureFile.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <utility>

namespace {

bool toInt(const QString& s, int& v) {
    bool ok = false;
    v = s.toInt(&ok);
    return ok;
}

bool toFloat(const QString& s, float& v) {
    bool ok = false;
    v = s.toFloat(&ok);
    return ok;
}

// "size bold italic underline strikeout color face..."
std::optional<ScriptedDialogs::FontAnswer> parseFont(const QString& rest, bool& ok) {
    const QStringList f = rest.split(QLatin1Char(' '));
    ok = false;
    if (f.size() < 7) return std::nullopt;
    ScriptedDialogs::FontAnswer a;
    int flags[4];
    int color = 0;
    if (!toFloat(f[0], a.size)) return std::nullopt;
    for (int i = 0; i < 4; ++i)
        if (!toInt(f[1 + i], flags[i])) return std::nullopt;
    if (!toInt(f[5], color)) return std::nullopt;
    a.bold = flags[0];
    a.italic = flags[1];
    a.underline = flags[2];
    a.strikeout = flags[3];
    a.color = color;
    a.face = f.mid(6).join(QLatin1Char(' '));
    ok = true;
    return a;
}

// "down|move|up BUTTON SHIFT X Y": a mouse event on the view, X and Y its
// own pixels from the picture's top-left corner as shown; the view maps it.
bool viewMouse(CanvasView& view, const QStringList& a) {
    static const QStringList kinds = {"down", "move", "up"};
    static const QEvent::Type types[] = {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease};
    const int kind = a.isEmpty() ? -1 : int(kinds.indexOf(a[0]));
    int button = 0, shift = 0;
    float x = 0, y = 0;
    if (a.size() != 5 || kind < 0 || !toInt(a[1], button) || !toInt(a[2], shift) || !toFloat(a[3], x) ||
        !toFloat(a[4], y) || !std::isfinite(x) || !std::isfinite(y) || button < 0 || button > 7 ||
        (kind != 1 && button != 1 && button != 2 && button != 4))
        return false;
    // Left, right and middle are 1, 2 and 4 in Qt's bits as on the canvas.
    const auto held = Qt::MouseButtons::fromInt(kind == 2 ? 0 : button);
    const Qt::KeyboardModifiers keys = (shift & 1 ? Qt::ShiftModifier : Qt::NoModifier) |
                                       (shift & 2 ? Qt::ControlModifier : Qt::NoModifier) |
                                       (shift & 4 ? Qt::AltModifier : Qt::NoModifier);
    const QPointF at(x, y);
    QMouseEvent e(types[kind], at, view.mapToGlobal(at), kind == 1 ? Qt::NoButton : Qt::MouseButton(button), held, keys);
    QCoreApplication::sendEvent(&view, &e);
    view.handOnWaitingMove();  // a script waits for no frame
    return true;
}

}  // namespace

int ScriptRunner::run(QTextStream& script) {
    int lineNo = 0;
    while (!script.atEnd() && !w_.isUnloaded()) {
        const QString line = script.readLine();
        ++lineNo;
        if (!runLine(line)) {
            error_ = QStringLiteral("line %1: %2").arg(lineNo).arg(error_);
            return Error;
        }
    }
    if (dialogs_.unused() > 0) {
        error_ = QStringLiteral("%1 answer(s) left unused").arg(dialogs_.unused());
        return UnusedAnswers;
    }
    return Ok;
}

bool ScriptRunner::runLine(const QString& rawLine) {
    error_.clear();
    const QString line = rawLine.endsWith(QLatin1Char('\r')) ? rawLine.chopped(1) : rawLine;
    if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#'))) return true;
    const int blank = line.indexOf(QLatin1Char(' '));
    const QString command = blank < 0 ? line : line.left(blank);
    const QString rest = blank < 0 ? QString() : line.mid(blank + 1);
    if (!execute(command, rest)) {
        if (error_.isEmpty()) error_ = QStringLiteral("cannot run \"%1\"").arg(line);
        return false;
    }
    w_.refreshCanvas();
    if (!dialogs_.missing().isEmpty()) {
        error_ = QStringLiteral("no answer queued for the %1").arg(dialogs_.missing());
        return false;
    }
    if (w_.isUnloaded() && !closedReported_) {
        closedReported_ = true;
        out_(QStringLiteral("closed"));
    }
    return true;
}

bool ScriptRunner::mouse(const QString& command, const QStringList& a) {
    int button = 0, shift = 0;
    float x = 0, y = 0;
    if (a.size() != 4 || !toInt(a[0], button) || !toInt(a[1], shift) || !toFloat(a[2], x) || !toFloat(a[3], y))
        return false;
    if (command == QLatin1String("down")) {
        w_.focusByClick(w_.Picture1);
        w_.Picture1_MouseDown(button, shift, x, y);
    } else if (command == QLatin1String("move")) {
        w_.Picture1_MouseMove(button, shift, x, y);
    } else {
        w_.Picture1_MouseUp(button, shift, x, y);
        const QSize size = w_.canvas.Image().size();
        if (x >= 0 && y >= 0 && x < size.width() * Canvas::kTwipsPerPixel && y < size.height() * Canvas::kTwipsPerPixel)
            w_.Picture1_Click();
    }
    return true;
}

bool ScriptRunner::execute(const QString& command, const QString& rest) {
    const QStringList args = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    static const QStringList answers = {"answer", "file", "color", "font", "size", "grid", "tolerance", "gap"};
    if (ask_ && !answers.contains(command)) std::exchange(ask_, nullptr)();
    if (command == QLatin1String("autosave") && (rest.isEmpty() || rest == QLatin1String("async"))) {
        if (rest.isEmpty())
            w_.recovery.writeNow();
        else
            w_.recovery.writeInBackground();
        return true;
    }
    if (command == QLatin1String("wait")) {
        int ms = 0;
        if (args.size() != 1 || !toInt(args[0], ms) || ms < 0 || ms > 600'000) return false;
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
        return true;
    }
    if (command == QLatin1String("click") || command == QLatin1String("dblclick")) {
        const QString name = rest.trimmed();
        if (QWidget* button = w_.buttons.value(name)) w_.focusByClick(button);
        return command == QLatin1String("click") ? w_.clickButton(name) : w_.doubleClickButton(name);
    }
    if (command == QLatin1String("return") && rest.trimmed() == QLatin1String("txtinsert")) {
        w_.txtinsert_KeyPress(13);
        return true;
    }
    if (command == QLatin1String("menu")) return w_.runMenu(rest.trimmed());
    if (command == QLatin1String("key")) return w_.pressKey(rest.trimmed());
    if (command == QLatin1String("type") && !rest.isEmpty()) {
        w_.typeText(rest);
        return true;
    }
    if (command == QLatin1String("deactivate") && rest.isEmpty()) {
        QEvent e(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(&w_, &e);
        return true;
    }
    if (command == QLatin1String("down") || command == QLatin1String("move") || command == QLatin1String("up"))
        return mouse(command, args);
    if (command == QLatin1String("view")) return viewMouse(*w_.Picture1, args);
    if (command == QLatin1String("text")) {
        const int blank = rest.indexOf(QLatin1Char(' '));
        const QString control = blank < 0 ? rest : rest.left(blank);
        return w_.setControlText(control, blank < 0 ? QString() : rest.mid(blank + 1));
    }
    if (command == QLatin1String("select")) {
        int index = 0;
        return args.size() == 2 && toInt(args[1], index) && w_.selectListEntry(args[0], index);
    }
    if (command == QLatin1String("answer")) {
        int code = 0;
        if (args.size() != 1 || !toInt(args[0], code)) return false;
        dialogs_.queueAnswer(code);
        return true;
    }
    if (command == QLatin1String("file")) {
        if (rest.isEmpty()) return false;
        dialogs_.queueFile(rest == QLatin1String("cancel") ? QString() : rest);
        return true;
    }
    if (command == QLatin1String("color")) {
        int value = 0;
        if (rest == QLatin1String("cancel")) {
            dialogs_.queueColor(std::nullopt);
            return true;
        }
        if (args.size() != 1 || !toInt(args[0], value)) return false;
        dialogs_.queueColor(value);
        return true;
    }
    if (command == QLatin1String("font")) {
        if (rest == QLatin1String("cancel")) {
            dialogs_.queueFont(std::nullopt);
            return true;
        }
        bool ok = false;
        auto font = parseFont(rest, ok);
        if (ok) dialogs_.queueFont(font);
        return ok;
    }
    if (command == QLatin1String("size")) {
        int width = 0, height = 0;
        if (rest == QLatin1String("cancel")) {
            dialogs_.queueSize(std::nullopt);
            return true;
        }
        if (args.size() != 2 || !toInt(args[0], width) || !toInt(args[1], height)) return false;
        dialogs_.queueSize(QSize(width, height));
        return true;
    }
    if (command == QLatin1String("grid") || command == QLatin1String("tolerance") || command == QLatin1String("gap")) {
        std::optional<int> value;
        if (rest != QLatin1String("cancel")) {
            int v = 0;
            if (args.size() != 1 || !toInt(args[0], v)) return false;
            value = v;
        }
        if (command == QLatin1String("grid"))
            dialogs_.queueSpacing(value);
        else if (command == QLatin1String("gap"))
            dialogs_.queueGap(value);
        else
            dialogs_.queueTolerance(value);
        return true;
    }
    if (command == QLatin1String("close") && rest.isEmpty()) {
        w_.close();
        return true;
    }
    if (command == QLatin1String("export")) {
        const bool bmp = QFileInfo(rest).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0;
        if (w_.doc.selection.shown().save(rest, bmp ? "BMP" : "PNG")) return true;
        error_ = QStringLiteral("cannot write %1").arg(rest);
        return false;
    }
    if (command == QLatin1String("clip") && args.size() == 2) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (args[0] == QLatin1String("load")) {
            if (QMimeData* data = pictureDataFrom(args[1])) {  // Paste does all the decoding
                clipboard->setMimeData(data);
                return true;
            }
        } else if (args[0] == QLatin1String("save")) {
            const QImage image = pictureFromMime(clipboard->mimeData(), QStringLiteral("%1")).image;
            if (!image.isNull() && image.save(args[1])) return true;
        }
        error_ = QStringLiteral("cannot %1 the clipboard with %2").arg(args[0], args[1]);
        return false;
    }
    if (command == QLatin1String("drop") && !rest.isEmpty()) return drop(rest);
    if (command == QLatin1String("dump") && rest.isEmpty()) {
        for (const QString& l : w_.dump()) out_(l);
        out_(QStringLiteral("end"));
        return true;
    }
    if (command == QLatin1String("chart") && rest.isEmpty()) {
        const auto button = [](int tool) {
            const Tool::Traits* t = Tool::traits(tool);
            return t ? QString::fromLatin1(t->button) : QString::number(tool);
        };
        for (const QString& l : w_.doc.chart().listing(button)) out_(l);
        return true;
    }
    error_ = QStringLiteral("unknown command or control \"%1 %2\"").arg(command, rest);
    return false;
}
