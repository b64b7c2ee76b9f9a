#include "TSymbolsDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "GlyphCodes.h"
#include "TSymbolWindow.h"

namespace {

constexpr int VariantSlots = 5;
constexpr int ZodiacVariants = 2;
constexpr int GridStep = 32;  // the sign previews stand this far apart, both ways

// A choice without text: the preview beside it is what it offers, and a click there picks it.
QRadioButton* variantButton(QWidget* parent, const QString& accessible, const QString& object) {
    auto* r = new QRadioButton(parent);
    r->setObjectName(object);
    r->setAccessibleName(accessible);
    return r;
}

void pickOnClick(TSymbolWindow* preview, QRadioButton* button) {
    QObject::connect(preview, &TSymbolWindow::clicked, button, [button] {
        button->setChecked(true);
        button->setFocus();
    });
}

}  // namespace

TSymbolsDialog::TSymbolsDialog(QWidget* parent, const TOptions& options) : TMyDialog(parent), m_options(options) {
    setWindowTitle(tr("Symbols"));
    const std::array<QString, Bodies.size()> titles = {tr(" Mars:"), tr(" Uranus:"), tr(" Neptune"), tr(" Pluto:")};
    const std::array<const char*, Bodies.size()> keys = {"mars", "uranus", "neptune", "pluto"};

    auto* bodyColumn = new QVBoxLayout;
    for (std::size_t g = 0; g < Bodies.size(); ++g) {
        const int body = Bodies[g];
        auto* group = new QGroupBox(titles[g], this);
        auto* row = new QHBoxLayout(group);
        row->setSpacing(0);  // each preview starts where its button ends
        m_bodies[g] = new QButtonGroup(this);
        const QString name = titles[g].trimmed().remove(QLatin1Char(':'));
        for (int v = 0; v < VariantSlots; ++v) {
            const char glyph = bodyGlyph(body, v);
            if (!glyph)
                continue;
            auto* button = variantButton(group, tr("%1, variant %2").arg(name).arg(v + 1),
                                         QStringLiteral("%1%2").arg(QLatin1String(keys[g])).arg(v));
            auto* preview = new TSymbolWindow(glyph, group);
            pickOnClick(preview, button);
            m_bodies[g]->addButton(button, v);
            row->addWidget(button, 0, Qt::AlignVCenter);
            row->addWidget(preview, 0, Qt::AlignVCenter);
            row->addSpacing(16);
        }
        row->addStretch();
        // The wheel draws the first variant for a stored one that has no glyph: shown so here.
        QAbstractButton* stored = m_bodies[g]->button(m_options.symbols.bodies[std::size_t(body)]);
        (stored ? stored : m_bodies[g]->button(0))->setChecked(true);
        bodyColumn->addWidget(group);
    }
    bodyColumn->addStretch();

    auto* zodiacGroup = new QGroupBox(tr(" Zodiac:"), this);
    auto* zodiacLayout = new QVBoxLayout(zodiacGroup);
    m_zodiac = new QButtonGroup(this);
    for (int v = 0; v < ZodiacVariants; ++v) {
        auto* row = new QHBoxLayout;
        row->setSpacing(0);
        auto* button = variantButton(zodiacGroup, tr("Zodiac, variant %1").arg(v + 1), QStringLiteral("zodiac%1").arg(v));
        m_zodiac->addButton(button, v);
        auto* grid = new QGridLayout;
        grid->setSpacing(GridStep - TSymbolWindow::Side);
        for (int sign = 0; sign < SignCount; ++sign) {
            auto* preview = new TSymbolWindow(signGlyph(sign, v), zodiacGroup);
            pickOnClick(preview, button);
            grid->addWidget(preview, sign / 4, sign % 4);
        }
        row->addWidget(button, 0, Qt::AlignVCenter);
        row->addLayout(grid);
        row->addStretch();
        zodiacLayout->addLayout(row);
        if (v + 1 < ZodiacVariants)
            zodiacLayout->addSpacing(12);
    }
    zodiacLayout->addStretch();
    m_zodiac->button(m_options.symbols.zodiac == 1 ? 1 : 0)->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TSymbolsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* columns = new QHBoxLayout;
    columns->addLayout(bodyColumn);
    columns->addWidget(zodiacGroup);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_bodies[0]->checkedButton()->setFocus();
}

void TSymbolsDialog::accept() {
    for (std::size_t g = 0; g < Bodies.size(); ++g)
        m_options.symbols.bodies[std::size_t(Bodies[g])] = static_cast<std::uint8_t>(m_bodies[g]->checkedId());
    m_options.symbols.zodiac = static_cast<std::uint8_t>(m_zodiac->checkedId());
    QDialog::accept();
}
