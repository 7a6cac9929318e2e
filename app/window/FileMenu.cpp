// The File menu, Exit and the closing of the window.
#include "app/window/CommandTable.h"
#include "app/window/frmmain.h"

#include "app/canvas/StatusLine.h"
#include "files/PdfExport.h"
#include "files/Printer.h"

#include <QPagedPaintDevice>

using FileCommands::Asker;

void frmmain::new1_Click() { FileCommands::newPicture(files_); }

void frmmain::open1_Click() { FileCommands::open(files_); }

void frmmain::save1_Click() { FileCommands::save(files_); }

void frmmain::saveas1_Click() { FileCommands::saveUnderChosenName(files_); }

// Print and Export as PDF hold the picture as the window shows it.
void frmmain::print1_Click() {
    const QString failed = tr("The picture could not be printed: %1");
    Printer printer(doc.identity().title);
    if (!printer.device()) {
        dialogs.Message(QStringLiteral("Tavimbre"), failed.arg(printer.why()));
        return;
    }
    printer.device()->setPageOrientation(canvas.Image().width() > canvas.Image().height() ? QPageLayout::Landscape
                                                                                          : QPageLayout::Portrait);
    if (!dialogs.ShowPrinter(printer)) return;
    if (const QString file = printer.file(); !file.isEmpty()) {
        printIntoFile(printer, file);
        return;
    }
    if (const QString problem = paintPictureOnPage(*printer.device(), doc.selection.shown()); !problem.isEmpty())
        dialogs.Message(QStringLiteral("Tavimbre"), failed.arg(problem));
}

// Qt's printer would truncate the file and write it itself, telling
// nothing of a disk that refused bytes: the page is written as an export is,
// on the paper and the way round the print dialog chose.
void frmmain::printIntoFile(const Printer& printer, const QString& file) {
    if (!printer.replaceAsked() && !FileCommands::mayReplace(files_, file)) return;
    if (const QString reason =
            writePdf(doc.selection.shown(), file, doc.identity().title, printer.device()->pageLayout());
        !reason.isEmpty())
        dialogs.Message(QStringLiteral("Tavimbre"), tr("The picture could not be printed into \"%1\": %2").arg(file, reason));
}

void frmmain::exportpdf1_Click() {
    cdlforpdf_.Filter = QStringLiteral("PDF (*.pdf)|*.pdf");
    if (!dialogs.ShowSave(cdlforpdf_) || !FileCommands::mayReplace(files_, cdlforpdf_.FileName)) return;
    if (const QString problem = exportPdf(doc.selection.shown(), cdlforpdf_.FileName, doc.identity().title);
        !problem.isEmpty())
        dialogs.Message(QStringLiteral("Tavimbre"), problem);
    else
        status_->note(tr("Exported to %1").arg(cdlforpdf_.FileTitle));
}

bool frmmain::openFile(const LocalPath& path) {
    runCommand(Command::kOpenFile, [&] { FileCommands::openNamed(files_, path); });
    return !doc.identity().untitled && doc.identity().path == path;
}

void frmmain::openAtStart(const LocalPath& path) {
    if (!recovery.offer() && !path.isEmpty()) openFile(path);
}

// From the menu, Yes saves and leaves the window open. Inside a close, a
// Cancel, or a Yes whose save does not take place, keeps the window open.
void frmmain::exit1_Click() {
    // Inside a close the close under way goes on; no second one is started.
    auto askToClose = [this] {
        if (!unloading_) close();
    };
    if (!doc.pictureChanged()) {
        askToClose();
        return;
    }
    const int answer = FileCommands::askToSaveChanges(files_, Asker::NewOrExit);
    if (answer == Answer::Yes) {
        if (!FileCommands::save(files_) && unloading_) form.cancelClose = true;
    } else if (answer == Answer::No) {
        form.closeConfirmed = true;
        askToClose();
    } else if (unloading_) {
        form.cancelClose = true;
    }
}

void frmmain::Form_Unload(bool& cancel) {
    cancel = false;
    if (!form.closeConfirmed) {
        unloading_ = true;
        exit1_Click();
        unloading_ = false;
    }
    if (form.cancelClose) {
        cancel = true;
        form.cancelClose = false;
    }
}
