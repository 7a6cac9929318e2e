#include "ScriptedDialogs.h"

#include "files/Printer.h"

#include <QFileInfo>
#include <QTextDocumentFragment>

namespace {

QString escaped(QString s) {
    return s.replace(QLatin1Char('\r'), QStringLiteral("\\r")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

}  // namespace

void ScriptedDialogs::noAnswer(const QString& what) {
    if (missing_.isEmpty()) missing_ = what;
}

int ScriptedDialogs::MsgBox(const QString& text, int style, const QString& title) {
    out_(QStringLiteral("ask %1 %2|%3").arg(style).arg(escaped(title), escaped(text)));
    if (answers_.isEmpty()) {
        noAnswer(QStringLiteral("question box \"%1\"").arg(escaped(text)));
        return Answer::Cancel;
    }
    return answers_.dequeue();
}

bool ScriptedDialogs::fileDialog(CommonDialog& d, const char* kind) {
    out_(QStringLiteral("dialog %1").arg(QLatin1String(kind)));
    if (files_.isEmpty()) {
        noAnswer(QStringLiteral("%1 dialog").arg(QLatin1String(kind)));
        return false;
    }
    const QString path = files_.dequeue();
    if (path.isEmpty()) return false;
    d.FileName = path;
    d.FileTitle = QFileInfo(path).fileName();
    return true;
}

bool ScriptedDialogs::ShowOpen(CommonDialog& d) { return fileDialog(d, "open"); }
bool ScriptedDialogs::ShowSave(CommonDialog& d) { return fileDialog(d, "save"); }

bool ScriptedDialogs::ShowColor(CommonDialog& d) {
    out_(QStringLiteral("dialog color"));
    const auto c = next(colors_, "color");
    if (!c) return false;
    d.Color = *c;
    return true;
}

bool ScriptedDialogs::ShowFont(CommonDialog& d) {
    out_(QStringLiteral("dialog font"));
    const auto f = next(fonts_, "font");
    if (!f) return false;
    d.FontName = f->face;
    d.FontSize = f->size;
    d.FontBold = f->bold;
    d.FontItalic = f->italic;
    d.FontUnderline = f->underline;
    d.FontStrikethru = f->strikeout;
    d.Color = f->color;
    return true;
}

bool ScriptedDialogs::AskCanvasSize(QSize& size) {
    out_(QStringLiteral("dialog size %1 %2").arg(size.width()).arg(size.height()));
    const auto s = next(sizes_, "size");
    if (!s) return false;
    size = *s;
    return true;
}

// A number asked for by a dialog: the next queued answer, or none (cancel).
bool ScriptedDialogs::askNumber(QQueue<std::optional<int>>& queue, const char* name, int& value) {
    out_(QStringLiteral("dialog %1 %2").arg(QLatin1String(name)).arg(value));
    const auto answer = next(queue, name);
    if (!answer) return false;
    value = *answer;
    return true;
}

bool ScriptedDialogs::AskGridSpacing(int& spacing) { return askNumber(spacings_, "grid", spacing); }

bool ScriptedDialogs::AskTolerance(int& value) { return askNumber(tolerances_, "tolerance", value); }

bool ScriptedDialogs::AskChainGap(int& gap) { return askNumber(gaps_, "gap", gap); }

// A script answers the print dialog with a file: the page goes into it as a PDF.
bool ScriptedDialogs::ShowPrinter(Printer& printer) {
    CommonDialog d;
    if (!fileDialog(d, "print")) return false;
    printer.printToFile(d.FileName);
    return true;
}

void ScriptedDialogs::Message(const QString& title, const QString& text) {
    out_(QStringLiteral("message %1|%2").arg(escaped(title), escaped(text)));
}

void ScriptedDialogs::ShowShortcuts(const QList<KeyRow>& rows) {
    out_(QStringLiteral("dialog shortcuts"));
    for (const KeyRow& r : rows)
        out_(QStringLiteral("shortcut %1|%2|%3").arg(r.group, r.keys.join(QStringLiteral(", ")), escaped(r.does)));
}

// The about box's text as it reads, without its markup.
void ScriptedDialogs::ShowAbout(const QString& title, const QString& text) {
    out_(QStringLiteral("about %1|%2").arg(escaped(title), escaped(QTextDocumentFragment::fromHtml(text).toPlainText())));
}

void ScriptedDialogs::ShowAboutQt() { out_(QStringLiteral("about About Qt|Qt %1").arg(QLatin1String(qVersion()))); }
