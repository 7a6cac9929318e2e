// Start-up: the window, or a headless script run with an optional trace.
#include "app/palette/PaletteIcons.h"
#include "app/window/QtDialogs.h"
#include "app/scripting/ScriptRunner.h"
#include "app/scripting/ScriptedDialogs.h"
#include "app/window/frmmain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
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
int runScript(const QString& scriptPath, const QString& tracePath, const QString& picturePath) {
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
            std::fprintf(stderr, "tavimbre: %s was not opened; the script was not run\n", qPrintable(picturePath));
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

}  // namespace

int main(int argc, char* argv[]) {
    // A write past the file-size limit then fails with an error instead of
    // ending the program.
    std::signal(SIGXFSZ, SIG_IGN);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draw flowcharts by hand on a raster canvas."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption scriptOption(QStringLiteral("script"),
                                          QStringLiteral("Run the commands in FILE headless, then exit."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption traceOption(QStringLiteral("trace"),
                                         QStringLiteral("With --script, write every canvas call to FILE."),
                                         QStringLiteral("FILE"));
    parser.addOption(scriptOption);
    parser.addOption(traceOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A picture to open at start."),
                                 QStringLiteral("[FILE]"));

    // A script run, the help and the version need no display. The command
    // line is read here as the parser reads it later (--script FILE and
    // --script=FILE alike); Qt's own options are not known yet and are
    // passed over.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    parser.parse(arguments);
    const bool headless = parser.isSet(scriptOption) || parser.isSet(QStringLiteral("help")) ||
                          parser.isSet(QStringLiteral("help-all")) || parser.isSet(QStringLiteral("version"));
    if (headless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavimbre"));
    QApplication::setApplicationVersion(QStringLiteral(TAVIMBRE_VERSION));
    parser.process(app);

    if (parser.isSet(scriptOption))
        return runScript(parser.value(scriptOption), parser.value(traceOption),
                         parser.positionalArguments().value(0));

    QtDialogs dialogs;
    frmmain window(dialogs);
    dialogs.setParent(&window);
    window.setWindowIcon(windowIcon());
    window.show();
    window.recovery.offer();
    window.refreshCanvas();
    window.recovery.startTimer();
    if (!parser.positionalArguments().isEmpty()) window.openFile(parser.positionalArguments().constFirst());
    return app.exec();
}
