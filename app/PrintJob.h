#pragma once
// The print job of the Print command: the chosen pages of one chart on one printer (a system
// printer, or the "PDF file" printer writing to a file), with the wait cursor and the wait
// dialog whose Cancel stops the job before its next page.
#include <QPageLayout>
#include <QString>
#include <functional>

#include "Collation.h"
#include "Options.h"
#include "RadixData.h"
#include "StringTable.h"

class ErrorReporter;
class Prompts;
class QWidget;

struct PrintTarget {
    QString printer;  // a system printer's name; empty for the PDF file
    QString pdfPath;  // the PDF printer's file
    QPageLayout layout;  // from Setup...; invalid for the printer's own
};

enum class PrintResult { Printed, Cancelled, Failed, NothingToPrint };

struct PrintJob {
    const RadixData& chart;
    const TOptions& options;  // print_black and print_pages as chosen; never changed
    const StringTable& strings;
    QString caption;          // the chart window's caption (a leading change marker is dropped)
    QString printerName;      // as the printer list shows it
    const ErrorReporter& errors;
    Prompts& prompts;                      // the wait dialog's Cancel question
    const Collation* collation = nullptr;  // a collation window's second chart
    // Runs between pages so that the wait dialog stays live; empty: the pending events are
    // processed (tests press Cancel here).
    std::function<void()> betweenPages = {};

    // Runs the job; failures are reported in a box over `parent`. A cancelled or failed job
    // leaves no PDF file behind (an existing file of that name is kept as it was).
    PrintResult run(QWidget* parent, const PrintTarget& target) const;
};

// The spooler's name of the document: the file name that Save proposes, or string 661 "Graph".
QString printDocumentName(const RadixData* chart, const StringTable& strings);
// The file name that the PDF printer proposes: the default file name with ".pdf".
QString defaultPdfName(const RadixData& chart);
