// What users expect of a desktop program: the command line, a picture named
// on it or dropped on the window.
#include "Harness.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

namespace {

// Runs the program as if no display were there at all, input on a pipe;
// LANGUAGE ("LANG=de_DE.UTF-8", ...), when given, replaces the locale's
// variables.
QString runProgram(const QStringList& args, int* exitCode, const QByteArray& input, const QStringList& language = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QLatin1String(name));
    if (!language.isEmpty())
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) env.remove(QLatin1String(name));
    for (const QString& setting : language)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TAVIMBRE_EXE), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    *exitCode = p.exitCode();
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}

QString makePicture(const QTemporaryDir& dir, const QString& name) {
    QImage img(300, 200, QImage::Format_RGB32);
    img.fill(Qt::darkCyan);
    const QString path = dir.filePath(name);
    img.save(path, "BMP");
    return path;
}

void drop(frmmain& w, const QString& path) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(500, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &enter);
    QDropEvent event(QPointF(500, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &event);
}

}  // namespace

TEST(CommandLine, HelpVersionAndScriptsNeedNoDisplay) {
    QTemporaryDir dir;
    const QString chart = makePicture(dir, QStringLiteral("chart.bmp"));
    const QString script = dir.filePath(QStringLiteral("dump.txt"));
    QFile f(script);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("dump\n");
    f.close();
    const QString gone = dir.filePath(QStringLiteral("gone.bmp"));
    const QByteArray kDrawThenNew =
        "click cmdSquare\ndown 1 0 1500 1500\nup 1 0 3000 2500\nanswer 7\nmenu new1\nmenu about1\nkey F1\ndump\n";
    struct Case {
        QStringList args;
        QStringList mustShow;
        QByteArray input = {};  // standard input
        int code = 0;
        QStringList language = {};  // the locale's variables, when not English
    } cases[] = {
        {{"--help"}, {"--script", "--trace", "FILE", "--version"}},
        {{"--version"}, {"tavimbre 1.0.0"}},
        {{"--script", script}, {"currentTool=3"}},
        {{"--script=" + script}, {"currentTool=3"}},
        {{chart, "--script", script}, {"filePath=" + chart, "caption=" + kCaptionPrefix + chart}},
        {{"--script", "-", chart}, {"filePath=" + chart}, "dump\n"},
        // Help's dialogs print their text; F1 opens the list of keys.
        {{"--script", "-"},
         {"about About Tavimbre|Tavimbre " TAVIMBRE_VERSION "\\n", "MIT License", "\"Using it\"", "about About Qt|Qt 6.",
          "dialog shortcuts\nshortcut Drawing|Drag on the canvas|"},
         "menu about1\nmenu aboutqt1\nkey F1\n"},
        // A script meant for a picture that did not open is not run.
        {{gone, "--script", script}, {"could not be opened", "the script was not run"}, {}, 2},
        // The desktop's language: the change question, the File menu's
        // items (in the list of keys) and the about box.
        {{"--script", "-"},
         {"ask 35 Tavimbre|Die Datei Unbenannt wurde geändert. Möchten Sie die Änderungen speichern?",
          "|Ctrl+N|Datei > Neu\n", "|Ctrl+O|Datei > Öffnen\n", "|Ctrl+S|Datei > Speichern\n",
          "|Ctrl+P|Datei > Drucken...\n", "about Über Tavimbre|Tavimbre " TAVIMBRE_VERSION "\\nZeichnet Flussdiagramme",
          "caption=" + kCaptionPrefix + "Unbenannt"},
         kDrawThenNew, 0, {"LANG=de_DE.UTF-8"}},
        {{"--script", "-"},
         {"ask 35 Tavimbre|Le fichier Sans titre a été modifié. Voulez-vous enregistrer les modifications ?",
          "|Ctrl+N|Fichier > Nouveau\n", "|Ctrl+O|Fichier > Ouvrir\n", "|Ctrl+S|Fichier > Enregistrer\n",
          "about À propos de Tavimbre|Tavimbre " TAVIMBRE_VERSION "\\nDessine des organigrammes"},
         kDrawThenNew, 0, {"LANG=fr_FR.UTF-8"}},
        // A window started in another language has nothing to undo.
        {{"--script", "-"}, {"fileTitle=Unbenannt\n", "undoSteps=0\n"}, "dump\n", 0, {"LANG=de_DE.UTF-8"}},
        // LANGUAGE alone chooses among languages; under the C locale it is passed over, as gettext does.
        {{"--script", "-"}, {"|Ctrl+N|Fichier > Nouveau\n"}, kDrawThenNew, 0, {"LANG=de_DE.UTF-8", "LANGUAGE=fr:de"}},
        {{"--script", "-"},
         {"ask 35 Tavimbre|The  Untitled  file has changed. Do you want to save the changes?", "|Ctrl+N|File > New\n"},
         kDrawThenNew, 0, {"LC_ALL=C", "LANGUAGE=de"}},
    };
    for (const Case& c : cases) {
        const std::string args = c.args.join(' ').toStdString();
        int code = -1;
        const QString out = runProgram(c.args, &code, c.input, c.language);
        EXPECT_EQ(code, c.code) << args;
        for (const QString& s : c.mustShow) EXPECT_TRUE(out.contains(s)) << args << " lacks " << qPrintable(s);
        if (c.code != 0) {
            EXPECT_FALSE(out.contains("currentTool=")) << args;
        }
    }
}

