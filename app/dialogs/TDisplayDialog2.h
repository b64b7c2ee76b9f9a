#pragma once
#include <array>

#include "ChartIndex.h"
#include "Options.h"
#include "TMyDialog.h"

class QCheckBox;
class QGridLayout;
class QRadioButton;

// "Display Options II.": which bodies, points and aspects the wheel and the tables show, the
// fixed-star conjunctions and how the wheel shows an aspect's strength. Edits a copy of the
// options; `options()` holds the result after OK.
class TDisplayDialog2 : public TMyDialog {
    Q_OBJECT
public:
    static constexpr int BodyRows = DisplayRowCount;  // bodies and points 0..23, the axes, the house cusps
    static constexpr int WheelBodies = ChartPointCount;

    TDisplayDialog2(QWidget* parent, const TOptions& options);
    const TOptions& options() const { return m_options; }

public slots:
    void accept() override;

private:
    void addBodyRow(QGridLayout* grid, int row, int body, const QString& name);

    TOptions m_options;
    std::array<QCheckBox*, WheelBodies> m_bodyWheel{};  // plansonchart
    std::array<QCheckBox*, BodyRows> m_bodyAsp{};       // planasps
    std::array<QCheckBox*, BodyRows> m_bodyTable{};     // plans
    std::array<QCheckBox*, AspectCount> m_aspWheel{};   // aspsonchart
    std::array<QCheckBox*, AspectCount> m_aspTable{};   // asps
    QCheckBox* m_oppWheel;
    QCheckBox* m_oppTable;
    QCheckBox* m_collOpp;
    std::array<QCheckBox*, 6> m_fixedStar{};  // fsconjs
    QRadioButton* m_pale;
    QRadioButton* m_dashed;
    QRadioButton* m_orbis;
    QRadioButton* m_closing;
};
