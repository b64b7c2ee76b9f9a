#pragma once
// "Return": when a body comes back to its place in the natal chart. The user picks the body,
// the date from which to search (and, if wanted, up to which) and the place of the return
// chart: the natal place or a town (a relocated return). The crossings found are listed with
// their moment on that place's clock and the body's motion; each one chosen opens as a chart.
#include <QDate>
#include <string>
#include <vector>

#include "Returns.h"
#include "TMyDialog.h"

class AppContext;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;
class TTownChoice;
struct RadixData;
struct TownRecord;

struct ReturnChoice {
    int body = 0;       // 0..6, Sun .. Saturn
    QDate from;         // invalid: today
    bool until = false;  // every return up to `to`, else the next one with the rest of its loop
    QDate to;           // invalid: a month after `from`
    std::string town;   // the return's town (Windows-1250); empty: the natal place
};

class TReturnDialog : public TMyDialog {
    Q_OBJECT
public:
    // `natal` must be computed. Shows `choice` and takes the new one on OK.
    TReturnDialog(QWidget* parent, AppContext& ctx, const RadixData& natal, ReturnChoice& choice);

    // The returns listed now, and those chosen on OK (at least one).
    const std::vector<ReturnMoment>& found() const { return m_found; }
    const std::vector<ReturnMoment>& chosen() const { return m_chosen; }

    void accept() override;

private:
    // Searches again with the fields' values and lists what it found, or why nothing.
    void search();
    void updateEnabled();
    // The town of the return chart now chosen, or none for the natal place.
    const TownRecord* town() const;

    AppContext& m_ctx;
    const RadixData& m_natal;
    ReturnChoice& m_choice;
    std::vector<ReturnMoment> m_found;
    std::vector<ReturnMoment> m_chosen;
    QComboBox* m_body;
    QDateEdit* m_from;
    QCheckBox* m_until;
    QDateEdit* m_to;
    TTownChoice* m_place;
    QListWidget* m_list;
    QLabel* m_problem;
    QPushButton* m_ok;
};
