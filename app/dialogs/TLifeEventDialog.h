#pragma once
#include "EntryFields.h"
#include "TMyDialog.h"

class AppContext;

class QComboBox;
struct LifeEvent;

// Edits one life event in place: its name and date. The date is checked like the birth date;
// the event keeps its calendar.
class TLifeEventDialog : public TMyDialog {
    Q_OBJECT
public:
    TLifeEventDialog(QWidget* parent, AppContext& ctx, LifeEvent& event, const QString& caption = {});

public slots:
    void accept() override;

private:
    AppContext& m_ctx;
    LifeEvent& m_event;
    QComboBox* m_name;
    DateFields m_date;
};
