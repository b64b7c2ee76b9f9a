#pragma once
// "Direction settings": how a chart's progressions and directions are timed. The key is either
// the true solar arc (the progressed Sun's motion, in right ascension or in longitude) or a
// fixed angle per year of age, with Naibod's and Ptolemy's keys one click away; the method of
// the primary directions; and whether the options take these settings from the chart window
// that becomes active. The dialog edits a copy and hands it back on OK.
#include "ChartBlocks.h"
#include "TMyDialog.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

class TDirectionDialog : public TMyDialog {
    Q_OBJECT
public:
    struct Directions {
        ChartDirectionSettings settings;
        bool followActiveChart = false;  // `dirkeyasgntohoro`
    };

    TDirectionDialog(QWidget* parent, const Directions& directions);

    // The edited copy; complete once the dialog was accepted.
    const Directions& directions() const { return m_directions; }

public slots:
    void accept() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void setKey(int degrees, int minutes, double seconds);
    ChartDirectionSettings edited() const;
    void updateState();

    Directions m_directions;
    QCheckBox* m_trueSolar;
    QCheckBox* m_onEquator;
    QSpinBox* m_degrees;
    QSpinBox* m_minutes;
    QDoubleSpinBox* m_seconds;
    QLabel* m_keyNote;
    QComboBox* m_method;
    QCheckBox* m_follow;
};
