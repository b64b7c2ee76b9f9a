#pragma once
#include <array>

#include "Options.h"
#include "TMyDialog.h"

class ErrorReporter;
class QLineEdit;

// The two score values of the angles, the planets and the nodes, which the sign and house
// distribution tables add up. The dialog edits a copy and hands it back on OK; a value that
// does not fit a score (0..255) is refused instead of being cut to fit.
class TScoresDialog : public TMyDialog {
    Q_OBJECT
public:
    // The part of the options this dialog edits: first and second value of each point.
    using Scores = decltype(TOptions::scores);

    TScoresDialog(QWidget* parent, const ErrorReporter& errors, const Scores& scores);

    // The edited copy; complete once the dialog was accepted.
    const Scores& scores() const { return m_scores; }

public slots:
    void accept() override;

private:
    const ErrorReporter& m_errors;
    Scores m_scores;
    std::array<std::array<QLineEdit*, 2>, ScorePointCount> m_edits{};
};
