#pragma once
// Rectification: birth times in a range around the recorded one, ranked by how closely the
// chart's directions meet its marked life events. The user ranks, picks a time and takes it
// into the chart; the dialog then closes with that time as its choice.
#include <optional>
#include <vector>

#include "ChartBlocks.h"
#include "RadixData.h"
#include "Rectification.h"
#include "TMyDialog.h"

class AppContext;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTreeWidget;

class TRectificationDialog : public TMyDialog {
    Q_OBJECT
public:
    TRectificationDialog(QWidget* parent, AppContext& ctx, const RadixData& natal, const ChartBlocks& blocks);

    // Ranks the times of the range and step shown; false (and said so) when it cannot.
    bool rank();
    const std::vector<RectificationCandidate>& ranking() const { return m_ranking; }
    // The time taken into the chart, once the dialog was accepted.
    const std::optional<RectificationCandidate>& chosen() const { return m_chosen; }

public slots:
    void accept() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void fillRanking();
    void updateState();
    QString birthTimeText(double jdUT) const;

    AppContext& m_ctx;
    RadixData m_natal;
    ChartBlocks m_blocks;
    std::vector<RectificationCandidate> m_ranking;
    std::optional<RectificationCandidate> m_chosen;
    double m_distance = 0;

    QDoubleSpinBox* m_range;
    QDoubleSpinBox* m_step;
    QCheckBox* m_primary;
    QCheckBox* m_secondary;
    QPushButton* m_rank;
    QTreeWidget* m_list;
    QLabel* m_note;
    QLabel* m_rangeLabel;
    QLabel* m_stepLabel;
    QPushButton* m_take;
};
