#include "Printer.h"

#include "files/print/PrintModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QPagedPaintDevice>

namespace {

struct Module {
    printmodule::NewPrinter newPrinter = nullptr;
    printmodule::AskPrinter askPrinter = nullptr;
    printmodule::PrintToFile printToFile = nullptr;
    printmodule::PrintedFile printedFile = nullptr;
    QString why;  // why it could not be loaded
};

// The module beside the program (a build folder), else where it is
// installed; loaded once and kept.
const Module& module() {
    static const Module loaded = [] {
        Module m;
        const QDir programs(QCoreApplication::applicationDirPath());
        const QString name = QLatin1String(printmodule::kFileName);
        const QString places[] = {programs.filePath(name),
                                  QDir::cleanPath(programs.filePath(QStringLiteral(TAVIMBRE_PRINT_MODULE_DIR))) +
                                      QLatin1Char('/') + name};
        for (const QString& path : places) {
            if (!QFileInfo::exists(path)) continue;
            QLibrary library(path);
            if (!library.load()) {
                m.why = library.errorString();
                continue;
            }
            m.newPrinter = reinterpret_cast<printmodule::NewPrinter>(library.resolve(printmodule::kNewPrinter));
            m.askPrinter = reinterpret_cast<printmodule::AskPrinter>(library.resolve(printmodule::kAskPrinter));
            m.printToFile = reinterpret_cast<printmodule::PrintToFile>(library.resolve(printmodule::kPrintToFile));
            m.printedFile = reinterpret_cast<printmodule::PrintedFile>(library.resolve(printmodule::kPrintedFile));
            if (m.newPrinter && m.askPrinter && m.printToFile && m.printedFile) return m;
            m = Module{};
            m.why = QCoreApplication::translate("Printer", "%1 is not this program's").arg(path);
        }
        if (m.why.isEmpty()) m.why = QCoreApplication::translate("Printer", "%1 is missing").arg(places[1]);
        return m;
    }();
    return loaded;
}

}  // namespace

Printer::Printer(const QString& title) {
    const Module& m = module();
    if (m.newPrinter)
        device_ = m.newPrinter(title);
    else
        why_ = QCoreApplication::translate("Printer", "The print support could not be loaded: %1").arg(m.why);
}

Printer::~Printer() { delete device_; }

bool Printer::ask(QWidget* parent) {
    replaceAsked_ = true;
    return device_ && module().askPrinter(device_, parent);
}

void Printer::printToFile(const QString& path) {
    replaceAsked_ = false;
    if (device_) module().printToFile(device_, path);
}

QString Printer::file() const { return device_ ? module().printedFile(device_) : QString(); }
