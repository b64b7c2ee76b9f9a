#pragma once
#include <array>

#include "Options.h"
#include "TransitSearch.h"
#include "TMyDialog.h"

class ErrorReporter;
class QCheckBox;
class QComboBox;
class QLineEdit;

// The transits selection: which transiting bodies, natal points and aspects the transit search
// looks for, the text filter and display mode of the transits list, and the orbs of the ten
// bodies before and after exactness. The dialog edits a copy and hands it back on OK.
class TTransitsDialog : public TMyDialog {
    Q_OBJECT
public:
    // The part of the options this dialog edits.
    struct Selection {
        TDirectionFilter transits;
        std::array<double, SpeedBodyCount> transitfw{};
        std::array<double, SpeedBodyCount> transitbw{};

        static Selection of(const TOptions& options);
        void applyTo(TOptions& options) const;
    };

    // The widest transit orb taken, in degrees, as for the aspects.
    static constexpr double MaxTransitOrb = 30.0;

    TTransitsDialog(QWidget* parent, const ErrorReporter& errors, const Selection& selection);

    // The edited copy; complete once the dialog was accepted.
    const Selection& selection() const { return m_selection; }

public slots:
    void accept() override;

private:
    Selection m_selection;
    const ErrorReporter& m_errors;
    // The Part of Fortune's promissor mark is kept as it is: it is never a transiting body.
    std::array<QCheckBox*, BodyCount> m_transiting{};
    std::array<QCheckBox*, SignificatorMarkCount> m_natal{};
    std::array<QCheckBox*, AspectCount> m_aspects{};
    QLineEdit* m_filter;
    QComboBox* m_dispmode;
    std::array<QLineEdit*, SpeedBodyCount> m_before{};
    std::array<QLineEdit*, SpeedBodyCount> m_after{};
};
