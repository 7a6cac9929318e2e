// A printer of Qt's print support. The support lives in a module of its
// own (files/print), loaded the first time a printer is made, so that the
// program starts without it. The page is painted as on any paged device.
#pragma once

#include <QString>

class QPagedPaintDevice;
class QWidget;

class Printer {
public:
    // A printer at high resolution for the document TITLE; none, with the
    // reason in why(), when the print support cannot be loaded.
    explicit Printer(const QString& title);
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    QPagedPaintDevice* device() const { return device_; }
    const QString& why() const { return why_; }
    // The print dialog over PARENT; false when the user cancelled. Qt's
    // dialog asks itself before a file is replaced.
    bool ask(QWidget* parent);
    // The page goes into a PDF file at PATH rather than to a printer; no
    // one has asked yet whether an existing file may be replaced.
    void printToFile(const QString& path);
    // The PDF file the page goes into, or empty for a printer; and whether
    // the user has already agreed to replace a file of that name.
    QString file() const;
    bool replaceAsked() const { return replaceAsked_; }

private:
    QPagedPaintDevice* device_ = nullptr;
    bool replaceAsked_ = false;
    QString why_;
};