TEST(OpenFromAnywhere, AFileNamedOrDroppedOpensAsOpenWould) {
    QTemporaryDir dir;
    const QString good = makePicture(dir, QStringLiteral("chart.bmp"));
    const QString text = dir.filePath(QStringLiteral("notes.bmp"));
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    struct Case {
        const char* name;
        QString path;
        bool opens;
    } cases[] = {
        {"good file", good, true},
        {"missing file", dir.filePath(QStringLiteral("gone.bmp")), false},
        {"not a picture", text, false},
    };
    for (bool dropped : {false, true}) {
        for (const Case& c : cases) {
            Harness h;
            if (dropped)
                drop(*h.w, c.path);
            else
                h.w->openFile(c.path);
            const QString how = dropped ? QStringLiteral("dropped ") : QStringLiteral("named ");
            if (c.opens) {
                EXPECT_EQ(h.dumped("caption"), kCaptionPrefix + c.path) << qPrintable(how) << c.name;
                EXPECT_EQ(h.image().pixel(10, 10), QColor(Qt::darkCyan).rgb()) << qPrintable(how) << c.name;
                EXPECT_EQ(h.dumped("fileTitle"), QFileInfo(c.path).fileName());
            } else {
                EXPECT_EQ(h.dumped("caption"), kCaptionPrefix + "Untitled") << qPrintable(how) << c.name;
                ASSERT_EQ(h.out.size(), 1) << qPrintable(how) << c.name;
                EXPECT_TRUE(h.out[0].startsWith("message Tavimbre|")) << qPrintable(h.out[0]);
                EXPECT_TRUE(h.out[0].contains(QFileInfo(c.path).fileName())) << qPrintable(h.out[0]);
            }
        }
    }
}

TEST(OpenFromAnywhere, ADropOnAChangedPictureAsksFirst) {
    QTemporaryDir dir;
    const QString good = makePicture(dir, QStringLiteral("chart.bmp"));
    Harness h;
    h.run({"click cmdSquare", "down 1 0 1500 1500", "up 1 0 3000 3000", "answer 2"});
    const QImage drawn = h.image().copy();
    drop(*h.w, good);
    EXPECT_TRUE(h.out.value(0).startsWith("ask 35 Tavimbre|")) << qPrintable(h.out.value(0));
    EXPECT_EQ(h.image(), drawn);  // Cancel keeps the picture
    h.run("answer 7");
    drop(*h.w, good);
    EXPECT_EQ(h.dumped("caption"), kCaptionPrefix + good);
    h.run("menu undo1");
    EXPECT_EQ(h.image(), drawn);  // and the drop is one undoable step
}
