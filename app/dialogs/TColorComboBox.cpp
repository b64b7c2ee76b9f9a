#include "TColorComboBox.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include "ChartColours.h"

namespace {

// The items of the drop-down list: swatches only, 18 pixels high.
class SwatchDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const ColorRef colour = index.data(Qt::UserRole).toUInt();
        TColorComboBox::paintSwatch(*p, option.rect, colour, option.state.testFlag(QStyle::State_Selected), option.palette);
        if (option.state.testFlag(QStyle::State_HasFocus)) {
            QStyleOptionFocusRect focus;
            focus.rect = option.rect;
            focus.palette = option.palette;
            focus.state = option.state;
            if (const QWidget* w = option.widget)
                w->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, p, w);
        }
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {60, TColorComboBox::ItemHeight};
    }
};

QString colourName(ColorRef c) {
    // #RRGGBB for screen readers and tool tips; the options file writes the bytes the other way round.
    return toQColor(c).name(QColor::HexRgb).toUpper();
}

}  // namespace

TColorComboBox::TColorComboBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new SwatchDelegate(this));
    for (ColorRef c : ColorPalette) {
        addItem(QString(), QVariant::fromValue(uint(c)));
        const int i = count() - 1;
        setItemData(i, colourName(c), Qt::ToolTipRole);
        setItemData(i, colourName(c), Qt::AccessibleTextRole);
    }
    setMaxVisibleItems(int(ColorPalette.size()));
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int i) {
        setToolTip(colourName(i >= 0 ? itemData(i).toUInt() : m_unlisted));
    });
}

int TColorComboBox::paletteIndex(ColorRef colour) {
    for (std::size_t i = 0; i < ColorPalette.size(); ++i)
        if (ColorPalette[i] == colour)
            return int(i);
    return -1;
}

void TColorComboBox::setColour(ColorRef colour) {
    m_unlisted = colour & 0xFFFFFF;
    const int i = paletteIndex(colour);
    setCurrentIndex(i);
    setToolTip(colourName(i >= 0 ? ColorPalette[std::size_t(i)] : m_unlisted));
    update();
}

ColorRef TColorComboBox::colour() const {
    const int i = currentIndex();
    return i >= 0 ? ColorPalette[std::size_t(i)] : m_unlisted;
}

QSize TColorComboBox::sizeHint() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // A swatch as wide as a few characters, the gap, and the style's frame and arrow.
    const QSize content(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 4 + Gap + 4, ItemHeight);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, content, this);
}

QSize TColorComboBox::minimumSizeHint() const { return sizeHint(); }

void TColorComboBox::paintSwatch(QPainter& p, const QRect& rect, ColorRef colour, bool selected, const QPalette& palette) {
    p.save();
    p.fillRect(rect, palette.color(QPalette::Base));
    const QRect box = rect.adjusted(2 + Gap, 1, -2, -1);
    p.setPen(QPen(palette.color(QPalette::Text), 1));
    p.setBrush(toQColor(colour));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    if (selected) {
        // A small mark in the gap, pointing right at the swatch.
        const int left = rect.left() + 2, right = rect.left() + Gap - 2;
        const QPoint mark[3] = {{left, box.top()}, {left, box.bottom()}, {right, (box.top() + box.bottom() + 1) / 2}};
        p.setPen(Qt::NoPen);
        p.setBrush(palette.color(QPalette::Highlight));
        p.setRenderHint(QPainter::Antialiasing);
        p.drawPolygon(mark, 3);
    }
    p.restore();
}

void TColorComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    // A disabled control shows an empty box: its colour does not apply in the current style.
    if (!isEnabled())
        return;
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    paintSwatch(painter, field, colour(), hasFocus(), palette());
}
