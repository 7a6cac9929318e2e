// Qt's print support, in a module of its own that the program loads the
// first time it prints (files/Printer.cpp).
#include "files/print/PrintModule.h"

#include <QPrintDialog>
#include <QPrinter>
#include <type_traits>

extern "C" {

Q_DECL_EXPORT QPagedPaintDevice* tavimbre_new_printer(const QString& title) {
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setDocName(title);
    return printer;
}

Q_DECL_EXPORT bool tavimbre_ask_printer(QPagedPaintDevice* printer, QWidget* parent) {
    QPrintDialog dialog(static_cast<QPrinter*>(printer), parent);
    return dialog.exec() == QDialog::Accepted;
}

Q_DECL_EXPORT void tavimbre_print_to_file(QPagedPaintDevice* printer, const QString& path) {
    auto* p = static_cast<QPrinter*>(printer);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(path);
}

Q_DECL_EXPORT QString tavimbre_printed_file(QPagedPaintDevice* printer) {
    auto* p = static_cast<QPrinter*>(printer);
    return p->outputFormat() == QPrinter::PdfFormat ? p->outputFileName() : QString();
}

}  // extern "C"

// The program's types match the functions it looks up.
static_assert(std::is_same_v<decltype(&tavimbre_new_printer), printmodule::NewPrinter>);
static_assert(std::is_same_v<decltype(&tavimbre_ask_printer), printmodule::AskPrinter>);
static_assert(std::is_same_v<decltype(&tavimbre_print_to_file), printmodule::PrintToFile>);
static_assert(std::is_same_v<decltype(&tavimbre_printed_file), printmodule::PrintedFile>);
