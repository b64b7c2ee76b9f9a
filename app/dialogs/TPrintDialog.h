#pragma once
// "Print Horoscope": the colouring, the pages, the printer; Setup... and Preview... for the
// printer and the chart page. The dialog edits a copy of the choices and hands them back on OK.
#include <QStringList>
#include <array>
#include <functional>

#include "PrintLayout.h"
#include "TMyDialog.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

struct PrintChoice {
    bool black = false;
    PrintSelection pages{};  // entries 9 and later pass through unchanged
    int printer = 0;         // index into the printer names
};

class TPrintDialog : public TMyDialog {
    Q_OBJECT
public:
    // `preview` shows the chart page with the given choice; `setup` opens the set-up of printer
    // `index`. Both may be empty (the buttons then do nothing).
    TPrintDialog(QWidget* parent, const PrintChoice& choice, const QStringList& printers,
                 std::function<void(const PrintChoice&)> preview, std::function<void(int)> setup);

    // The choice as the controls show it now; after OK, the one to apply.
    PrintChoice current() const;

private:
    PrintChoice m_start;
    QRadioButton* m_black;
    QRadioButton* m_coloured;
    std::array<QCheckBox*, OfferedPrintEntries> m_pages{};
    QComboBox* m_printers;
};
