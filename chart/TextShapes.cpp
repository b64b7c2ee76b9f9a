#include "TextShapes.h"

#include <QFontMetricsF>
#include <cmath>
#include <utility>

namespace {

// Qt keeps images of glyphs up to this size (device pixels) unless the environment says
// otherwise; larger ones it fills from their outlines.
constexpr int QtLargestGlyphImage = 64;
// Texts are kept for the fonts and labels of a few wheels; a longer list is started afresh
// (a window resized through many sizes would otherwise grow it without end).
constexpr qsizetype MostShapes = 4096;

}  // namespace

TextShapes::TextShapes() {
    const int fromEnvironment = qEnvironmentVariableIntValue("QT_MAX_CACHED_GLYPH_SIZE");
    const double largest = fromEnvironment > 0 ? fromEnvironment : QtLargestGlyphImage;
    m_largestImagedSquared = largest * largest;
}

const TextShapes::Shape& TextShapes::shape(const QFont& font, const QString& text, bool withOutline) {
    Key key{font, text};
    auto it = m_shapes.find(key);
    if (it == m_shapes.end()) {
        if (m_shapes.size() >= MostShapes)
            m_shapes.clear();
        const QFontMetricsF metrics(font);
        Shape measured;
        measured.width = metrics.horizontalAdvance(text);
        measured.ascent = metrics.ascent();
        measured.descent = metrics.descent();
        it = m_shapes.insert(std::move(key), std::move(measured));
    }
    Shape& s = it.value();
    if (withOutline && !s.outlined) {
        s.outline.setFillRule(Qt::WindingFill);
        s.outline.addText(QPointF(0, 0), font, text);
        s.outlined = true;
    }
    return s;
}

bool TextShapes::drawnAsOutline(const QFont& font, double determinant) const {
    const int pixelSize = font.pixelSize();
    if (pixelSize <= 0)
        return false;
    // A margin keeps texts at the very limit on Qt's own path, whichever way it rounds.
    constexpr double Margin = 1.1;
    return double(pixelSize) * pixelSize * std::abs(determinant) > m_largestImagedSquared * Margin;
}
