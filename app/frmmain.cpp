#include "frmmain.h"

#include "app/CanvasView.h"
#include "app/Palette.h"
#include "app/PaletteIcons.h"

#include <QAction>
#include <QCloseEvent>
#include <QMimeData>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QToolButton>

namespace {

// Positions in the design are twips; the window is laid out in pixels.
QRect twipsRect(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

const QColor kPaletteColor(216, 228, 248);

// "MS Sans Serif" has no face of its own here; Arial's metric twin stands in.
QFont labelFont(double points, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// Keeps the canvas's scroll area filling the window right of the left column.
class CentralArea : public QWidget {
public:
    QScrollArea* scroller = nullptr;

protected:
    void resizeEvent(QResizeEvent*) override {
        if (scroller) scroller->setGeometry(272, 0, std::max(0, width() - 272), height());
    }
};

}  // namespace

frmmain::frmmain(Dialogs& dialogs_, QWidget* parent)
    : QMainWindow(parent), dialogs(dialogs_), dispatcher_(form, state, canvas, shapes_, *this) {
    setObjectName(QStringLiteral("frmmain"));
    setAcceptDrops(true);
    history.onStepNotKept([this] {
        dialogs.Message(QStringLiteral("Tavimbre"), QStringLiteral("This change is too large to be undone."));
    });
    canvas.setHistory(&history);
    history.trackIdentity(
        [this] { return FileIdentity{form.filePath, form.fileTitle, form.isUntitled, windowTitle()}; },
        [this](const FileIdentity& id) {
            form.filePath = id.path;
            form.fileTitle = id.title;
            form.isUntitled = id.untitled;
            setWindowTitle(id.caption);
        });
    buildControls();
    buildMenu();
    Form_Load();
}

frmmain::~frmmain() = default;

void frmmain::buildControls() {
    auto* central = new CentralArea;
    central->setAutoFillBackground(true);
    QPalette pal = central->palette();
    pal.setColor(QPalette::Window, Qt::white);
    central->setPalette(pal);
    setCentralWidget(central);

    auto label = [&](const char* name, const QString& caption, QRect where, bool bold) {
        auto* l = new QLabel(caption, central);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(where);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setFont(bold ? labelFont(9.75, true) : labelFont(8.25, false));
        return l;
    };
    label("lblwidth", QStringLiteral("Draw width"), twipsRect(120, 240, 1215, 375), true);
    label("lbleraserwidth", QStringLiteral("Eraser width"), twipsRect(120, 600, 1335, 255), true);
    label("Label1", QStringLiteral("Enter Text"), twipsRect(120, 960, 1215, 375), true);
    label("Label2",
          QStringLiteral("To write the text to picture box,  write text in above textbox and click left mouse "
                         "button at the specified position of the picture."),
          twipsRect(120, 1440, 3855, 615), false)
        ->setWordWrap(true);

    auto combo = [&](const char* name, QRect where) {
        auto* c = new QComboBox(central);
        c->setObjectName(QLatin1String(name));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setGeometry(where);
        return c;
    };
    cmbDrawWidth = combo("cmbDrawWidth", twipsRect(1560, 240, 2415, 315));
    cmberaserwidth = combo("cmberaserwidth", twipsRect(1560, 600, 2415, 315));
    cmbDrawWidth->setEditText(QStringLiteral("--Select--"));
    cmberaserwidth->setEditText(QStringLiteral("--Select--"));
    widths_.attach(cmbDrawWidth, cmberaserwidth);
    // A width chosen while a preview is up would erase it at the wrong
    // width: the drag ends first, its preview erased at its own width.
    for (QComboBox* box : {cmbDrawWidth, cmberaserwidth}) {
        auto cancelShownPreview = [this] {
            if (dispatcher_.previewShown()) cancelDrag();
        };
        connect(box, &QComboBox::currentIndexChanged, this, cancelShownPreview);
        connect(box, &QComboBox::editTextChanged, this, cancelShownPreview);
    }

    txtinsert = new QLineEdit(central);
    txtinsert->setObjectName(QStringLiteral("txtinsert"));
    txtinsert->setGeometry(twipsRect(1560, 960, 2415, 375));
    txtinsert->setFont(Canvas::defaultFont());
    connect(txtinsert, &QLineEdit::textChanged, this, [this] {
        cancelDrag();
        txtinsert_Change();
        refreshCanvas();
    });

    QWidget* previous = txtinsert;
    setTabOrder(cmbDrawWidth, txtinsert);
    const auto& entries = paletteEntries();
    for (size_t i = 0; i < entries.size(); ++i) {
        const PaletteEntry& e = entries[i];
        auto* b = new QToolButton(central);
        b->setObjectName(QLatin1String(e.name));
        b->setText(QString::fromLatin1(e.caption));
        b->setToolTip(QString::fromLatin1(e.toolTip));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        QFont f(QStringLiteral("Courier New"));
        f.setPointSizeF(e.pointSize);
        f.setBold(true);
        b->setFont(f);
        b->setGeometry(twipsRect(kPaletteLeft[i % 3], kPaletteTop + kPaletteRowStep * int(i / 3), kButtonWidth,
                                 kButtonHeight));
        b->setFocusPolicy(Qt::TabFocus);
        const auto handler = e.handler;
        connect(b, &QToolButton::clicked, this, [this, handler] {
            cancelDrag();
            asOneStep(handler);
            refreshCanvas();
        });
        buttons.insert(QLatin1String(e.name), b);
        setTabOrder(previous, b);
        previous = b;
    }
    setPaletteIcons(buttons, entries);

    scroller_ = new QScrollArea(central);
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setBackgroundRole(QPalette::Base);
    static_cast<CentralArea*>(central)->scroller = scroller_;
    Picture1 = new CanvasView(canvas);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    scroller_->setWidget(Picture1);
    scroller_->setGeometry(twipsRect(4080, 0, 11130, 10335));
    Picture1->onDown = [this](int b, int s, float x, float y) { Picture1_MouseDown(b, s, x, y); refreshCanvas(); };
    Picture1->onMove = [this](int b, int s, float x, float y) { Picture1_MouseMove(b, s, x, y); refreshCanvas(); };
    Picture1->onUp = [this](int b, int s, float x, float y) { Picture1_MouseUp(b, s, x, y); refreshCanvas(); };
    Picture1->onClick = [this] { Picture1_Click(); };
    setTabOrder(previous, Picture1);

    Text1 = new QLineEdit(Picture1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(Canvas::defaultFont());
    Text1->resize(2055 / 15, 375 / 15);
    Text1->setAttribute(Qt::WA_TransparentForMouseEvents);
    moveText1(120, 120);
    Text1->hide();
    setTabOrder(Picture1, Text1);
    setTabOrder(Text1, cmberaserwidth);

    central->setMinimumSize((4080 + 11130) / 15, 10335 / 15);
    resize(central->minimumSize());
}

void frmmain::buildMenu() {
    struct Item {
        const char* menu;
        const char* name;
        const char* caption;
        QList<QKeySequence> shortcuts;
        void (frmmain::*handler)();
        bool changesPicture;  // runs as one step of the undo history
    };
    const Item items[] = {
        {"File", "new1", "New", {QKeySequence(Qt::CTRL | Qt::Key_N)}, &frmmain::new1_Click, true},
        {"File", "open1", "Open", {QKeySequence(Qt::CTRL | Qt::Key_O)}, &frmmain::open1_Click, true},
        {"File", "save1", "Save", {QKeySequence(Qt::CTRL | Qt::Key_S)}, &frmmain::save1_Click, true},
        {"File", "saveas1", "Save As", {}, &frmmain::saveas1_Click, true},
        {"Edit", "undo1", "Undo", {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &frmmain::undo1_Click, false},
        {"Edit", "redo1", "Redo",
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}, &frmmain::redo1_Click,
         false},
        {"Edit", "copy1", "Copy Picture", {QKeySequence(Qt::CTRL | Qt::Key_C)}, &frmmain::copy1_Click, false},
        {"Tools", "drawcolor1", "DrawColor", {}, &frmmain::drawcolor1_Click, true},
        {"Tools", "font1", "Text Font - Color", {}, &frmmain::font1_Click, true},
    };
    const std::pair<const char*, const char*> menuNames[] = {{"File", "file1"}, {"Edit", "edit1"}, {"Tools", "tool1"}};
    QMap<QString, QMenu*> menus;
    for (const auto& [caption, name] : menuNames) {
        QMenu* m = menuBar()->addMenu(QLatin1String(caption));
        m->setObjectName(QLatin1String(name));
        connect(m, &QMenu::aboutToShow, this, &frmmain::cancelDrag);  // a menu takes the pointer
        menus.insert(QLatin1String(caption), m);
    }
    for (const Item& it : items) {
        QAction* a = menus.value(QLatin1String(it.menu))->addAction(QString::fromLatin1(it.caption));
        a->setObjectName(QLatin1String(it.name));
        a->setShortcuts(it.shortcuts);
        const auto handler = it.handler;
        const bool step = it.changesPicture;
        connect(a, &QAction::triggered, this, [this, handler, step] {
            cancelDrag();
            if (step)
                asOneStep(handler);
            else
                (this->*handler)();
            refreshCanvas();
        });
        menuItems.insert(QLatin1String(it.name), a);
    }
    QAction* exit = menuBar()->addAction(QStringLiteral("Exit"));
    exit->setObjectName(QStringLiteral("exit1"));
    connect(exit, &QAction::triggered, this, [this] {
        cancelDrag();
        exit1_Click();
    });
    menuItems.insert(QStringLiteral("exit1"), exit);

    // Esc ends a drag without its figure, as in every paint program.
    auto* cancel = new QAction(this);
    cancel->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(cancel, &QAction::triggered, this, &frmmain::cancelDrag);
    addAction(cancel);
}

void frmmain::Form_Load() {
    form.cancelClose = false;
    form.closeConfirmed = false;
    form.currentTool = Tool::None;
    state.prevX = -1;
    state.prevY = -1;
    form.canvasClean = true;
    form.toolsClean = true;
    form.isUntitled = true;
    widths_.fill();
    cmberaserwidth->setCurrentIndex(4);
    state.eraserSize = float(cmberaserwidth->currentText().toDouble() * 10);
    colorchange();
    state.drawColor = 0;
    widths_.selectDraw(1);
    form.fileTitle = QStringLiteral("Untitled");
    setCaption(form.fileTitle);
}

void frmmain::colorchange() {
    const QString sheet = QStringLiteral(
                              "QToolButton { background-color: %1; border: 1px solid #7f8fa6; padding: 0px; }"
                              "QToolButton:hover { border-color: #2f5f9f; }"
                              "QToolButton:pressed { background-color: #b4c8e8; }"
                              "QToolButton:focus { border: 1px dotted #203050; }")
                              .arg(kPaletteColor.name());
    for (QToolButton* b : std::as_const(buttons)) b->setStyleSheet(sheet);
}

void frmmain::setCaption(const QString& name) { setWindowTitle(kCaptionPrefix + name); }

void frmmain::refreshCanvas() { Picture1->refresh(); }

bool frmmain::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) cancelDrag();
    return QMainWindow::event(event);
}

void frmmain::closeEvent(QCloseEvent* event) {
    cancelDrag();
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel) {
        event->ignore();
        return;
    }
    unloaded_ = true;
    event->accept();
}

