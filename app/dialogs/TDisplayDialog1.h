#pragma once
#include <array>

#include "Options.h"
#include "TMyDialog.h"

class ErrorReporter;

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QRadioButton;

// "Display Options I.": what the wheel shows, where the zodiac starts, which columns the
// position table has, the angle format, the table scale and the colouring. Edits a copy of
// the options; `options()` holds the result after OK.
class TDisplayDialog1 : public TMyDialog {
    Q_OBJECT
public:
    TDisplayDialog1(QWidget* parent, const TOptions& options, const ErrorReporter& errors);
    const TOptions& options() const { return m_options; }

public slots:
    void accept() override;

private:
    const ErrorReporter& m_errors;
    void load();

    TOptions m_options;
    std::array<QCheckBox*, 12> m_wheel{};  // planets .. exalts, in the order of their keys
    QButtonGroup* m_origin;               // 0 Ascendant, 1..12 the signs
    QRadioButton* m_start;
    QRadioButton* m_centre;
    QCheckBox* m_reverse;
    QRadioButton* m_inside;
    QRadioButton* m_outside;
    std::array<QCheckBox*, 10> m_columns{};  // longitude .. so
    QCheckBox* m_inTime;
    std::array<QCheckBox*, 4> m_astro{};  // speed, distance, diameter, magnitude
    QRadioButton* m_dms;
    QRadioButton* m_decimal;
    QLineEdit* m_scale;
    QString m_loadedScale;
    QRadioButton* m_black;
    QRadioButton* m_coloured;
    QCheckBox* m_wine;
};

