#pragma once
// "Collation": what the active chart is compared with. Another person's chart (its file is
// chosen next, in the browser of Open), or the transits of now or of a date and time, read on
// the clock of the chart's place or of a town from the towns list.
#include <QDate>
#include <QTime>
#include <string>

#include "TMyDialog.h"

class AppContext;
class QButtonGroup;
class QDateEdit;
class QTimeEdit;
class TTownChoice;

struct CollationChoice {
    enum Kind { PartnerFile = 0, TransitsNow = 1, TransitsAt = 2 };
    int kind = TransitsNow;
    QDate date;  // TransitsAt: the local clock reading
    QTime time;
    std::string town;  // the transits' town (Windows-1250); empty: the chart's own place
};

class TCollationDialog : public TMyDialog {
    Q_OBJECT
public:
    // Shows `choice` (a date left invalid shows today) and takes the new one on OK.
    TCollationDialog(QWidget* parent, AppContext& ctx, CollationChoice& choice);

    void accept() override;

private:
    void updateEnabled();

    CollationChoice& m_choice;
    QButtonGroup* m_kinds;
    QDateEdit* m_date;
    QTimeEdit* m_time;
    TTownChoice* m_place = nullptr;
};
