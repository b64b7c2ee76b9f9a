#pragma once
#include "ChartBlocks.h"
#include "TMyDialog.h"

class AppContext;

class QListWidget;
class QPushButton;

// The life events of a chart. Works on a copy of the list, which replaces the given list only
// on OK; Cancel leaves the given list as it was.
class TEventsDialog : public TMyDialog {
    Q_OBJECT
public:
    TEventsDialog(QWidget* parent, AppContext& ctx, LifeEventList& list, const QString& caption = {});

    const LifeEventList& workingCopy() const { return m_work; }
    int currentRow() const;

public slots:
    void accept() override;

private:
    void newEvent();
    void editEvent();
    void deleteEvent();
    void toggleEvent();
    // Refills the lines and selects row `select` (none when -1).
    void refill(int select);
    void updateButtons();

    AppContext& m_ctx;
    LifeEventList& m_list;
    LifeEventList m_work;
    QListWidget* m_lines;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_select;
};
