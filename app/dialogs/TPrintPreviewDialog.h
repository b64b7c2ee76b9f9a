#pragma once
// "Print Preview": the chart page as it will print, on a white sheet of A4 proportions that
// fills the height of the desktop, with OK and Cancel at its right.
#include <QDateTime>

#include "Collation.h"
#include "Options.h"
#include "RadixData.h"
#include "StringTable.h"
#include "TMyDialog.h"

class TPrintPreviewDialog : public TMyDialog {
    Q_OBJECT
public:
    // `options` carry the print colouring and pages to show (a copy is kept).
    TPrintPreviewDialog(QWidget* parent, const RadixData& chart, const TOptions& options, const StringTable& strings,
                        const Collation* collation = nullptr);

    // The white paper area, left of the buttons.
    QRect paperRect() const;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int ButtonColumn = 110;  // pixels right of the paper
    const RadixData& m_chart;
    TOptions m_options;
    const StringTable& m_strings;
    QDateTime m_printedAt;
    const Collation* m_collation;
};
