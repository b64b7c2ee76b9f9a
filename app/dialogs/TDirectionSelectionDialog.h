#pragma once
// The selection of the primary or of the secondary directions: which promissors are directed
// to which significators in which aspects, the text filter and the display mode of the list.
// The dialog edits a copy and hands it back on OK.
#include <array>

#include "Options.h"
#include "TMyDialog.h"
#include "TransitSearch.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

class TDirectionSelectionDialog : public TMyDialog {
    Q_OBJECT
public:
    enum class Kind { Primary, Secondary };

    TDirectionSelectionDialog(QWidget* parent, Kind kind, const TDirectionFilter& selection);

    // The edited copy; complete once the dialog was accepted.
    const TDirectionFilter& selection() const { return m_selection; }

public slots:
    void accept() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    Kind m_kind;
    TDirectionFilter m_selection;
    std::array<QCheckBox*, PromissorMarkCount> m_promissors{};
    std::array<QCheckBox*, SignificatorMarkCount> m_significators{};
    std::array<QCheckBox*, AspectCount> m_aspects{};
    QLineEdit* m_filter;
    QComboBox* m_dispmode;
};
