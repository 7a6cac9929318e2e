// Open, Save and Save As.
#include "app/frmmain.h"
#include "files/FileCommands.h"
#include "files/PictureFile.h"

#include <QFileInfo>

namespace {

const QString kTitle = QStringLiteral("Tavimbre");

// Writes the canvas's image; a failure is told to the user.
bool writeCanvas(frmmain& w, const QString& path) {
    const QString error = savePicture(w.canvas.Image(), path);
    if (error.isEmpty()) return true;
    w.dialogs.Message(kTitle, error);
    return false;
}

// The next file dialog starts where the last open or save succeeded.
void rememberFolder(frmmain& w, const QString& path) { w.cdlforfunctions.InitDir = QFileInfo(path).absolutePath(); }

// Only a file counts; a folder of that name is not offered for replacing.
bool fileExists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

}  // namespace

void FileCommands::prepareFileDialog(CommonDialog& d) {
    d.Filter = QStringLiteral("JPEG files (*.jpg)|*.jpg|GIF files (*.GIF)|*.GIF|Bitmap files (*.bmp)|*.bmp|"
                              "All files (*.*)|*.*");
    d.CancelError = true;
}

bool FileCommands::saveUnderChosenName(frmmain& w) {
    CommonDialog& d = w.cdlforfunctions;
    for (;;) {
        prepareFileDialog(d);
        if (!w.dialogs.ShowSave(d) || d.FileName.isEmpty()) return false;
        const QString path = d.FileName;
        const QString title = d.FileTitle;
        if (fileExists(path)) {
            w.form.msgAnswer = QString::number(w.dialogs.MsgBox(
                path + QStringLiteral(" already exists.\r\nDo you want to replace it?"), MsgStyle::YesNoQuestion,
                QStringLiteral("Warning")));
            if (w.form.msgAnswer.toInt() != Answer::Yes) continue;  // the dialog again
        }
        if (!writeCanvas(w, path)) return false;
        rememberFolder(w, path);
        w.form.filePath = path;
        w.form.fileTitle = title;
        w.form.isUntitled = false;
        w.form.canvasClean = true;
        w.form.toolsClean = true;
        w.setCaption(w.form.filePath);
        return true;
    }
}

bool FileCommands::save(frmmain& w) {
    prepareFileDialog(w.cdlforfunctions);
    if (w.form.isUntitled) return saveUnderChosenName(w);
    if (!writeCanvas(w, w.form.filePath)) return false;
    rememberFolder(w, w.form.filePath);
    w.form.canvasClean = true;
    w.form.toolsClean = true;
    w.setCaption(w.form.filePath);
    return true;
}

void frmmain::save1_Click() { FileCommands::save(*this); }

void frmmain::saveas1_Click() { FileCommands::saveUnderChosenName(*this); }

// Yes to the change question saves and ends the command; the user opens again.
// The change question of Open: Yes saves and ends the command, so that the
// user opens again; only No, or an unchanged picture, lets Open go on.
static bool openMayGoOn(frmmain& w) {
    FileCommands::prepareFileDialog(w.cdlforfunctions);
    if (!w.form.pictureChanged()) return true;
    const int answer = FileCommands::askToSaveChanges(w, FileCommands::Asker::Open);
    if (answer == Answer::Yes) FileCommands::save(w);
    return answer == Answer::No;
}

void frmmain::open1_Click() {
    if (!openMayGoOn(*this)) return;
    if (!dialogs.ShowOpen(cdlforfunctions) || cdlforfunctions.FileName.isEmpty()) return;
    loadPictureFile(cdlforfunctions.FileName, cdlforfunctions.FileTitle);
}

void frmmain::openFile(const QString& path) {
    cancelDrag();
    history.begin();
    if (openMayGoOn(*this)) loadPictureFile(path, QFileInfo(path).fileName());
    history.end();
    refreshCanvas();
}

void frmmain::loadPictureFile(const QString& path, const QString& title) {
    const LoadedPicture picture = loadPicture(path);
    if (picture.image.isNull()) {
        dialogs.Message(kTitle, picture.error);
        return;
    }
    if (const QString problem = canvas.Picture(picture.image, path); !problem.isEmpty()) {
        dialogs.Message(kTitle, cannotOpen(path, problem));
        return;
    }
    rememberFolder(*this, path);
    form.filePath = path;
    form.fileTitle = title;
    setCaption(form.filePath);
    form.isUntitled = false;
    form.canvasClean = true;
}
