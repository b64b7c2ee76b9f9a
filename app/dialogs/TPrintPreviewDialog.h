#pragma once
// "Print Preview": every page the print will have, one at a time, on white sheets of A4
// proportions that fill the height of the desktop; the pages are turned with Previous and
// Next and looked at closer with the zoom buttons. OK and Cancel stand at the right.
#include <QDateTime>
#include <vector>

#include "Collation.h"
#include "Options.h"
#include "PrintLayout.h"
#include "RadixData.h"
#include "StringTable.h"
#include "TMyDialog.h"

class QLabel;
class QPushButton;
class QScrollArea;
class PreviewSheet;

class TPrintPreviewDialog : public TMyDialog {
    Q_OBJECT
public:
    // `options` carry the print colouring and pages to show (a copy is kept).
    TPrintPreviewDialog(QWidget* parent, const RadixData& chart, const TOptions& options, const StringTable& strings,
                        const Collation* collation = nullptr);

    // The white paper area of the page shown, in the dialog's coordinates.
    QRect paperRect() const;
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    int currentPage() const { return m_current; }  // from 0
    // The zoom against the fitted size: 1 shows the whole page.
    double zoom() const { return m_zoom; }

    void showPage(int index);
    void setZoom(double zoom);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr double ZoomStep = 1.25;
    static constexpr double MaxZoom = 4.0;
    void retranslate();
    void updateSheet();

    const RadixData& m_chart;
    TOptions m_options;
    const StringTable& m_strings;
    QDateTime m_printedAt;
    const Collation* m_collation;
    std::vector<PrintPage> m_pages;
    int m_current = 0;
    double m_zoom = 1.0;
    QScrollArea* m_scroll = nullptr;
    PreviewSheet* m_sheet = nullptr;
    QLabel* m_pageLabel = nullptr;
    QPushButton *m_previous = nullptr, *m_next = nullptr, *m_zoomIn = nullptr, *m_zoomOut = nullptr, *m_fit = nullptr;
};
