#include "QtDialogs.h"

#include "app/window/BusyCursor.h"
#include "core/Canvas.h"
#include "core/Chain.h"
#include "core/Grid.h"
#include "files/Printer.h"
#include "settings/FontColorDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMainWindow>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

int QtDialogs::MsgBox(const QString& text, int style, const QString& title) {
    const UsersTurn turn;
    QMessageBox box(parent_);
    box.setWindowTitle(title);
    box.setText(text);
    const int buttons = style & 0xF;
    const int icon = style & 0xF0;
    box.setIcon(icon == 32 ? QMessageBox::Question : icon == 48 ? QMessageBox::Warning : QMessageBox::NoIcon);
    if (buttons == 3) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    }
    box.setDefaultButton(style & 256 ? QMessageBox::No : QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString QtDialogs::qtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!name.contains(QLatin1Char('('))) name += QStringLiteral(" (%1)").arg(patterns);
        out << name;
    }
    return out.join(QStringLiteral(";;"));
}

// The file dialogs start in the object's folder with the name last chosen,
// never in the folder of a name that may have failed.
static QString startPath(const CommonDialog& d) {
    const QString name = QFileInfo(d.FileName).fileName();
    if (d.InitDir.isEmpty()) return name;
    return name.isEmpty() ? d.InitDir : QDir(d.InitDir).filePath(name);
}

static bool finishFileDialog(CommonDialog& d, const QString& path) {
    if (path.isEmpty()) return false;
    d.FileName = path;
    d.FileTitle = QFileInfo(path).fileName();
    return true;
}

bool QtDialogs::ShowOpen(CommonDialog& d) {
    const UsersTurn turn;
    return finishFileDialog(d, QFileDialog::getOpenFileName(parent_, tr("Open"), startPath(d),
                                                            qtFilter(d.Filter)));
}

bool QtDialogs::ShowSave(CommonDialog& d) {
    const UsersTurn turn;
    // The program asks its own replace question, so Qt's is turned off.
    return finishFileDialog(d, QFileDialog::getSaveFileName(parent_, tr("Save As"), startPath(d),
                                                            qtFilter(d.Filter), nullptr,
                                                            QFileDialog::DontConfirmOverwrite));
}

bool QtDialogs::ShowColor(CommonDialog& d) {
    const UsersTurn turn;
    // The dialog preselects the object's colour only when its flags ask for
    // it; otherwise it starts from black.
    constexpr int kPreselectColor = 1;
    const QColor initial = d.Flags & kPreselectColor ? Canvas::toQColor(d.Color) : QColor(Qt::black);
    const QColor c = QColorDialog::getColor(initial, parent_);
    if (!c.isValid()) return false;
    d.Color = c.red() | (c.green() << 8) | (c.blue() << 16);
    return true;
}

bool QtDialogs::ShowFont(CommonDialog& d) {
    const UsersTurn turn;
    FontColorDialog dialog(parent_);
    dialog.load(d);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.store(d);
    return true;
}

// Each side 1 to 10 000 pixels, or up to the side the canvas has; OK stays
// off while the two make more pixels than any canvas may have.
bool QtDialogs::AskCanvasSize(QSize& size) {
    const UsersTurn turn;
    QDialog dialog(parent_);
    dialog.setWindowTitle(tr("Canvas Size"));
    auto side = [&](const char* name, int value) {
        auto* box = new QSpinBox(&dialog);
        box->setObjectName(QLatin1String(name));
        box->setRange(1, std::max(Canvas::kMaxSide, value));
        box->setValue(value);
        box->setSuffix(tr(" pixels"));
        return box;
    };
    QSpinBox* width = side("width", size.width());
    QSpinBox* height = side("height", size.height());
    auto* tooLarge = new QLabel(&dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    auto check = [&] {
        const bool over = qint64(width->value()) * height->value() > kMaxPicturePixels;
        tooLarge->setText(over ? tr("More than the %1 megapixels a canvas may have.")
                                     .arg(kMaxPicturePixels / 1'000'000)
                               : QString());
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!over);
    };
    QObject::connect(width, &QSpinBox::valueChanged, &dialog, check);
    QObject::connect(height, &QSpinBox::valueChanged, &dialog, check);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(tr("Width:"), width);
    form->addRow(tr("Height:"), height);
    form->addRow(tooLarge);
    form->addRow(buttons);
    check();
    if (dialog.exec() != QDialog::Accepted) return false;
    size = QSize(width->value(), height->value());
    return true;
}

