#pragma once
#include <utility>
#include <vector>

#include "Options.h"
#include "TMyDialog.h"

class QComboBox;
class StringTable;
class TColorComboBox;

// "Colors": the styles of the wheel and the tables, the smoothing quality and the colours of
// the legacy style. Edits a copy of the options; `options()` holds the result after OK.
class TColorsDialog : public TMyDialog {
    Q_OBJECT
public:
    TColorsDialog(QWidget* parent, const TOptions& options, const StringTable& strings);
    const TOptions& options() const { return m_options; }

public slots:
    void accept() override;

private:
    TColorComboBox* addColour(ColorRef& value, const QString& objectName, const QString& accessible);
    void applyStyleRules();

    TOptions m_options;
    QComboBox* m_chartStyle;
    QComboBox* m_tableStyle;
    QComboBox* m_quality;
    std::vector<std::pair<TColorComboBox*, ColorRef*>> m_colours;  // each control and its colour in m_options
    std::vector<TColorComboBox*> m_wheelColours;  // greyed unless the wheel is drawn the legacy way
    std::vector<TColorComboBox*> m_baseColours;   // greyed unless the tables are drawn the legacy way
};

// The quality list's item for the stored `antialias` (the smoothing the wheel draws with), and
// the value the item stores.
int qualityItem(const TOptions& options);
std::uint8_t qualityValue(int item);
