// The draw colour and the text font commands, their shared dialog object,
// and the real dialogs behind them, which hold a notice during long work.
#include "Harness.h"

#include "app/window/QtDialogs.h"
#include "settings/FontColorDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <functional>

namespace {

// Runs `act` on the modal dialog as soon as it is up.
void whenModal(std::function<void(QDialog*)> act) {
    QTimer::singleShot(0, [act] { act(qobject_cast<QDialog*>(QApplication::activeModalWidget())); });
}

QString lookOf(const QLineEdit* box) {
    const QFont f = box->font();
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(f.family())
        .arg(f.pointSizeF())
        .arg(f.bold())
        .arg(f.italic())
        .arg(f.underline())
        .arg(box->palette().color(QPalette::Text).name());
}

}  // namespace

TEST(DrawColor, TheChosenColourFinishesTheNextFigure) {
    struct Case {
        const char* answer;
        const char* drawColor;
        QRgb pixel;
    } cases[] = {{"color cancel", "0", qRgb(0, 0, 0)}, {"color 16711680", "16711680", qRgb(0, 0, 255)}};
    for (const Case& c : cases) {
        Harness h;
        h.run({c.answer, "menu drawcolor1", "click cmdSquare", "down 1 0 1500 1500", "move 1 0 4500 4500",
               "up 1 0 4500 4500"});
        EXPECT_TRUE(h.out.contains("dialog color"));
        EXPECT_EQ(h.dumped("drawColor"), c.drawColor);
        EXPECT_EQ(h.trace.last(), QStringLiteral("box 13 2 1500 1500 4500 4500 %1").arg(c.drawColor));
        EXPECT_EQ(h.image().pixel(200, 100), c.pixel) << c.answer;
    }
}

TEST(TextFont, TheChoiceReachesBothBoxesAndTheCanvas) {
    struct Case {
        QStringList script;
        QString look;  // face size bold italic underline colour
        QStringList dump;
    } cases[] = {
        {{"font 14 1 0 0 0 255 Liberation Serif", "menu font1"},
         "Liberation Serif 14 1 0 0 #ff0000",
         {"Liberation Serif", "14", "true", "false", "false", "255"}},
        {{"font cancel", "menu font1"}, "Arial 9.75 1 0 0 #000000", {"Arial", "9.75", "true", "false", "false", "0"}},
        {{"font 12 0 1 1 1 65280 DejaVu Sans", "menu font1", "font cancel", "menu font1"},
         "DejaVu Sans 12 0 1 1 #00ff00",
         {"DejaVu Sans", "12", "false", "true", "true", "65280"}},
        // Sizes the canvas cannot print end the command with nothing changed.
        {{"font 0 1 0 0 0 255 DejaVu Sans", "menu font1"}, "Arial 9.75 1 0 0 #000000",
         {"Arial", "9.75", "true", "false", "false", "0"}},
        {{"font 1e9 1 0 0 0 255 DejaVu Sans", "menu font1"}, "Arial 9.75 1 0 0 #000000",
         {"Arial", "9.75", "true", "false", "false", "0"}},
    };
    for (const Case& c : cases) {
        Harness h;
        h.run(c.script);
        const QString name = c.script.join("; ");
        EXPECT_EQ(lookOf(h.w->txtinsert), c.look) << qPrintable(name);
        EXPECT_EQ(lookOf(h.w->Text1), c.look) << qPrintable(name);
        QStringList dump;
        for (const char* key : {"FontName", "FontSize", "FontBold", "FontItalic", "FontUnderline", "ForeColor"})
            dump << h.dumped(QLatin1String(key));
        EXPECT_EQ(dump, c.dump) << qPrintable(name);
    }
}

