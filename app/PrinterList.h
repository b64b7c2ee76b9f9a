#pragma once
#include <QStringList>

// The printers the program offers: up to ten of the system's printers, then a "PDF file"
// printer that is always there, and the index of the default one.
struct PrinterList {
    static constexpr int MaxSystemPrinters = 10;
    QStringList names;
    int defaultIndex = 0;
    int pdfIndex = 0;
};

PrinterList loadPrinterList(const QString& pdfName);
