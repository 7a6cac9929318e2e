// Question boxes and the platform's common dialogs, behind one small
// interface: the window uses Qt's, scripts and tests use a scripted queue.
#pragma once

#include "core/Progress.h"

#include <QElapsedTimer>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>

class Printer;

namespace Answer {
constexpr int Yes = 6, No = 7, Cancel = 2;
}

namespace MsgStyle {
constexpr int YesNo = 4;                    // no icon, Yes the default
constexpr int YesNoCancelQuestion = 35;     // question icon
constexpr int YesNoQuestion = 36;           // question icon
constexpr int YesNoWarning = 52;            // warning icon
constexpr int YesNoWarningNoFirst = 308;    // warning icon, No the default
}

// The properties of a common-dialog control. They persist between uses of
// the same control, as the control's own properties would.
struct CommonDialog {
    QString Filter;  // "Name (*.ext)|*.ext|..." pairs
    bool CancelError = false;
    QString FileName;
    QString FileTitle;
    QString InitDir;  // the folder the file dialogs start in
    int Flags = 0;
    std::int32_t Color = 0;  // red in the low byte
    QString FontName;
    float FontSize = 0;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    bool FontStrikethru = false;
};

// One row of the window's list of keys: the keys or mouse gestures, what
// they do, and the group they are listed under.
struct KeyRow {
    QString group;
    QStringList keys;  // a key sequence in portable text ("Ctrl+Z"), or a gesture in words
    QString does;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Returns the answer code of the button pressed (Answer::Yes, ...).
    virtual int MsgBox(const QString& text, int style, const QString& title) = 0;
    // Each Show* returns false when the user cancelled; otherwise it has
    // written the choice into the dialog's properties.
    virtual bool ShowOpen(CommonDialog& d) = 0;
    virtual bool ShowSave(CommonDialog& d) = 0;
    virtual bool ShowColor(CommonDialog& d) = 0;
    virtual bool ShowFont(CommonDialog& d) = 0;
    // The canvas size in pixels, asked with SIZE filled in; false when the
    // user cancelled, otherwise SIZE holds the answer.
    virtual bool AskCanvasSize(QSize& size) = 0;
    // The grid's spacing in pixels, asked with SPACING filled in; false when
    // the user cancelled, otherwise SPACING holds the answer.
    virtual bool AskGridSpacing(int& spacing) = 0;
    // The fill's tolerance, 0 to 255, asked with VALUE filled in; false
    // when the user cancelled.
    virtual bool AskTolerance(int& value) = 0;
    // The gap between a figure and the next one chained from it, in pixels,
    // asked with GAP filled in; false when the user cancelled.
    virtual bool AskChainGap(int& gap) = 0;
    // The print dialog: false when the user cancelled, otherwise PRINTER is
    // set up for the chosen printer or file.
    virtual bool ShowPrinter(Printer& printer) = 0;
    // The list of keys and gestures, the rows of a group one after another.
    virtual void ShowShortcuts(const QList<KeyRow>& rows) = 0;
    // The program's about box (TEXT may be rich text, with a link), and Qt's.
    virtual void ShowAbout(const QString& title, const QString& text) = 0;
    virtual void ShowAboutQt() = 0;
    // A message of the program's own (failures the user must hear about).
    virtual void Message(const QString& title, const QString& text) = 0;
    // The same from work in the background, which may end while a command's
    // long work goes on: the window holds it until that work ends.
    virtual void Notice(const QString& title, const QString& text) { Message(title, text); }
    // Long work of a command begins (true) or ends (false); the window shows
    // it is busy meanwhile. Scripts need no sign.
    virtual void Busy(bool busy) { (void)busy; }
};

// Work on a picture from about four megapixels takes long enough to be
// noticed; smaller work shows no sign, so that the cursor does not flicker.
inline bool takesAWhile(QSize picture) { return qint64(picture.width()) * picture.height() >= 4'000'000; }

// While this lives the dialogs show they are busy: at once for work on a
// large picture, else from the first report of work that has gone on for
// a while (a large file being read, which only its reading tells).
class BusyWhile {
public:
    static constexpr int kLateMs = 150;

    BusyWhile(Dialogs& dialogs, QSize picture) : dialogs_(dialogs), hear_([this](double) { late(); }) {
        clock_.start();
        if (takesAWhile(picture)) show();
    }
    ~BusyWhile() {
        if (shown_) dialogs_.Busy(false);
    }
    BusyWhile(const BusyWhile&) = delete;
    BusyWhile& operator=(const BusyWhile&) = delete;

private:
    void show() {
        shown_ = true;
        dialogs_.Busy(true);
    }
    void late() {
        if (!shown_ && clock_.elapsed() >= kLateMs) show();
    }

    Dialogs& dialogs_;
    bool shown_ = false;
    QElapsedTimer clock_;
    progress::Listener hear_;
};