namespace {

// The first local file among the dropped ones, if any.
QString droppedFile(const QMimeData* mime) {
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

}  // namespace

void frmmain::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void frmmain::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    openFile(path);
}

int frmmain::penWidth() { return widths_.drawWidth(); }
int frmmain::eraserWidth() { return widths_.eraserWidth(); }

void frmmain::moveText1(float left, float top) {
    text1Left_ = left;
    text1Top_ = top;
    Text1->move(Canvas::toPixels(left), Canvas::toPixels(top));
}

void frmmain::followPointer(float x, float y) { moveText1(x + 100, y + 100); }

// A drag, with the text its press stamps, is one step of the undo history.
void frmmain::Picture1_MouseDown(int Button, int Shift, float X, float Y) {
    if (dispatcher_.dragging()) {
        if (Button != dispatcher_.dragButton()) return;  // another button during a drag
        cancelDrag();  // the release of the last press never came
    }
    history.begin();
    dispatcher_.MouseDown(Button, Shift, X, Y);
}

void frmmain::Picture1_MouseMove(int Button, int Shift, float X, float Y) { dispatcher_.MouseMove(Button, Shift, X, Y); }

void frmmain::Picture1_MouseUp(int Button, int Shift, float X, float Y) {
    if (dispatcher_.MouseUp(Button, Shift, X, Y)) history.end();
}

void frmmain::cancelDrag() {
    if (!dispatcher_.dragging()) return;
    dispatcher_.Cancel();
    history.end();
    refreshCanvas();
}

void frmmain::asOneStep(void (frmmain::*handler)()) {
    history.begin();
    (this->*handler)();
    history.end();
}
