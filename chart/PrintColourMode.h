#pragma once
// The colours of a printed or previewed page: for the lifetime of the object the 78 colours of
// the options are replaced by their paper form and the drawing is marked as printing; the
// destructor puts everything back, also when the job is cancelled or throws. Nested modes
// restore in reverse order, so the outermost one always ends with the original colours.
#include <array>
#include <cstddef>

#include "DrawContext.h"
#include "Options.h"

constexpr std::size_t PrintColourCount = sizeof(TColorOptions) / sizeof(ColorRef);
static_assert(PrintColourCount == 78 && sizeof(TColorOptions) == PrintColourCount * sizeof(ColorRef),
              "the print colour mode saves the colours as one flat block");

// The paper form of the colours. Black: every colour black. Coloured: white turns black (it
// would vanish on paper), the table frame colours turn black, and every colour of the second
// chart style turns black (its fills are not printed; its lines and texts print black).
TColorOptions printColours(const TColorOptions& colours, bool black);

class PrintColourMode {
public:
    // Applies the paper colours by `options.print_black` and sets `printing` until destruction.
    PrintColourMode(TOptions& options, bool& printing);
    // The same for a drawing: marks `dc` as printing.
    PrintColourMode(TOptions& options, DrawContext& dc) : PrintColourMode(options, dc.printing) {}
    ~PrintColourMode();
    PrintColourMode(const PrintColourMode&) = delete;
    PrintColourMode& operator=(const PrintColourMode&) = delete;

private:
    TOptions& m_options;
    bool& m_printing;
    TColorOptions m_saved;
    bool m_wasPrinting;
};
