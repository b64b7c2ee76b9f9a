#pragma once
#include <array>
#include <cstdint>

#include "Options.h"
#include "TMyDialog.h"

class QButtonGroup;
class QCheckBox;

// The sign dignities of the planets and the node (domicile, exaltation and triplicity, sign by
// sign), mixed triplicity and the kind of terms. The dialog edits a copy: the signs of a body
// and kind are stored into it when another body or kind is chosen, and it is handed back on OK.
class TDignsDialog : public TMyDialog {
    Q_OBJECT
public:
    // The part of the options this dialog edits.
    struct Dignities {
        decltype(TOptions::sign_dignities) sign_dignities{};
        bool tripv = false;
        std::uint8_t term_type = 0;

        static Dignities of(const TOptions& options);
        void applyTo(TOptions& options) const;
    };

    // `body` (0..10) and `kind` (0..2) are shown first: those chosen last time.
    TDignsDialog(QWidget* parent, const Dignities& dignities, int body, int kind);

    // The edited copy; complete once the dialog was accepted.
    const Dignities& dignities() const { return m_dignities; }
    // The body and kind chosen last, to be shown first the next time.
    int body() const { return m_body; }
    int kind() const { return m_kind; }

public slots:
    void accept() override;

private:
    void storeSigns();
    void showSigns();

    Dignities m_dignities;
    int m_body = 0;
    int m_kind = 0;
    QButtonGroup* m_bodies;
    QButtonGroup* m_kinds;
    QButtonGroup* m_terms;
    std::array<QCheckBox*, SignCount> m_signs{};
    QCheckBox* m_tripv;
};
