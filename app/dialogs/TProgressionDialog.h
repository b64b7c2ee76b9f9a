#pragma once
// "Progressions": the date of life to progress the active chart to (today unless chosen), a day
// for each year (secondary) or for each sidereal month (tertiary) of age, and whether the
// houses are the daily ones of the progressed moment instead of the directed angles. It says
// which key the chart's direction settings give the angles.
#include <QDate>

#include "ChartBlocks.h"
#include "Progression.h"
#include "TMyDialog.h"

class QButtonGroup;
class QCheckBox;
class QDateEdit;
class QLabel;

struct ProgressionChoice {
    QDate target;  // invalid: today
    ProgressionKind kind = ProgressionKind::Secondary;
    bool quotidian = false;
};

class TProgressionDialog : public TMyDialog {
    Q_OBJECT
public:
    // `directions`: the active chart's direction settings, whose key the dialog names.
    TProgressionDialog(QWidget* parent, const ChartDirectionSettings& directions, ProgressionChoice& choice);

    // The target date chosen (always valid after OK).
    QDate target() const;

    void accept() override;

private:
    void showKey();

    ChartDirectionSettings m_directions;
    ProgressionChoice& m_choice;
    QDateEdit* m_target;
    QButtonGroup* m_kinds;
    QCheckBox* m_quotidian;
    QLabel* m_key;
};
