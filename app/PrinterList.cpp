#include "PrinterList.h"

#include <QPrinterInfo>

PrinterList loadPrinterList(const QString& pdfName) {
    PrinterList list;
    const QStringList system = QPrinterInfo::availablePrinterNames();
    const QString standard = QPrinterInfo::defaultPrinterName();
    for (const QString& name : system) {
        if (list.names.size() >= PrinterList::MaxSystemPrinters)
            break;
        list.names << name;
    }
    list.pdfIndex = static_cast<int>(list.names.size());
    list.names << pdfName;
    const qsizetype found = list.names.indexOf(standard);
    // Without a system printer the PDF file is the default.
    list.defaultIndex = found >= 0 ? static_cast<int>(found) : (system.isEmpty() ? list.pdfIndex : 0);
    return list;
}
