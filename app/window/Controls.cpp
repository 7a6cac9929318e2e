// The window's controls at their design positions: the labels, the width
// boxes, the text box, the palette and the canvas in its scroll area.
#include "app/window/frmmain.h"

#include "app/canvas/CanvasScroller.h"
#include "app/canvas/CanvasView.h"
#include "app/canvas/StatusLine.h"
#include "app/palette/Palette.h"
#include "app/palette/PaletteButton.h"
#include "app/palette/PaletteIcons.h"
#include "app/canvas/PictureFrame.h"
#include "app/window/LabelTyping.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>

namespace {

// Positions in the design are twips; the window is laid out in pixels.
QRect twipsRect(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

// "MS Sans Serif" has no face of its own here; Arial's metric twin stands in.
QFont boldLabelFont() {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(9.75);
    f.setBold(true);
    return f;
}

// A control left with the form's default font takes the desktop's face, as
// the width boxes do, at the form's default size; only the size is set, so
// the face still follows the desktop's.
QFont formDefaultFont() {
    QFont f;
    f.setPointSizeF(8.25);
    return f;
}

// The left column takes the window's height, with a scroll bar of its own
// when it is taller; the canvas's scroll area fills the rest.
class CentralArea : public QWidget {
public:
    QScrollArea* column = nullptr;
    QWidget* scroller = nullptr;

protected:
    void resizeEvent(QResizeEvent*) override {
        if (!column || !scroller) return;
        const bool scrolls = column->widget()->height() > height();
        const int left = 272 + (scrolls ? column->verticalScrollBar()->sizeHint().width() : 0);
        column->setGeometry(0, 0, left, height());
        scroller->setGeometry(left, 0, std::max(0, width() - left), height());
    }
};

}  // namespace

void frmmain::buildControls() {
    auto* central = new CentralArea;
    central->setAutoFillBackground(true);
    QPalette pal = central->palette();
    pal.setColor(QPalette::Window, Qt::white);
    central->setPalette(pal);
    setCentralWidget(central);
    // Every control of the left column keeps its design place in it.
    auto* controls = new QWidget;
    controls->setObjectName(QStringLiteral("leftColumn"));
    controls->setPalette(pal);
    controls->setAutoFillBackground(true);
    controls->resize(272, 10335 / 15);
    auto* column = new QScrollArea(central);
    column->setFrameShape(QFrame::NoFrame);
    column->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    column->setWidget(controls);
    column->setGeometry(0, 0, 272, 10335 / 15);
    // Reached by Tab only: a click on a palette button leaves the focus
    // where it was, as the buttons' own policy asks.
    column->setFocusPolicy(Qt::TabFocus);
    static_cast<CentralArea*>(central)->column = column;

    auto label = [&](const char* name, const QString& caption, QRect where, bool bold) {
        auto* l = new QLabel(caption, controls);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(where);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setFont(bold ? boldLabelFont() : formDefaultFont());
        return l;
    };
    QLabel* drawWidthLabel = label("lblwidth", tr("Draw width"), twipsRect(120, 240, 1215, 375), true);
    QLabel* eraserWidthLabel = label("lbleraserwidth", tr("Eraser width"), twipsRect(120, 600, 1335, 255), true);
    QLabel* textLabel = label("Label1", tr("Enter Text"), twipsRect(120, 960, 1215, 375), true);
    label("Label2",
          tr("To write the text to picture box,  write text in above textbox and click left mouse "
             "button at the specified position of the picture."),
          twipsRect(120, 1440, 3855, 615), false)
        ->setWordWrap(true);

    auto combo = [&](const char* name, QRect where) {
        auto* c = new QComboBox(controls);
        c->setObjectName(QLatin1String(name));
        // Editable through a line edit as setEditable would give it, but the
        // drop-down list is built when it is first opened, not at start.
        auto* edit = new QLineEdit(c);
        edit->setPalette(c->palette());
        c->setLineEdit(edit);
        // Every start of an entry is itself an entry ("1" to "20"): the
        // completer Qt gives an editable box could never add a character,
        // and is let go rather than kept and updated at every choice.
        edit->setCompleter(nullptr);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setGeometry(where);
        return c;
    };
    cmbDrawWidth = combo("cmbDrawWidth", twipsRect(1560, 240, 2415, 315));
    cmberaserwidth = combo("cmberaserwidth", twipsRect(1560, 600, 2415, 315));
    cmbDrawWidth->setEditText(tr("--Select--"));
    cmberaserwidth->setEditText(tr("--Select--"));
    // A screen reader reads an editable box by its text; its label, as its
    // buddy, is what names it.
    drawWidthLabel->setBuddy(cmbDrawWidth);
    eraserWidthLabel->setBuddy(cmberaserwidth);
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

    txtinsert = new QLineEdit(controls);
    txtinsert->setObjectName(QStringLiteral("txtinsert"));
    txtinsert->setGeometry(twipsRect(1560, 960, 2415, 375));
    txtinsert->setFont(Canvas::defaultFont());
    txtinsert->setAccessibleName(textLabel->text());
    textLabel->setBuddy(txtinsert);
    connect(txtinsert, &QLineEdit::textChanged, this, [this] {
        cancelDrag();
        txtinsert_Change();
        refreshCanvas();
    });
    connect(txtinsert, &QLineEdit::returnPressed, this, [this] {
        txtinsert_KeyPress(13);
        refreshCanvas();
    });

    QWidget* previous = txtinsert;
    setTabOrder(cmbDrawWidth, txtinsert);
    const auto& entries = paletteEntries();
    for (size_t i = 0; i < entries.size(); ++i) {
        const PaletteEntry& e = entries[i];
        auto* b = new PaletteButton(controls);
        b->setObjectName(QLatin1String(e.name));
        b->setText(e.shownCaption());
        b->setToolTip(e.shownToolTip());
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        QFont f(QStringLiteral("Courier New"));
        f.setPointSizeF(e.pointSize);
        f.setBold(true);
        b->setFont(f);
        b->setGeometry(twipsRect(kPaletteLeft[i % 3], kPaletteTop + kPaletteRowStep * int(i / 3), kButtonWidth,
                                 kButtonHeight));
        b->setFocusPolicy(Qt::TabFocus);
        connect(b, &QToolButton::clicked, this, [this, &e] {
            paletteClick(e);
            refreshCanvas();
        });
        b->onDoubleClick = [this, &e] {
            paletteDoubleClick(e);
            refreshCanvas();
        };
        buttons.insert(QLatin1String(e.name), b);
        setTabOrder(previous, b);
        previous = b;
    }
    setPaletteIcons(buttons, entries);
    buildCanvas(central);
    setTabOrder(previous, Picture1);
    setTabOrder(Picture1, Text1);
    setTabOrder(Text1, cmberaserwidth);
    auto* typing = new LabelTyping(*txtinsert, this);
    for (QToolButton* b : std::as_const(buttons)) typing->watchButton(b);
    typing->watchCanvas(Picture1);
    typing->watchCanvas(scroller_);
    // The canvas has the focus at start, so that typing reaches the label.
    Picture1->setFocus(Qt::OtherFocusReason);
}

// The canvas: its view in the frame with the handles, in its scroll area,
// the floating text preview over it and the status line below.
void frmmain::buildCanvas(QWidget* central) {
    Picture1 = new CanvasView(canvas, doc.selection);
    Picture1->setAccessibleName(tr("Picture"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFocusPolicy(Qt::ClickFocus);  // a click gives it the focus; Tab passes it by, as before
    Picture1->setGrid(&grid);
    frame_ = new PictureFrame(*Picture1, canvas, gestures_);
    frame_->onResize = [this](QSize size) { resizeByHandle(size); };
    frame_->onAsked = [this] {
        if (status_) status_->refresh();
    };
    scroller_ = new CanvasScroller(frame_, *Picture1, central);
    static_cast<CentralArea*>(central)->scroller = scroller_;
    scroller_->setGeometry(twipsRect(4080, 0, 11130, 10335));
    scroller_->onZoomed = [this] {
        moveText1(text1Left_, text1Top_);
        status_->refresh();
    };
    Picture1->onDown = [this](int b, int s, float x, float y) { Picture1_MouseDown(b, s, x, y); refreshCanvas(); };
    Picture1->onMove = [this](int b, int s, float x, float y) { Picture1_MouseMove(b, s, x, y); refreshCanvas(); };
    Picture1->onLeave = [this] { form.pointer.reset(); };
    Picture1->onUp = [this](int b, int s, float x, float y) { Picture1_MouseUp(b, s, x, y); refreshCanvas(); };
    Picture1->onClick = [this] { Picture1_Click(); };
    // The eraser whitens at every point it passes; a selection moves only.
    Picture1->movesMayWait = [this] {
        return gestures_.owner() == &toolGesture_ && dispatcher_.dragging() && form.currentTool != Tool::Eraser;
    };

    Text1 = new QLineEdit(Picture1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(tr("Enter Text"));  // the typed text, floating beside the pointer
    Text1->setFont(Canvas::defaultFont());
    Text1->resize(2055 / 15, 375 / 15);
    Text1->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(Text1, &QLineEdit::textChanged, this, &frmmain::fitText1);
    moveText1(120, 120);
    Text1->hide();
    status_ = new StatusLine(doc, dispatcher_, state, *Picture1, statusBar());
    status_->setObjectName(QStringLiteral("status"));
    status_->currentTool = &form.currentTool;
    status_->frame = frame_;
    status_->pressTools = &pressTools;
    files_.note = [this](const QString& note) { status_->note(note); };
    statusBar()->addWidget(status_, 1);
}

