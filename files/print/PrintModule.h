// What the print module (PrintModule.cpp, linked against Qt's print
// support) offers the program, which loads it with QLibrary: functions of
// C linkage, looked up by these names.
#pragma once

#include <QString>

class QPagedPaintDevice;
class QWidget;

namespace printmodule {

constexpr const char* kFileName = "tavimbre-print.so";

// A QPrinter at high resolution for the document TITLE, deleted by the caller.
using NewPrinter = QPagedPaintDevice* (*)(const QString& title);
constexpr const char* kNewPrinter = "tavimbre_new_printer";
// The print dialog for a printer the module made; false when cancelled.
using AskPrinter = bool (*)(QPagedPaintDevice* printer, QWidget* parent);
constexpr const char* kAskPrinter = "tavimbre_ask_printer";
// The printer's page goes into a PDF file at PATH.
using PrintToFile = void (*)(QPagedPaintDevice* printer, const QString& path);
constexpr const char* kPrintToFile = "tavimbre_print_to_file";
// The PDF file the printer's page goes into; empty when it goes to a printer.
using PrintedFile = QString (*)(QPagedPaintDevice* printer);
constexpr const char* kPrintedFile = "tavimbre_printed_file";

}  // namespace printmodule
