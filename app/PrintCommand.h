#pragma once
// The Print command: dialog "Print Horoscope" for the active chart, then the print job.
#include <QHash>
#include <QPageLayout>
#include <functional>

class AppContext;
class QWidget;
class TRadixWindow;

// What the Print command keeps between runs: the chosen printer (-1: the default one) and the
// page set-up made for each printer.
struct PrintSession {
    int printer = -1;
    QHash<QString, QPageLayout> layouts;
};

struct PrintCommand {
    QWidget* parent;
    TRadixWindow& window;
    AppContext& ctx;  // its print_black and print_pages take the dialog's choice on OK
    PrintSession& session;

    void run() const;
};
