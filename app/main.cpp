// Start-up: the window, or a headless script run with an optional trace.
#include "app/palette/PaletteIcons.h"
#include "app/window/QtDialogs.h"
#include "app/scripting/ScriptRunner.h"
#include "app/scripting/ScriptedDialogs.h"
#include "app/window/frmmain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <csignal>

namespace {

void printLine(const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

// Runs the script in scriptPath ("-": standard input) on a window that has
// first opened picturePath, when one is named, as the window's start does.
int runScript(const QString& scriptPath, const QString& tracePath, const LocalPath& picturePath) {
    QFile script(scriptPath);
    const QIODevice::OpenMode mode = QIODevice::ReadOnly | QIODevice::Text;
    if (!(scriptPath == QLatin1String("-") ? script.open(stdin, mode) : script.open(mode))) {
        std::fprintf(stderr, "tavimbre: cannot read script %s\n", qPrintable(scriptPath));
        return 2;
    }
    QFile trace(tracePath);
    QTextStream traceOut(&trace);
    if (!tracePath.isEmpty() && !trace.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "tavimbre: cannot write trace %s\n", qPrintable(tracePath));
        return 2;
    }
    ScriptedDialogs dialogs(printLine);
    frmmain window(dialogs);
    if (trace.isOpen()) window.canvas.setTrace([&traceOut](const QString& l) { traceOut << l << '\n'; });
    if (!picturePath.isEmpty()) {
        // A script meant for a picture that could not be opened is not run;
        // one opened with a warning (too large to be undone) is.
        if (!window.openFile(picturePath)) {
            std::fprintf(stderr, "tavimbre: %s was not opened; the script was not run\n", qPrintable(picturePath.shown()));
            return ScriptRunner::Error;
        }
    }
    QTextStream in(&script);
    ScriptRunner runner(window, dialogs, printLine);
    runner.beforeFirstCommand([&window] { window.recovery.offer(); });
    const int status = runner.run(in);
    window.canvas.setTrace(nullptr);
    traceOut.flush();
    if (status != ScriptRunner::Ok) std::fprintf(stderr, "tavimbre: %s\n", qPrintable(runner.error()));
    return status;
}

// The picture named on the command line by the bytes it was given as: Qt's
// text of an argument turns bytes that are not UTF-8 into U+FFFD, which
// names no file.
LocalPath pictureArgument(int argc, char* argv[], const QStringList& positional) {
    if (positional.isEmpty()) return {};
    for (int i = argc - 1; i > 0; --i)
        if (QString::fromLocal8Bit(argv[i]) == positional.constFirst()) return LocalPath::fromBytes(argv[i]);
    return positional.constFirst();
}

struct Options {
    QCommandLineOption script{QStringLiteral("script")};
    QCommandLineOption trace{QStringLiteral("trace")};
};

// The command line's options, their texts in the language in use.
Options describe(QCommandLineParser& parser) {
    Options o;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Draw flowcharts by hand on a raster canvas."));
    parser.addHelpOption();
    parser.addVersionOption();
    o.script.setDescription(QCoreApplication::translate("main", "Run the commands in FILE headless, then exit."));
    o.script.setValueName(QStringLiteral("FILE"));
    o.trace.setDescription(QCoreApplication::translate("main", "With --script, write every canvas call to FILE."));
    o.trace.setValueName(QStringLiteral("FILE"));
    parser.addOption(o.script);
    parser.addOption(o.trace);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("main", "A picture to open at start."),
                                 QStringLiteral("[FILE]"));
    return o;
}

// Whether the messages' locale (LC_ALL, else LC_MESSAGES, else LANG) is C:
// then LANGUAGE is passed over too, as gettext does.
bool messagesInC() {
    QByteArray name = qgetenv("LC_ALL");
    if (name.isEmpty()) name = qgetenv("LC_MESSAGES");
    if (name.isEmpty()) name = qgetenv("LANG");
    return name.isEmpty() || name == "C" || name == "POSIX" || name.startsWith("C.");
}

// The language the desktop asks for (LANGUAGE, then LC_ALL, LC_MESSAGES or
// LANG), when the program has it, and Qt's own texts in that language for
// its dialogs and buttons. English, C and a language the program lacks
// load nothing, so that the window never mixes two languages.
void useDesktopLanguage(QApplication& app) {
    if (messagesInC()) return;
    auto* own = new QTranslator(&app);
    if (!own->load(QLocale::system(), QStringLiteral("tavimbre"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        delete own;
        return;
    }
    QApplication::installTranslator(own);
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(own->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);
    else
        delete qt;
}

}  // namespace

int main(int argc, char* argv[]) {
    // A write past the file-size limit then fails with an error instead of
    // ending the program.
    std::signal(SIGXFSZ, SIG_IGN);

    // A script run, the help and the version need no display. The command
    // line is read here as the parser reads it later (--script FILE and
    // --script=FILE alike); Qt's own options are not known yet and are
    // passed over.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser probe;
    const Options probed = describe(probe);
    probe.parse(arguments);
    const bool headless = probe.isSet(probed.script) || probe.isSet(QStringLiteral("help")) ||
                          probe.isSet(QStringLiteral("help-all")) || probe.isSet(QStringLiteral("version"));
    if (headless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavimbre"));
    QApplication::setApplicationVersion(QStringLiteral(TAVIMBRE_VERSION));
    useDesktopLanguage(app);
    QCommandLineParser parser;
    const Options options = describe(parser);
    parser.process(app);

    if (parser.isSet(options.script))
        return runScript(parser.value(options.script), parser.value(options.trace),
                         pictureArgument(argc, argv, parser.positionalArguments()));

    QtDialogs dialogs;
    frmmain window(dialogs);
    dialogs.setParent(&window);
    window.setWindowIcon(windowIcon());
    window.show();
    window.openAtStart(pictureArgument(argc, argv, parser.positionalArguments()));
    window.refreshCanvas();
    window.recovery.startTimer();
    return app.exec();
}
