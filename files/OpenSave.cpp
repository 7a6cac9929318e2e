// Open, Save and Save As.
#include "files/FileCommands.h"
#include "files/PictureFile.h"

#include <QFileInfo>
#include <QCoreApplication>

namespace {

const QString kTitle = QStringLiteral("Tavimbre");

// The chart's text for a PNG at PATH, none for another format. A chart too
// long for readers to take back is left out, and the status bar says so.
QByteArray chartFor(FileContext& c, const LocalPath& path, const QImage& image) {
    if (!keepsChart(path.shown()) || !ChartText::holdsAnything(c.doc.chart())) return {};
    QByteArray text = ChartText::write(c.doc.chart(), image);
    if (text.size() <= ChartText::kMaxBytes) return text;
    c.note(QCoreApplication::translate("FileCommands",
                                       "The chart is too large to keep in the file: the picture was saved without it."));
    return {};
}

// Writes the canvas's image, and in a PNG its chart; a failure is told to the user.
bool writeCanvas(FileContext& c, const LocalPath& path, FileStamp& written) {
    const QImage& image = c.doc.canvas.Image();
    const QString error = savePicture(image, path, false, &written, chartFor(c, path, image));
    if (error.isEmpty()) return true;
    c.dialogs.Message(kTitle, error);
    return false;
}

// The next file dialog starts where the last open or save succeeded.
void rememberFolder(FileContext& c, const LocalPath& path) {
    c.fileDialog.InitDir = QFileInfo(path.shown()).absolutePath();
}

// Only a file counts; a folder of that name is not offered for replacing.
bool fileExists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

// A written picture counts as unchanged, and the caption names its file. A
// new name is a step of the undo history, so that undo and redo give each
// picture the name it had there.
void markSaved(FileContext& c, const LocalPath& path, const QString& title, const FileStamp& written) {
    rememberFolder(c, path);
    c.doc.saved({path, title, false, path.shown(), written});
}

// Another program (another window on the same file) may have written the
// picture's file since this window read or wrote it: Save asks before it
// replaces that work, No the default.
bool mayWriteOver(FileContext& c, const FileIdentity& id) {
    if (!changedSince(id.path, id.stamp)) return true;
    const QString question = QCoreApplication::translate("FileCommands",
                                                         "The file %1 has been changed by another program since it "
                                                         "was opened. Replace it with this picture?")
                                 .arg(id.title);
    c.msgAnswer = QString::number(c.dialogs.MsgBox(question, MsgStyle::YesNoWarningNoFirst, kTitle));
    return c.msgAnswer.toInt() == Answer::Yes;
}

// The change question of Open: Yes saves and ends the command, so that the
// user opens again; only No, or an unchanged picture, lets Open go on.
bool openMayGoOn(FileContext& c) {
    FileCommands::prepareFileDialog(c.fileDialog);
    if (!c.doc.pictureChanged()) return true;
    const int answer = FileCommands::askToSaveChanges(c, FileCommands::Asker::Open);
    if (answer == Answer::Yes) FileCommands::save(c);
    return answer == Answer::No;
}

void loadPictureFile(FileContext& c, const LocalPath& path, const QString& title) {
    FileStamp read;
    const LoadedPicture picture = loadPicture(path, &read);
    if (picture.image.isNull()) {
        c.dialogs.Message(kTitle, picture.error);
        return;
    }
    const FileIdentity id{path, title, false, path.shown(), read};
    if (const QString problem = c.doc.replacePicture(picture.image, path.shown(), id, picture.chart);
        !problem.isEmpty()) {
        c.dialogs.Message(kTitle, cannotOpen(path.shown(), problem));
        return;
    }
    rememberFolder(c, path);
    c.doc.opened(id);
    c.doc.chartInFile = picture.chartFound;
    if (picture.chartFound == ChartInFile::Mismatch)
        c.note(QCoreApplication::translate(
            "FileCommands", "The chart in this file no longer matches its picture; it opens as a plain picture."));
    else if (picture.chartFound == ChartInFile::Damaged)
        c.note(QCoreApplication::translate("FileCommands",
                                           "The chart in this file is damaged; it opens as a plain picture."));
}

}  // namespace

void FileCommands::prepareFileDialog(CommonDialog& d) {
    // The names are in the user's language; the patterns never change.
    d.Filter = QStringLiteral("%1 (*.jpg)|*.jpg|%2 (*.GIF)|*.GIF|%3 (*.bmp)|*.bmp|%4 (*.*)|*.*")
                   .arg(QCoreApplication::translate("FileCommands", "JPEG files"),
                        QCoreApplication::translate("FileCommands", "GIF files"),
                        QCoreApplication::translate("FileCommands", "Bitmap files"),
                        QCoreApplication::translate("FileCommands", "All files"));
    d.CancelError = true;
}

bool FileCommands::mayReplace(FileContext& c, const QString& path) {
    if (!fileExists(path)) return true;
    const QString question =
        QCoreApplication::translate("FileCommands", "%1 already exists.\r\nDo you want to replace it?").arg(path);
    const QString title = QCoreApplication::translate("FileCommands", "Warning");
    c.msgAnswer = QString::number(c.dialogs.MsgBox(question, MsgStyle::YesNoQuestion, title));
    return c.msgAnswer.toInt() == Answer::Yes;
}

bool FileCommands::saveUnderChosenName(FileContext& c) {
    CommonDialog& d = c.fileDialog;
    for (;;) {
        prepareFileDialog(d);
        if (!c.dialogs.ShowSave(d) || d.FileName.isEmpty()) return false;
        const QString path = d.FileName;
        const QString title = d.FileTitle;
        if (!mayReplace(c, path)) continue;  // the dialog again
        FileStamp written;
        if (!writeCanvas(c, path, written)) return false;
        markSaved(c, path, title, written);
        return true;
    }
}

bool FileCommands::save(FileContext& c) {
    prepareFileDialog(c.fileDialog);
    if (c.doc.identity().untitled) return saveUnderChosenName(c);
    const FileIdentity id = c.doc.identity();
    if (!mayWriteOver(c, id)) return false;
    FileStamp written;
    if (!writeCanvas(c, id.path, written)) return false;
    markSaved(c, id.path, id.title, written);
    return true;
}

void FileCommands::open(FileContext& c) {
    if (!openMayGoOn(c)) return;
    if (!c.dialogs.ShowOpen(c.fileDialog) || c.fileDialog.FileName.isEmpty()) return;
    loadPictureFile(c, c.fileDialog.FileName, c.fileDialog.FileTitle);
}

void FileCommands::openNamed(FileContext& c, const LocalPath& path) {
    if (openMayGoOn(c)) loadPictureFile(c, path, path.fileName());
}
