#pragma once
#include <array>

#include "Options.h"
#include "TMyDialog.h"

class QButtonGroup;

// "Symbols": the glyph variant of Mars, Uranus, Neptune and Pluto and of the zodiac signs,
// each variant shown in the symbol font beside its choice. Edits a copy of the options;
// `options()` holds the result after OK.
class TSymbolsDialog : public TMyDialog {
    Q_OBJECT
public:
    static constexpr std::array<int, 4> Bodies = {4, 7, 8, 9};  // Mars, Uranus, Neptune, Pluto

    TSymbolsDialog(QWidget* parent, const TOptions& options);
    const TOptions& options() const { return m_options; }

public slots:
    void accept() override;

private:
    TOptions m_options;
    std::array<QButtonGroup*, Bodies.size()> m_bodies{};
    QButtonGroup* m_zodiac = nullptr;
};
