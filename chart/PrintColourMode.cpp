#include "PrintColourMode.h"

#include <cstring>

namespace {

std::array<ColorRef, PrintColourCount> flat(const TColorOptions& c) {
    std::array<ColorRef, PrintColourCount> a;
    std::memcpy(a.data(), &c, sizeof c);
    return a;
}

TColorOptions fromFlat(const std::array<ColorRef, PrintColourCount>& a) {
    TColorOptions c;
    std::memcpy(static_cast<void*>(&c), a.data(), sizeof c);
    return c;
}

std::size_t indexOf(const TColorOptions& c, const ColorRef* field) {
    return static_cast<std::size_t>(field - reinterpret_cast<const ColorRef*>(&c));
}

}  // namespace

TColorOptions printColours(const TColorOptions& colours, bool black) {
    std::array<ColorRef, PrintColourCount> a = flat(colours);
    if (black) {
        a.fill(0);
        return fromFlat(a);
    }
    for (ColorRef& c : a)
        if (c == 0xFFFFFF)
            c = 0;
    const std::size_t table = indexOf(colours, colours.table.data());
    a[table] = a[table + 1] = 0;
    for (std::size_t i = indexOf(colours, colours.c2_fill_back.data()); i < PrintColourCount; ++i)
        a[i] = 0;
    return fromFlat(a);
}

PrintColourMode::PrintColourMode(TOptions& options, bool& printing)
    : m_options(options), m_printing(printing), m_saved(options.colors), m_wasPrinting(printing) {
    m_options.colors = printColours(m_saved, m_options.print_black);
    m_printing = true;
}

PrintColourMode::~PrintColourMode() {
    m_options.colors = m_saved;
    m_printing = m_wasPrinting;
}
