#pragma once
#include <QComboBox>
#include <array>

#include "Options.h"

// The 16 colours a colour control offers, as the options file stores them (0xBBGGRR).
inline constexpr std::array<ColorRef, 16> ColorPalette = {
    0x000000, 0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

// A drop-down list of the palette colours, drawn as swatches. A stored colour outside the
// palette selects no item; the box then shows that colour and keeps it unless the user picks
// a palette colour, so opening a dialog and pressing OK never loses a colour.
class TColorComboBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int ItemHeight = 18;
    static constexpr int Gap = 12;  // room left of a swatch for the selection mark

    explicit TColorComboBox(QWidget* parent = nullptr);

    // Shows `colour`: its palette item, or no item when it is not in the palette.
    void setColour(ColorRef colour);
    // The chosen palette colour, or the colour set when no item is chosen.
    ColorRef colour() const;
    // The palette index of a colour, -1 when it is not in the palette.
    static int paletteIndex(ColorRef colour);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Draws one swatch as the list and the box show it: the window colour, the colour in a
    // framed rectangle right of the gap, and a mark pointing at it when selected.
    static void paintSwatch(QPainter& p, const QRect& rect, ColorRef colour, bool selected, const QPalette& palette);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColorRef m_unlisted = 0;
};