// A whole number from MIN to MAX, asked with VALUE filled in; VALUE is
// the answer unless the user cancelled.
static bool askWholeNumber(QWidget* parent, const QString& title, const QString& label, int& value, int min,
                           int max) {
    const UsersTurn turn;
    bool ok = false;
    const int answer = QInputDialog::getInt(parent, title, label, value, min, max, 1, &ok);
    if (ok) value = answer;
    return ok;
}

bool QtDialogs::AskGridSpacing(int& spacing) {
    return askWholeNumber(parent_, tr("Grid Spacing"), tr("Pixels between grid lines:"), spacing, Grid::kMinSpacing,
                          Grid::kMaxSpacing);
}

bool QtDialogs::AskTolerance(int& value) {
    return askWholeNumber(parent_, tr("Fill Tolerance"),
                          tr("How far a colour may differ from the pressed one (0 to 255):"), value, 0, 255);
}

bool QtDialogs::AskChainGap(int& gap) {
    return askWholeNumber(parent_, tr("Chain Gap"), tr("Pixels between a figure and the next one chained from it:"),
                          gap, Chain::kMinGap, Chain::kMaxGap);
}

bool QtDialogs::ShowPrinter(Printer& printer) {
    const UsersTurn turn;
    return printer.ask(parent_);
}

// A key as the menus show it ("Strg+Z" in German); a gesture in words as it is.
static QString shownKey(const QString& key) {
    const QKeySequence sequence = QKeySequence::fromString(key, QKeySequence::PortableText);
    if (sequence.isEmpty() || sequence.toString(QKeySequence::PortableText) != key) return key;
    return sequence.toString(QKeySequence::NativeText);
}

// The keys in two columns, each group a bold heading over its rows. Every
// text is a label that wraps at word boundaries, so that no row is ever cut
// short, whatever the language and the dialog's width.
std::unique_ptr<QDialog> QtDialogs::shortcutsDialog(QWidget* parent, const QList<KeyRow>& rows) {
    auto dialog = std::make_unique<QDialog>(parent);
    dialog->setWindowTitle(tr("Keyboard Shortcuts"));
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setHorizontalSpacing(16);
    int line = 0;
    auto add = [&](const QString& text, int column, int span, bool bold) {
        auto* label = new QLabel(text);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (bold) {
            QFont font = label->font();
            font.setBold(true);
            label->setFont(font);
        }
        grid->addWidget(label, line, column, 1, span);
    };
    add(tr("Keys"), 0, 1, true);
    add(tr("What they do"), 1, 1, true);
    QString group;
    for (const KeyRow& row : rows) {
        if (line == 0 || group != row.group) {
            group = row.group;
            ++line;
            add(QCoreApplication::translate("Shortcuts", group.toUtf8().constData()), 0, 2, true);
        }
        QStringList keys;
        for (const QString& k : row.keys) keys << shownKey(k);
        ++line;
        add(keys.join(QStringLiteral(", ")), 0, 1, false);
        add(row.does, 1, 1, false);
    }
    grid->setRowStretch(line + 1, 1);
    auto* list = new QScrollArea(dialog.get());
    list->setObjectName(QStringLiteral("shortcuts"));
    list->setWidgetResizable(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setWidget(page);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog.get());
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog.get(), &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog.get());
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog->resize(760, 620);
    return dialog;
}

void QtDialogs::ShowShortcuts(const QList<KeyRow>& rows) { shortcutsDialog(parent_, rows)->exec(); }

void QtDialogs::ShowAbout(const QString& title, const QString& text) { QMessageBox::about(parent_, title, text); }

void QtDialogs::ShowAboutQt() { QMessageBox::aboutQt(parent_, tr("About Qt")); }

void QtDialogs::Message(const QString& title, const QString& text) {
    const UsersTurn turn;
    QMessageBox::warning(parent_, title, text);
}

// No modal box opens inside the working bar's painting: it waits for the
// work's end.
void QtDialogs::Notice(const QString& title, const QString& text) {
    if (busy_ > 0)
        held_.append({title, text});
    else
        Message(title, text);
}

// The work runs on the window's thread: the window takes no input before it
// ends, so no second command can start meanwhile.
void QtDialogs::Busy(bool busy) {
    if (busy && busy_++ == 0) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        working_ = std::make_unique<WorkingBar>(parent_);
    } else if (!busy && busy_ > 0 && --busy_ == 0) {
        working_.reset();
        QApplication::restoreOverrideCursor();
        for (const auto& [title, text] : std::exchange(held_, {})) Message(title, text);
    }
}