// The dialog object keeps what each command left in it: the font command's
// flags and choice, the colour either command chose.
TEST(TextFont, TheDialogObjectIsSharedAndPersists) {
    Harness h;
    h.run({"font cancel", "menu font1"});
    const CommonDialog& d = h.w->cdlforcolor;
    // Never used before: it opens with the text font.
    EXPECT_EQ(d.FontName, "Arial");
    EXPECT_EQ(d.FontSize, 9.75f);
    EXPECT_TRUE(d.FontBold);
    EXPECT_EQ(d.Flags, 259);
    h.run({"font 14 1 0 0 1 255 Liberation Serif", "menu font1", "color cancel", "menu drawcolor1"});
    EXPECT_EQ(d.FontName, "Liberation Serif");
    EXPECT_EQ(d.FontSize, 14.0f);
    EXPECT_TRUE(d.FontStrikethru);
    EXPECT_EQ(d.Color, 255);
    EXPECT_EQ(d.Flags, 259);
    EXPECT_EQ(h.dumped("drawColor"), "0");
    h.run({"color 16711680", "menu drawcolor1", "font cancel", "menu font1"});
    EXPECT_EQ(d.Color, 16711680);  // what the font dialog now shows
    EXPECT_EQ(h.dumped("ForeColor"), "255");
}

TEST(FontColorDialog, ShowsAndReturnsTheDialogObjectsFont) {
    CommonDialog in;
    in.FontName = QStringLiteral("Arial");  // an alias: it keeps its own name
    in.FontSize = 9.75f;
    in.FontBold = true;
    in.FontUnderline = true;
    in.FontStrikethru = true;
    in.Color = 255;
    FontColorDialog dialog;
    dialog.load(in);
    CommonDialog out;
    dialog.store(out);
    EXPECT_EQ(out.FontName, in.FontName);
    EXPECT_EQ(out.FontSize, in.FontSize);
    EXPECT_EQ((QList<bool>{out.FontBold, out.FontItalic, out.FontUnderline, out.FontStrikethru}),
              (QList<bool>{true, false, true, true}));
    EXPECT_EQ(out.Color, 255);

    dialog.findChild<QFontComboBox*>(QStringLiteral("face"))->setCurrentFont(QFont(QStringLiteral("DejaVu Serif")));
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("size"))->setValue(14);
    dialog.setColor(QColor(0, 0, 255));
    dialog.store(out);
    EXPECT_EQ(out.FontName, "DejaVu Serif");
    EXPECT_EQ(out.FontSize, 14.0f);
    EXPECT_EQ(out.Color, 16711680);
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("sample"))->font().family(), "DejaVu Serif");

    // The largest size shows in the sample without growing the dialog.
    dialog.show();
    QApplication::processEvents();
    const QSize shown = dialog.size();
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("size"))->setValue(1000);
    QApplication::processEvents();
    EXPECT_EQ(dialog.size(), shown);
}

// The colour dialog preselects the object's colour once the font command's
// flags are set; before that it starts from black.
TEST(QtDialogs, ColorDialogPreselectsOnlyWithTheFlags) {
    struct Case {
        int flags;
        QColor shown;
    } cases[] = {{0, Qt::black}, {259, Qt::red}};
    for (const Case& c : cases) {
        QtDialogs dialogs;
        CommonDialog d;
        d.Flags = c.flags;
        d.Color = 255;
        QColor shown;
        whenModal([&shown](QDialog* dlg) {
            shown = static_cast<QColorDialog*>(dlg)->currentColor();
            dlg->reject();
        });
        EXPECT_FALSE(dialogs.ShowColor(d));
        EXPECT_EQ(shown, c.shown) << c.flags;
        EXPECT_EQ(d.Color, 255);
    }
}

// A message from background work that ends during a command's long work
// waits for the work's end: no modal box opens while the working bar paints.
// A box the work itself opens shows the normal cursor over the busy one.
TEST(QtDialogs, ANoticeDuringLongWorkWaitsForItsEnd) {
    QtDialogs dialogs;
    QStringList shown;
    QTimer closer;
    closer.callOnTimeout([&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            const QCursor* cursor = QApplication::overrideCursor();
            shown << box->text() + (cursor && cursor->shape() == Qt::WaitCursor ? " (busy cursor)" : "");
            box->close();
        }
    });
    closer.start(5);
    dialogs.Busy(true);
    dialogs.Notice("Tavimbre", "first");
    EXPECT_EQ(shown, QStringList());
    // A question the work asks shows the normal cursor while it waits.
    dialogs.MsgBox("Replace it?", 4 + 32, "Tavimbre");
    EXPECT_EQ(shown, QStringList({"Replace it?"}));
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    shown.clear();
    dialogs.Busy(false);
    EXPECT_EQ(shown, QStringList({"first"}));
    dialogs.Notice("Tavimbre", "second");
    EXPECT_EQ(shown, QStringList({"first", "second"}));
}
