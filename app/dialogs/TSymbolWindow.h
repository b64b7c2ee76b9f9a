#pragma once
#include <QWidget>

// A 30 x 30 pixel preview of one glyph of the symbol font, framed, for the symbol choices.
// A click on it is passed on as `clicked`, so the choice beside it can be picked there too.
class TSymbolWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int Side = 30;

    explicit TSymbolWindow(char glyph, QWidget* parent = nullptr);
    char glyph() const { return m_glyph; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    char m_glyph;
};
