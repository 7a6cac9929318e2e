// The one window of the program: width boxes, text box, palette, menu and
// the canvas. Every handler exists under its own name; the Qt events and the
// script runner both call them.
#pragma once

#include "app/FormState.h"
#include "app/Widths.h"
#include "core/Document.h"
#include "core/DragDispatcher.h"
#include "core/DragState.h"
#include "files/Dialogs.h"
#include "files/AutoRecovery.h"
#include "files/FileCommands.h"
#include "shapes/ShapeModule.h"

#include <QMainWindow>
#include <QMap>
#include <functional>

class CanvasView;
class PictureFrame;
class StatusLine;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMimeData;
class QScrollArea;
class QToolButton;

class frmmain : public QMainWindow, private DragHost {
    Q_OBJECT
public:
    explicit frmmain(Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmmain() override;

    // Start-up and the palette's colour.
    void Form_Load();
    void colorchange();

    // Palette buttons.
    void cmdErase_Click();
    void cmdClear_Click();
    void cmdStart_Click();
    void cmdCircle_Click();
    void cmdSquare_Click();
    void cmdLine_Click();
    void cmdparallelogram_Click();
    void cmdstoreddata_Click();
    void cmdpreprocess_Click();
    void cmdseqdata_Click();
    void cmdpapertap_Click();
    void cmdinternalstorage_Click();
    void cmddirectdata_Click();
    void cmdmanualinput_Click();
    void cmdrhombus_Click();
    void cmdpreparation_Click();
    void cmdmanualoperation_Click();
    void cmddocument_Click();
    void cmdoffpageref_Click();
    void cmdinternalprocess_Click();
    void cmdparallelmod_Click();
    void cmdArrowup_Click();
    void cmdArrowdown_Click();
    void cmddoublearrow_Click();
    void cmdArrowleft_Click();
    void cmdArrowright_Click();
    void cmddoublesidearrow_Click();
    void cmdleftsinglearrow_Click();
    void cmdrightsinglearrow_Click();
    void cmdlooplimit_Click();
    void cmdupsinglearrow_Click();
    void cmddownsinglearrow_Click();
    void cmdterminate_Click();

    // The canvas.
    void Picture1_MouseDown(int Button, int Shift, float X, float Y);
    void Picture1_MouseMove(int Button, int Shift, float X, float Y);
    void Picture1_MouseUp(int Button, int Shift, float X, float Y);
    void Picture1_Click();
    void txtinsert_Change();

    // Menu.
    void new1_Click();
    void open1_Click();
    void save1_Click();
    void saveas1_Click();
    void exit1_Click();
    void drawcolor1_Click();
    void font1_Click();
    void undo1_Click();
    void redo1_Click();
    void copy1_Click();
    // A part of the picture: a drag marks it after Select, a drag inside it
    // lifts its pixels, which float above the picture until it ends.
    void select1_Click();
    void selectall1_Click();
    void deselect1_Click();
    void delete1_Click();
    void cut1_Click();
    void paste1_Click();
    void canvassize1_Click();
    void zoomin1_Click();
    void zoomout1_Click();
    void zoom100_Click();
    void zoomfit1_Click();
    // Opens a picture named on the command line or dropped on the window,
    // as Open would after its dialog, with the change question first; one
    // step of the undo history.
    void openFile(const QString& path);
    // The window's unload event; cancel keeps the window open.
    void Form_Unload(bool& cancel);

    // Ends a drag under way without its figure, erasing its preview, or a
    // drag of the selection where it is; every command, a focus loss and Esc
    // run it first. Tells whether there was one.
    bool cancelDrag();

    // Named access for the script runner and the tests.
    bool clickButton(const QString& name);
    bool runMenu(const QString& name);
    // Triggers the window's action bound to the key sequence ("Escape", "Ctrl+Z").
    bool pressKey(const QString& sequence);
    bool setControlText(const QString& name, const QString& text);
    bool selectListEntry(const QString& name, int index);
    QStringList dump() const;
    // Repaints what the last handler changed.
    void refreshCanvas();
    bool isUnloaded() const { return unloaded_; }

    // State, open to the script runner and the tests.
    FormState form;
    DragState state;
    Document doc;
    Canvas& canvas = doc.canvas;
    UndoHistory& history = doc.history;
    CommonDialog cdlforfunctions;
    CommonDialog cdlforcolor;
    Dialogs& dialogs;
    AutoRecovery recovery{doc, dialogs};

    QComboBox* cmbDrawWidth = nullptr;
    QComboBox* cmberaserwidth = nullptr;
    QLineEdit* txtinsert = nullptr;
    QLineEdit* Text1 = nullptr;
    CanvasView* Picture1 = nullptr;
    QMap<QString, QToolButton*> buttons;
    QMap<QString, QAction*> menuItems;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // DragHost
    int penWidth() override;
    int eraserWidth() override;
    void stampText(float x, float y) override;
    void followPointer(float x, float y) override;

    void buildControls();
    void buildMenu();
    void buildStatusBar();
    // Greys Undo and Redo out when there is nothing to undo or redo.
    void updateEditItems();
    // Triggers an item as its menu would, greyed out or not.
    void runAction(QAction* a);
    // Zooms to that level keeping the picture point at `at`, a point of the
    // view in its own pixels, where it is on the screen.
    void zoomAt(int percent, QPointF at);
    void zoomAboutCentre(int percent);
    // The status bar's text, and its update, at most once a frame.
    QString statusText() const;
    void showStatus();
    void selectTool(Tool::Code code);
    // Runs a command as one step of the undo history, a drag under way ended first.
    void asOneStep(void (frmmain::*handler)());
    // The picture at the size its frame's handle was let go at, as one step.
    void resizeByHandle(QSize size);
    void resizeCanvas(QSize size);
    void moveText1(float left, float top);
    // Fits the floating preview to its text, from the first letter; hidden when empty.
    void fitText1();
    void showCaption();
    // The selection's part of a press, move or release on the canvas, in
    // picture pixels; the dispatcher does not see them while Select is on.
    void selectionDown(QPoint at);
    void selectionMove(QPoint at);
    // Floating pixels are dropped onto the picture as one step: the place
    // they were lifted from turns white. The selection stays.
    void dropSelection();
    // Drops what floats and leaves Select.
    void endSelection();
    // Floats the picture DATA carries (the clipboard's, or dropped), decoded
    // as a file is; one that cannot be decoded is told of as REFUSAL, with
    // the reason as its %1.
    void pasteFrom(const QMimeData* data, const QString& refusal);
    // Floats IMAGE at AT, lifted from HOLE (empty for a paste).
    void floatImage(const QImage& image, QPoint at, QRect hole);
    void showSelection();

    FileContext files_{doc, dialogs, cdlforfunctions, form.msgAnswer};
    ShapeSet shapes_;
    DragDispatcher dispatcher_;
    WidthBoxes widths_;
    QScrollArea* scroller_ = nullptr;
    PictureFrame* frame_ = nullptr;
    StatusLine* status_ = nullptr;
    bool statusDue_ = false;  // an update of the status bar waits for the frame's end
    float pointerX_ = 0, pointerY_ = 0;  // the last pointer point over the canvas, twips
    float text1Left_ = 120, text1Top_ = 120;
    bool selecting_ = false;  // Select is on: canvas drags mark and move the selection
    QRect selection_;         // picture pixels, empty for none
    QImage floating_;         // lifted or pasted pixels, null when none float
    QRect hole_;              // where the floating pixels were lifted from
    enum { NoSelectionDrag, Marking, Moving } selectionDrag_ = NoSelectionDrag;
    QPoint selectionFrom_;    // the marking's first corner, or the grab inside the selection
    bool unloaded_ = false;
    bool unloading_ = false;  // the Exit logic runs inside a close of the window
};
