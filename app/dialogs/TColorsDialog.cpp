#include "TColorsDialog.h"

#include <QComboBox>
#include <algorithm>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ChartView.h"
#include "QtText.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TColorComboBox.h"

namespace {

constexpr int QualityItems = 4;
static_assert(StrId::SmoothingLegacy + QualityItems - 1 == StrId::Smoothing16xAntialias);

QComboBox* styleBox(QWidget* parent, const StringTable& strings, const char* name, std::uint8_t stored) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItem(fromCp1250(strings[StrId::ChartStyleLegacy]));
    box->addItem(fromCp1250(strings[StrId::ChartStyleZodikeonV]));
    // Any value but 2 draws the legacy way.
    box->setCurrentIndex(stored == 2 ? 1 : 0);
    return box;
}

QGridLayout* colourGrid(QGroupBox* group) {
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    return grid;
}

}  // namespace

int qualityItem(const TOptions& options) {
    const int factor = viewSmoothingFactor(ChartView::Wheel, options);
    return factor == 4 ? 3 : factor;
}

std::uint8_t qualityValue(int item) { return static_cast<std::uint8_t>(item == 3 ? 4 : std::max(item, 0)); }

TColorsDialog::TColorsDialog(QWidget* parent, const TOptions& options, const StringTable& strings)
    : TMyDialog(parent), m_options(options) {
    setWindowTitle(tr("Colors"));
    TColorOptions& c = m_options.colors;

    auto* styles = new QHBoxLayout;
    m_chartStyle = styleBox(this, strings, "chartStyle", m_options.display.chart_style);
    m_tableStyle = styleBox(this, strings, "tableStyle", m_options.display.table_style);
    m_quality = new QComboBox(this);
    m_quality->setObjectName(QStringLiteral("quality"));
    for (int i = 0; i < QualityItems; ++i)
        m_quality->addItem(fromCp1250(strings[StrId::SmoothingLegacy + i]));
    m_quality->setCurrentIndex(qualityItem(m_options));
    const std::array<std::pair<QString, QComboBox*>, 3> styleRows = {
        {{tr("&Wheel:"), m_chartStyle}, {tr("&Tables:"), m_tableStyle}, {tr("&Quality:"), m_quality}}};
    for (const auto& [text, box] : styleRows) {
        auto* label = new QLabel(text, this);
        label->setBuddy(box);
        styles->addWidget(label);
        styles->addWidget(box);
        styles->addSpacing(16);
    }
    styles->addStretch();

    auto* wheelGroup = new QGroupBox(tr(" Wheel colors:"), this);
    auto* wheelGrid = colourGrid(wheelGroup);
    const std::array<std::pair<QString, ColorRef*>, 6> wheelRows = {{{tr("Frame:"), &c.frame},
                                                                     {tr("Signs:"), &c.zodiac},
                                                                     {tr("Axes:"), &c.axises},
                                                                     {tr("Axis names:"), &c.axisnames},
                                                                     {tr("Houses:"), &c.houses},
                                                                     {tr("House numbers:"), &c.housenums}}};
    const std::array<const char*, 6> wheelNames = {"frame", "zodiac", "axises", "axisnames", "houses", "housenums"};
    for (std::size_t i = 0; i < wheelRows.size(); ++i) {
        const QString& text = wheelRows[i].first;
        auto* box = addColour(*wheelRows[i].second, QLatin1String(wheelNames[i]), text);
        auto* label = new QLabel(text, wheelGroup);
        label->setBuddy(box);
        wheelGrid->addWidget(label, int(i), 0);
        wheelGrid->addWidget(box, int(i), 1);
        m_wheelColours.push_back(box);
    }
    wheelGrid->setRowStretch(int(wheelRows.size()), 1);

    // Dignity state 5 has no colour of its own on screen.
    auto* dignityGroup = new QGroupBox(tr(" Dignities:"), this);
    auto* dignityGrid = colourGrid(dignityGroup);
    const std::array<std::pair<int, QString>, 6> dignityRows = {{{0, tr("Peregr:")},
                                                                 {1, tr("Domicile:")},
                                                                 {2, tr("Detrim:")},
                                                                 {3, tr("Exalt:")},
                                                                 {4, tr("Fall:")},
                                                                 {6, tr("Trigonoc:")}}};
    for (std::size_t i = 0; i < dignityRows.size(); ++i) {
        const auto& [state, text] = dignityRows[i];
        auto* box = addColour(c.dignities[std::size_t(state)], QStringLiteral("dignity%1").arg(state), text);
        auto* label = new QLabel(text, dignityGroup);
        label->setBuddy(box);
        dignityGrid->addWidget(label, int(i), 0);
        dignityGrid->addWidget(box, int(i), 1);
    }
    dignityGrid->setRowStretch(int(dignityRows.size()), 1);

    auto* aspectGroup = new QGroupBox(tr(" Aspects:"), this);
    auto* aspectGrid = colourGrid(aspectGroup);
    const std::array<QString, AspectCount> aspects = {
        tr("Conjunction:"), tr("Semisextile:"), tr("Semisquare:"), tr("Sextile:"),   tr("Quintile:"), tr("Square:"),
        tr("Trine:"),       tr("Sesquiquadrate:"), tr("Biquintile:"), tr("Quincunx:"), tr("Opposition:"), tr("NB:"),
        tr("NB5:"),         tr("NB7:"),         tr("Quindecile:"), tr("Novile:"),    tr("Binovile:"), tr("Quadnovile:"),
    };
    constexpr int AspectRows = (AspectCount + 1) / 2;
    for (std::size_t t = 0; t < aspects.size(); ++t) {
        auto* box = addColour(c.aspects[t], QStringLiteral("aspect%1").arg(t), aspects[t]);
        auto* label = new QLabel(aspects[t], aspectGroup);
        label->setBuddy(box);
        const int row = int(t) % AspectRows, column = int(t) / AspectRows * 3;
        aspectGrid->addWidget(label, row, column);
        aspectGrid->addWidget(box, row, column + 1);
    }
    aspectGrid->setColumnMinimumWidth(2, 12);
    aspectGrid->setRowStretch(AspectRows, 1);

    auto* tableGroup = new QGroupBox(tr(" Table colors:"), this);
    auto* tableGrid = colourGrid(tableGroup);
    struct Pair {
        QString text;
        const char* name;
        ColorRef* first;
        ColorRef* second;
    };
    const std::array<Pair, 5> tableRows = {{{tr("Base:"), "base", &c.background, &c.deftext},
                                            {tr("Table cell:"), "table", &c.table[0], &c.table[1]},
                                            {tr("Neutral:"), "neutral", &c.neutral[0], &c.neutral[1]},
                                            {tr("Positive:"), "positive", &c.positive[0], &c.positive[1]},
                                            {tr("Negative:"), "negative", &c.negative[0], &c.negative[1]}}};
    for (std::size_t i = 0; i < tableRows.size(); ++i) {
        const Pair& row = tableRows[i];
        auto* first = addColour(*row.first, QStringLiteral("%1%2").arg(QLatin1String(row.name)).arg(0),
                                QStringLiteral("%1 1").arg(row.text));
        auto* second = addColour(*row.second, QStringLiteral("%1%2").arg(QLatin1String(row.name)).arg(1),
                                 QStringLiteral("%1 2").arg(row.text));
        auto* label = new QLabel(row.text, tableGroup);
        label->setBuddy(first);
        tableGrid->addWidget(label, int(i), 0);
        tableGrid->addWidget(first, int(i), 1);
        tableGrid->addWidget(second, int(i), 2);
        if (i == 0) {
            m_baseColours.push_back(first);
            m_baseColours.push_back(second);
        }
    }
    tableGrid->setRowStretch(int(tableRows.size()), 1);

    connect(m_chartStyle, &QComboBox::currentIndexChanged, this, &TColorsDialog::applyStyleRules);
    connect(m_tableStyle, &QComboBox::currentIndexChanged, this, &TColorsDialog::applyStyleRules);
    applyStyleRules();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TColorsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(wheelGroup);
    left->addWidget(dignityGroup);
    auto* right = new QVBoxLayout;
    right->addWidget(aspectGroup);
    right->addWidget(tableGroup);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(styles);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_chartStyle->setFocus();
}

TColorComboBox* TColorsDialog::addColour(ColorRef& value, const QString& objectName, const QString& accessible) {
    auto* box = new TColorComboBox(this);
    box->setObjectName(objectName);
    box->setAccessibleName(QString(accessible).remove(QLatin1Char(':')));
    box->setColour(value);
    m_colours.emplace_back(box, &value);
    return box;
}

void TColorsDialog::applyStyleRules() {
    const bool legacyWheel = m_chartStyle->currentIndex() == 0;
    const bool legacyTables = m_tableStyle->currentIndex() == 0;
    for (TColorComboBox* box : m_wheelColours)
        box->setEnabled(legacyWheel);
    for (TColorComboBox* box : m_baseColours)
        box->setEnabled(legacyTables);
}

void TColorsDialog::accept() {
    // Greyed controls keep what they show: switching back to the legacy style finds it again.
    for (const auto& [box, value] : m_colours)
        *value = box->colour();
    m_options.display.chart_style = static_cast<std::uint8_t>(m_chartStyle->currentIndex() + 1);
    m_options.display.table_style = static_cast<std::uint8_t>(m_tableStyle->currentIndex() + 1);
    m_options.display.antialias = qualityValue(m_quality->currentIndex());
    QDialog::accept();
}
