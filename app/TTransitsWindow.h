#pragma once
// The transits window: every transit of a natal chart within a period, as a sortable list
// grouped by the display mode of the transits selection and as a time line, with the text
// filter at hand. The search runs on the user-interface thread (the ephemeris is not
// thread-safe) one transiting body at a time, each slice queued on the event loop and the
// events processed while a slice runs, so the window stays responsive and Cancel is heard.
// Double clicking an event opens the collation window at its exact moment.
#include <QWidget>
#include <functional>
#include <vector>

#include "RadixData.h"
#include "TTransitPeriodDialog.h"
#include "TransitListModel.h"
#include "TransitSearch.h"

class AppContext;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QToolBar;
class QTreeView;
class TransitTimeLineView;

class TTransitsWindow : public QWidget {
    Q_OBJECT
public:
    enum class View { List = 0, TimeLine = 1 };

    // `openCollation` opens the collation of the chart with the transits of a UT moment.
    TTransitsWindow(QWidget* parent, AppContext& ctx, const RadixData& natal,
                    std::function<void(double jdUT)> openCollation);
    ~TTransitsWindow() override;

    // Starts the search of `period` with the options' selection; an earlier search still
    // running is cancelled first.
    void search(const TransitPeriod& period);
    bool searching() const { return m_searching; }
    void cancelSearch() { m_cancel = true; }
    const TransitPeriod& period() const { return m_period; }

    // The events found (by exact moment) and what the list shows of them.
    const std::vector<TransitEvent>& events() const { return m_events; }
    // Takes events found elsewhere for `period` and shows them (the benchmark refills so).
    void showEvents(std::vector<TransitEvent> events, double fromUT, double toUT);
    // Rebuilds the list and the time line for the filter and display mode shown.
    void refill();

    View view() const;
    void setView(View view);
    void setFilterText(const QString& text);
    void setDisplayMode(int dispmode);
    QTreeView* listView() const { return m_list; }
    TransitTimeLineView* timeLine() const { return m_timeLine; }
    QString statusText() const;

    // The time line into a PNG, SVG or PDF file, chosen by the file's suffix; false (and
    // said so) when it cannot be written.
    bool exportTimeLine(const QString& path);
    // Paints the time line on pages of `pageSize` logical units, header and page numbers included;
    // `newPage` starts each page after the first.
    void paintTimeLinePages(QPainter& painter, const QSize& pageSize, const std::function<bool()>& newPage) const;

signals:
    void searchFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildToolBar();
    void retranslate();
    void choosePeriod();
    void runNextSlice();
    void finishSearch(const QString& status);
    void activateIndex(const QModelIndex& index);
    void exportChosen();
    void print();
    QString title() const;
    // Local clock minus UT at a moment, in days, on the clock the list shows.
    double clockOffsetAt(double jdUT) const;
    QString periodText() const;

    AppContext& m_ctx;
    RadixData m_natal;
    std::function<void(double)> m_openCollation;
    TransitPeriod m_period;
    double m_fromUT = 0, m_toUT = 0;
    double m_clockOffset = 0;
    std::vector<TransitEvent> m_events;
    std::vector<TransitMomentTexts> m_texts;
    TransitNames m_names;

    // The search in slices: one transiting body each.
    TransitQuery m_query;
    std::vector<int> m_slices;
    SharedTransitFits m_fits;  // built by the first slice, used by the others
    std::size_t m_slice = 0;
    bool m_searching = false;
    bool m_cancel = false;
    bool m_closeWhenDone = false;
    QString m_status;

    QToolBar* m_toolBar;
    QStackedWidget* m_pages;
    QTreeView* m_list;
    TransitListModel* m_model;
    QScrollArea* m_scroll;
    TransitTimeLineView* m_timeLine;
    QLineEdit* m_filter;
    QComboBox* m_dispmode;
    QLabel* m_heading;
    QLabel* m_statusLabel;
    QProgressBar* m_progress;
    QPushButton* m_cancelButton;
    QAction* m_periodAction = nullptr;
    QAction* m_listAction = nullptr;
    QAction* m_timeLineAction = nullptr;
    QAction* m_printAction = nullptr;
    QAction* m_exportAction = nullptr;
    QLabel* m_filterLabel = nullptr;
    QLabel* m_dispmodeLabel = nullptr;
};
