#pragma once
#include <array>
#include <cstdint>

#include "Options.h"
#include "TMyDialog.h"

class QButtonGroup;
class QGroupBox;
class ErrorReporter;
class QLineEdit;

// The orbs of the aspects (one row of sixteen orb classes per aspect, parallels and the fixed
// star row included) and the settings that go with them. The dialog edits a copy; a row is
// stored into the copy when another aspect is chosen, and the whole copy is handed back on OK.
class TOrbisesDialog : public TMyDialog {
    Q_OBJECT
public:
    // The part of the options this dialog edits.
    struct Orbs {
        std::array<std::array<double, OrbClassCount>, OrbAspectCount> orbises{};
        double collfactor = 0;
        std::array<double, 3> houseexts{};
        double correvs = 0;
        std::uint8_t stationary_strict = 1;

        static Orbs of(const TOptions& options);
        void applyTo(TOptions& options) const;
    };

    // The widest orbs taken, in degrees: an aspect's (the fixed star conjunction's too) and a
    // parallel's, which is a difference of declinations. Wider orbs would make nearly every
    // pair of points an aspect.
    static constexpr double MaxAspectOrb = 30.0;
    static constexpr double MaxParallelOrb = 10.0;
    static double maxOrb(int aspect);

    // `aspect` (0..20) is the row shown first: the one chosen last time.
    TOrbisesDialog(QWidget* parent, const ErrorReporter& errors, const Orbs& orbs, int aspect);

    // The edited copy; complete once the dialog was accepted.
    const Orbs& orbs() const { return m_orbs; }
    // The aspect row chosen last, to be shown first the next time.
    int aspect() const { return m_aspect; }

public slots:
    void accept() override;

private:
    const ErrorReporter& m_errors;
    void aspectToggled(int aspect, bool checked);
    // The sixteen edits into the row of the current aspect; false, with the field pointed out,
    // when one of them holds no orb of at most maxOrb(aspect) degrees.
    bool storeRow();
    void showRow(int aspect);

    Orbs m_orbs;
    int m_aspect = 0;
    QButtonGroup* m_aspects;
    QGroupBox* m_orbGroup;
    std::array<QLineEdit*, OrbClassCount> m_orbEdits{};
    QLineEdit* m_collfactor;
    std::array<QLineEdit*, 3> m_houseexts{};
    QLineEdit* m_correvs;
    QLineEdit* m_stationary;
};
