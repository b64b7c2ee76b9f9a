#include "TDisplayDialog2.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int FirstAsteroid = BodyChiron;  // the rows from here on form the second group
constexpr int AxesRow = DisplayRowAxes, CuspsRow = DisplayRowCusps;

QCheckBox* cell(QWidget* parent, const QString& name, const QString& column, const QString& object) {
    auto* c = new QCheckBox(parent);
    c->setObjectName(object);
    // No text beside the box: the row and column say what it is, and so does its name.
    c->setAccessibleName(QStringLiteral("%1: %2").arg(name, column));
    return c;
}

QLabel* heading(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QGridLayout* columnGrid(QGroupBox* group, const QStringList& columns) {
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(3);
    for (int i = 0; i < columns.size(); ++i)
        grid->addWidget(heading(columns[i], group), 0, 1 + i, Qt::AlignHCenter);
    grid->setColumnStretch(0, 1);
    return grid;
}

}  // namespace

TDisplayDialog2::TDisplayDialog2(QWidget* parent, const TOptions& options) : TMyDialog(parent), m_options(options) {
    setWindowTitle(tr("Display Options II."));
    const QString wheel = tr("wheel"), asp = tr("asp"), table = tr("table");

    const std::array<QString, BodyRows> bodies = {
        tr("Sun"),     tr("Moon"),   tr("Mercury"), tr("Venus"),     tr("Mars"),         tr("Jupiter"),
        tr("Saturn"),  tr("Uranus"), tr("Neptune"), tr("Pluto"),     tr("Ascending node"), tr("Descending node"),
        tr("Lilith"),  tr("Chiron"), tr("Pholus"),  tr("Ceres"),     tr("Pallas"),       tr("Juno"),
        tr("Vesta"),   tr("Vertex"), tr("East Point"), tr("Co-ascendant"), tr("Polar Ascendant"), tr("Part of Fortune"),
        tr("Axes"),    tr("House cusps"),
    };

    const TDisplayOptions& d = m_options.display;
    auto* planetsGroup = new QGroupBox(tr(" Planets and their aspects:"), this);
    auto* planetsGrid = columnGrid(planetsGroup, {wheel, asp, table});
    int row = 1;
    for (int b = 0; b < FirstAsteroid; ++b)
        addBodyRow(planetsGrid, row++, b, bodies[std::size_t(b)]);
    planetsGrid->setRowMinimumHeight(row++, 8);  // the axes and cusps apart from the bodies
    addBodyRow(planetsGrid, row++, AxesRow, bodies[AxesRow]);
    addBodyRow(planetsGrid, row++, CuspsRow, bodies[CuspsRow]);
    planetsGrid->setRowStretch(row, 1);

    auto* asteroidsGroup = new QGroupBox(tr(" Asteroids and other points:"), this);
    auto* asteroidsGrid = columnGrid(asteroidsGroup, {wheel, asp, table});
    row = 1;
    for (int b = FirstAsteroid; b < WheelBodies; ++b)
        addBodyRow(asteroidsGrid, row++, b, bodies[std::size_t(b)]);
    asteroidsGrid->setRowStretch(row, 1);

    auto* fixedGroup = new QGroupBox(tr(" Fixed start conjunctions:"), this);
    auto* fixedGrid = new QGridLayout(fixedGroup);
    const std::array<QString, 6> fixedTexts = {tr("Axes"),        tr("Planets"),   tr("Lunar nodes"),
                                               tr("House cusps"), tr("Asteroids"), tr("Other points")};
    for (std::size_t i = 0; i < m_fixedStar.size(); ++i) {
        m_fixedStar[i] = new QCheckBox(fixedTexts[i], fixedGroup);
        m_fixedStar[i]->setObjectName(QStringLiteral("fsconj%1").arg(i));
        m_fixedStar[i]->setChecked(m_options.display.fsconjs[i]);
        fixedGrid->addWidget(m_fixedStar[i], int(i % 3), int(i / 3));
    }

    auto* styleGroup = new QGroupBox(tr(" Wheel strength indic:"), this);
    auto* styleLayout = new QVBoxLayout(styleGroup);
    m_pale = new QRadioButton(tr("Pale line"), styleGroup);
    m_dashed = new QRadioButton(tr("Dashed line"), styleGroup);
    m_pale->setObjectName(QStringLiteral("paleLine"));
    m_dashed->setObjectName(QStringLiteral("dashedLine"));
    (d.aspect_style ? m_dashed : m_pale)->setChecked(true);
    styleLayout->addWidget(m_pale);
    styleLayout->addWidget(m_dashed);

    auto* basisGroup = new QGroupBox(tr(" Wheel strength based on:"), this);
    auto* basisLayout = new QVBoxLayout(basisGroup);
    m_orbis = new QRadioButton(tr("Orbis"), basisGroup);
    m_closing = new QRadioButton(tr("Closing"), basisGroup);
    m_orbis->setObjectName(QStringLiteral("orbis"));
    m_closing->setObjectName(QStringLiteral("closing"));
    (d.aspect_closing ? m_closing : m_orbis)->setChecked(true);
    basisLayout->addWidget(m_orbis);
    basisLayout->addWidget(m_closing);

    auto* aspectsGroup = new QGroupBox(tr(" Aspects:"), this);
    auto* aspectsGrid = columnGrid(aspectsGroup, {wheel, table});
    const std::array<QString, AspectCount> aspects = {
        tr("Conjunction"), tr("Semisextile"), tr("Semisquare"), tr("Sextile"),   tr("Quintile"), tr("Square"),
        tr("Trine"),       tr("Sesquiquadrate"), tr("Biquintile"), tr("Quincunx"), tr("Opposition"), tr("NB"),
        tr("NB5"),         tr("NB7"),         tr("Quindecile"), tr("Novile"),    tr("Binovile"), tr("Quadnovile"),
    };
    row = 1;
    for (std::size_t t = 0; t < aspects.size(); ++t, ++row) {
        auto* label = new QLabel(aspects[t], aspectsGroup);
        m_aspWheel[t] = cell(aspectsGroup, aspects[t], wheel, QStringLiteral("aspWheel%1").arg(t));
        m_aspTable[t] = cell(aspectsGroup, aspects[t], table, QStringLiteral("aspTable%1").arg(t));
        m_aspWheel[t]->setChecked(d.aspsonchart[t]);
        m_aspTable[t]->setChecked(d.asps[t]);
        label->setBuddy(m_aspWheel[t]);
        aspectsGrid->addWidget(label, row, 0);
        aspectsGrid->addWidget(m_aspWheel[t], row, 1, Qt::AlignHCenter);
        aspectsGrid->addWidget(m_aspTable[t], row, 2, Qt::AlignHCenter);
    }
    const QString opposite = tr("Opposite objects");
    auto* oppLabel = new QLabel(opposite, aspectsGroup);
    m_oppWheel = cell(aspectsGroup, opposite, wheel, QStringLiteral("oppWheel"));
    m_oppTable = cell(aspectsGroup, opposite, table, QStringLiteral("oppTable"));
    m_oppWheel->setChecked(d.oppaspsonchart);
    m_oppTable->setChecked(d.oppasps);
    oppLabel->setBuddy(m_oppWheel);
    aspectsGrid->addWidget(oppLabel, row, 0);
    aspectsGrid->addWidget(m_oppWheel, row, 1, Qt::AlignHCenter);
    aspectsGrid->addWidget(m_oppTable, row++, 2, Qt::AlignHCenter);
    m_collOpp = new QCheckBox(tr("Opposites on coll"), aspectsGroup);
    m_collOpp->setObjectName(QStringLiteral("collOpp"));
    m_collOpp->setChecked(d.colloppasps);
    aspectsGrid->addWidget(m_collOpp, row++, 0, 1, 3);
    aspectsGrid->setRowStretch(row, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TDisplayDialog2::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* middle = new QVBoxLayout;
    middle->addWidget(asteroidsGroup);
    middle->addWidget(fixedGroup);
    auto* strength = new QHBoxLayout;
    strength->addWidget(styleGroup);
    strength->addWidget(basisGroup);
    middle->addLayout(strength);
    middle->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addWidget(planetsGroup);
    columns->addLayout(middle);
    columns->addWidget(aspectsGroup);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_bodyWheel[0]->setFocus();
}

void TDisplayDialog2::addBodyRow(QGridLayout* grid, int row, int body, const QString& name) {
    QWidget* parent = grid->parentWidget();
    const TDisplayOptions& d = m_options.display;
    const auto b = std::size_t(body);
    auto* label = new QLabel(name, parent);
    grid->addWidget(label, row, 0);
    // The wheel shows the axes and the house cusps by switches of their own: no wheel column.
    if (body < WheelBodies) {
        m_bodyWheel[b] = cell(parent, name, tr("wheel"), QStringLiteral("wheel%1").arg(body));
        m_bodyWheel[b]->setChecked(d.plansonchart[b]);
        grid->addWidget(m_bodyWheel[b], row, 1, Qt::AlignHCenter);
    }
    m_bodyAsp[b] = cell(parent, name, tr("asp"), QStringLiteral("asp%1").arg(body));
    m_bodyTable[b] = cell(parent, name, tr("table"), QStringLiteral("table%1").arg(body));
    m_bodyAsp[b]->setChecked(d.planasps[b]);
    m_bodyTable[b]->setChecked(d.plans[b]);
    grid->addWidget(m_bodyAsp[b], row, 2, Qt::AlignHCenter);
    grid->addWidget(m_bodyTable[b], row, 3, Qt::AlignHCenter);
    label->setBuddy(body < WheelBodies ? m_bodyWheel[b] : m_bodyAsp[b]);
}

void TDisplayDialog2::accept() {
    TDisplayOptions& d = m_options.display;
    for (std::size_t i = 0; i < m_bodyWheel.size(); ++i)
        d.plansonchart[i] = m_bodyWheel[i]->isChecked();
    for (std::size_t i = 0; i < m_bodyAsp.size(); ++i) {
        d.planasps[i] = m_bodyAsp[i]->isChecked();
        d.plans[i] = m_bodyTable[i]->isChecked();
    }
    for (std::size_t t = 0; t < m_aspWheel.size(); ++t) {
        d.aspsonchart[t] = m_aspWheel[t]->isChecked();
        d.asps[t] = m_aspTable[t]->isChecked();
    }
    d.oppaspsonchart = m_oppWheel->isChecked();
    d.oppasps = m_oppTable->isChecked();
    d.colloppasps = m_collOpp->isChecked();
    for (std::size_t i = 0; i < m_fixedStar.size(); ++i)
        d.fsconjs[i] = m_fixedStar[i]->isChecked();
    d.aspect_style = m_dashed->isChecked() ? 1 : 0;
    d.aspect_closing = m_closing->isChecked() ? 1 : 0;
    QDialog::accept();
}
