#pragma once
// What centred texts cost to lay out, kept from one repaint to the next by whoever repaints
// often (the chart view): the advance and line height of a text in a font, and, for a text
// drawn larger than Qt keeps glyph images of, its outline. Qt draws such a text by reading the
// outline from the font and shaping the text again on every call; filling the kept outline at
// the same glyph positions gives the same pixels without either.
#include <QFont>
#include <QHash>
#include <QPainterPath>
#include <QString>

class TextShapes {
public:
    TextShapes();

    struct Shape {
        double width = 0;  // horizontal advance
        double ascent = 0;
        double descent = 0;
        bool outlined = false;  // `outline` has been built
        QPainterPath outline;   // glyphs with their baseline at the origin
    };
    // The shape of `text` in `font`; the outline is built on the first call that asks for it.
    // The reference holds until the next call.
    const Shape& shape(const QFont& font, const QString& text, bool withOutline);

    // Whether Qt draws `font` from outlines under a transform of determinant `determinant`
    // (device pixels per logical unit squared) rather than from glyph images it keeps.
    bool drawnAsOutline(const QFont& font, double determinant) const;

private:
    struct Key {
        QFont font;
        QString text;
        bool operator==(const Key& other) const { return text == other.text && font == other.font; }
    };
    friend size_t qHash(const Key& key, size_t seed) { return qHashMulti(seed, key.font, key.text); }

    QHash<Key, Shape> m_shapes;
    double m_largestImagedSquared;  // Qt's largest glyph image, device pixels, squared
};
