// The one window of the program: width boxes, text box, palette, menu and
// the canvas. Every handler exists under its own name; the Qt events and the
// script runner both call them, and each hands its work on to the document,
// the selection, the gestures or the view.
#pragma once

#include "app/palette/Widths.h"
#include "app/window/FormState.h"
#include "core/Document.h"
#include "core/Grid.h"
#include "core/DragDispatcher.h"
#include "core/FigureMove.h"
#include "core/GestureRouter.h"
#include "core/CommandRules.h"
#include "core/ImageOps.h"
#include "core/PressTools.h"
#include "files/AutoRecovery.h"
#include "files/FileCommands.h"
#include "shapes/ShapeModule.h"

#include <QMainWindow>
#include <QMap>
#include <functional>

class CanvasScroller;
class CanvasView;
class PictureFrame;
class Printer;
class StatusLine;
class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QMimeData;
class QToolBar;
class QToolButton;
struct PaletteEntry;

class frmmain : public QMainWindow, private DragHost {
    Q_OBJECT
public:
    explicit frmmain(Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmmain() override;

    void Form_Load();
    void colorchange();
    // Palette buttons.
    void cmdErase_Click(); void cmdClear_Click(); void cmdStart_Click(); void cmdCircle_Click();
    void cmdSquare_Click(); void cmdLine_Click(); void cmdparallelogram_Click(); void cmdstoreddata_Click();
    void cmdpreprocess_Click(); void cmdseqdata_Click(); void cmdpapertap_Click(); void cmdinternalstorage_Click();
    void cmddirectdata_Click(); void cmdmanualinput_Click(); void cmdrhombus_Click(); void cmdpreparation_Click();
    void cmdmanualoperation_Click(); void cmddocument_Click(); void cmdoffpageref_Click();
    void cmdinternalprocess_Click(); void cmdparallelmod_Click(); void cmdArrowup_Click(); void cmdArrowdown_Click();
    void cmddoublearrow_Click(); void cmdArrowleft_Click(); void cmdArrowright_Click();
    void cmddoublesidearrow_Click(); void cmdleftsinglearrow_Click(); void cmdrightsinglearrow_Click();
    void cmdlooplimit_Click(); void cmdupsinglearrow_Click(); void cmddownsinglearrow_Click();
    void cmdterminate_Click();
    // The canvas.
    void Picture1_MouseDown(int Button, int Shift, float X, float Y);
    void Picture1_MouseMove(int Button, int Shift, float X, float Y);
    void Picture1_MouseUp(int Button, int Shift, float X, float Y);
    void Picture1_Click();
    void txtinsert_Change();
    // Return in the text box: the text centred in the last figure drawn.
    void txtinsert_KeyPress(int KeyAscii);
    // Menu.
    void new1_Click(); void open1_Click(); void save1_Click(); void saveas1_Click(); void exit1_Click();
    void drawcolor1_Click(); void font1_Click(); void undo1_Click(); void redo1_Click(); void copy1_Click();
    void select1_Click(); void selectall1_Click(); void deselect1_Click(); void delete1_Click();
    void cut1_Click(); void paste1_Click(); void canvassize1_Click();
    void zoomin1_Click(); void zoomout1_Click(); void zoom100_Click(); void zoomfit1_Click();
    void showgrid1_Click(); void snap1_Click(); void snapfigures1_Click();
    void gridspacing1_Click();
    void toolbar1_Click(); void fill1_Click(); void tolerance1_Click(); void pickcolor1_Click();
    void fliph1_Click(); void flipv1_Click(); void rotateright1_Click(); void rotateleft1_Click();
    void rotate1801_Click(); void cropselection1_Click(); void cropcontent1_Click(); void transparent1_Click();
    void print1_Click(); void exportpdf1_Click(); void arrange1_Click();
    // The line tool's ends, style and route.
    void lineendnone1_Click(); void lineendarrow1_Click(); void lineendboth1_Click();
    void linesolid1_Click(); void linedash1_Click(); void linedot1_Click();
    void routestraight1_Click(); void routeelbow1_Click();
    void shortcuts1_Click(); void about1_Click(); void aboutqt1_Click();
    void chaingap1_Click();
    // Ctrl+Return: the text beside the last line or arrow drawn.
    void labelline1_Click();
    // Ctrl and a digit: a symbol's tool chosen, the text waiting kept.
    template <int ToolCode>
    void quickSymbol_Click() { chooseSymbol(Tool::Code(ToolCode)); }
    // Opens a picture named on the command line or dropped on the window,
    // as Open would after its dialog, with the change question first; one
    // step. True when the picture is now that file's, warned of or not.
    bool openFile(const LocalPath& path);
    // The window's start: the newest recovery copy is offered first, and the
    // picture named on the command line (PATH, when not empty) is opened
    // only when no copy was taken, so that nothing asks about the copy.
    void openAtStart(const LocalPath& path);
    // The window's unload event; cancel keeps the window open.
    void Form_Unload(bool& cancel);
    // Ends the gesture under way without its result (a figure's preview
    // erased, a selection's drag or a handle's left where they are); every
    // command, a focus loss and Esc run it first. Tells whether there was one.
    bool cancelDrag();

    // Named access for the script runner and the tests.
    bool clickButton(const QString& name);
    // A double-click: the click, then the button's tool locked.
    bool doubleClickButton(const QString& name);
    bool runMenu(const QString& name);
    // The key sequence ("Escape", "Ctrl+Z", "A") pressed and released on the
    // focused widget, shortcuts resolved as Qt resolves them.
    bool pressKey(const QString& sequence);
    // Each character of TEXT as a key pressed and released on the focused widget.
    void typeText(const QString& text);
    // The keyboard focus moved as a click on PRESSED moves it.
    void focusByClick(QWidget* pressed);
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
    Grid grid;  // shown by the view, never part of the picture
    bool snapFigures = false;  // the line tool's points go to a figure's connection point without the grid
    PressTools pressTools;  // Fill or Pick Colour, and the fill's tolerance
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // DragHost
    int penWidth() override;
    int eraserWidth() override;
    void stampText(float x, float y) override;
    void followPointer(float x, float y) override;
    void closeDragStep(bool erased) override;

    void buildControls();
    void buildCanvas(QWidget* central);
    void buildMenu();
    QMenu* menuFor(QMap<QString, QMenu*>& menus, const QString& path);
    // Each submenu's items become one choice of radio items, the first checked.
    void makeChoices(const QMap<QString, QMenu*>& menus);
    // Alt and the arrow keys, window-wide: the next figure chained.
    void buildChainKeys();
    // The next figure drawn the chain gap from the one under the pointer,
    // or the last one, and the arrow to it, as one step; or why not, told.
    void chain(Chain::Direction direction);
    void chainFrom(Chain::Direction direction);
    QString chainRefusal() const;
    void firstFigure();
    // Arrange Figures: the press that picks and moves a figure, the arrow
    // keys that nudge it, the status bar's name of it.
    void buildArrange();
    // The figure Arrange Figures acts on: the one picked last while the
    // chart holds it, else the last figure drawn; null for none.
    const DrawnFigure* currentFigure() const;
    QString currentFigureName() const;
    void nudge(QPoint by);
    // The toolbar above the canvas: the menu's tools and switches that the
    // palette does not have, those of them the menu holds.
    void buildToolbar();
    // The selection turned where it lies when a part is marked, else the
    // whole picture.
    void turnPicture(Turn turn);
    // The text centred in the last figure drawn (beside the last line or
    // arrow drawn with BESIDELINE), or why not.
    void stampLabel(bool besideLine = false);
    // Why a change could not be made, told; nothing for none.
    void tell(const QString& problem);
    // The next press's pixel filled (Fill) or its colour taken (Pick Colour).
    void pressedWith(QPoint pixel);
    // Greys out what has nothing to do; Copy's caption follows the selection.
    void updateEditItems();
    // Triggers an item as its menu would, greyed out or not.
    void runAction(QAction* a);
    void selectTool(Tool::Code code);
    // As its palette button's click, but the text in "Enter Text" stays.
    void chooseSymbol(Tool::Code code);
    // A palette button's click ends a locked tool first; its double-click
    // (after the click it follows) runs the handler again and locks its tool.
    void paletteClick(const PaletteEntry& entry);
    void paletteDoubleClick(const PaletteEntry& entry);
    // The locked tool given up; a release's 34 takes its place when it is current.
    void unlockTool();
    // The current tool's button looks pressed, and the locked one's.
    void showCurrentButton();
    // Gestures take grid points with Snap on, the line tool a figure's
    // connection point first (with Snap to Figures, that point alone); the
    // eraser never snaps.
    void snapped(float& x, float& y) const;
    // Runs WORK as a command with RULES, the one place they are applied
    // (the command table, CommandTable.h); applyRules without ending the
    // drag under way first, for a press that starts one.
    void runCommand(Command::Rules rules, const std::function<void()>& work);
    void applyRules(Command::Rules rules, const std::function<void()>& work);
    // Closes the open step; one that changed a pixel is a change of the
    // picture when RULES say so. Nothing else counts pixels as a change.
    void closeStep(Command::Rules rules);
    // The picture at the size its frame's handle was let go at, as one step.
    void resizeByHandle(QSize size);
    void resizeCanvas(QSize size);
    // Floats the picture DATA carries (the clipboard's, or dropped), decoded
    // as a file is; one that cannot be decoded is told of as REFUSAL, with
    // the reason as its %1.
    void pasteFrom(const QMimeData* data, const QString& refusal);
    // The page as a PDF in FILE, which the print dialog chose.
    void printIntoFile(const Printer& printer, const QString& file);
    void moveText1(float left, float top);
    // The widget a key goes to, the window made the active one first.
    QWidget* keyboardFocus();
    void sendKey(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    // Fits the floating preview to its text, from the first letter; hidden when empty.
    void fitText1();
    void showCaption();

    FileContext files_{doc, dialogs, cdlforfunctions, form.msgAnswer};
    ShapeSet shapes_;
    DragDispatcher dispatcher_;
    GestureRouter gestures_;
    ToolGesture toolGesture_{dispatcher_};
    SelectionGesture selectionGesture_{doc.selection};
    PressGesture pressGesture_{[this](QPoint pixel) { pressedWith(pixel); }};
    FigureMove figureMove_{doc, grid};
    struct {
        int figure = 0;
        QPoint by;                   // all the nudges of that figure so far
        std::uint64_t position = 0;  // the history's point right after the last one
    } nudged_;
    CommonDialog cdlforpdf_;
    QToolBar* toolbar_ = nullptr;
    WidthBoxes widths_;
    CanvasScroller* scroller_ = nullptr;
    PictureFrame* frame_ = nullptr;
    StatusLine* status_ = nullptr;
    float text1Left_ = 120, text1Top_ = 120;
    bool snapGesture_ = true;  // decided at the press
    bool unloaded_ = false;
    bool unloading_ = false;  // the Exit logic runs inside a close of the window
};
