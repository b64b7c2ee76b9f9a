#include "TOrbisesDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "Aspects.h"
#include "ErrorReporter.h"
#include "OptionFields.h"

namespace {

// The rows of the orb table, in aspect order.
constexpr std::array<const char*, OrbAspectCount> AspectNames = {
    QT_TRANSLATE_NOOP("TOrbisesDialog", "Conjunction"),     QT_TRANSLATE_NOOP("TOrbisesDialog", "Semisextile"),
    QT_TRANSLATE_NOOP("TOrbisesDialog", "Semisquare"),      QT_TRANSLATE_NOOP("TOrbisesDialog", "Sextile"),
    QT_TRANSLATE_NOOP("TOrbisesDialog", "Quintile"),        QT_TRANSLATE_NOOP("TOrbisesDialog", "Square"),
    QT_TRANSLATE_NOOP("TOrbisesDialog", "Trine"),           QT_TRANSLATE_NOOP("TOrbisesDialog", "Sesquiquadrate"),
    QT_TRANSLATE_NOOP("TOrbisesDialog", "Biquintile"),      QT_TRANSLATE_NOOP("TOrbisesDialog", "Quincunx"),
    QT_TRANSLATE_NOOP("TOrbisesDialog", "Opposition"),      QT_TRANSLATE_NOOP("TOrbisesDialog", "NB"),
    QT_TRANSLATE_NOOP("TOrbisesDialog", "NB5"),             QT_TRANSLATE_NOOP("TOrbisesDialog", "NB7"),
    QT_TRANSLATE_NOOP("TOrbisesDialog", "Quindecile"),      QT_TRANSLATE_NOOP("TOrbisesDialog", "Novile"),
    QT_TRANSLATE_NOOP("TOrbisesDialog", "Binovile"),        QT_TRANSLATE_NOOP("TOrbisesDialog", "Quadnovile"),
    QT_TRANSLATE_NOOP("TOrbisesDialog", "Parallel"),        QT_TRANSLATE_NOOP("TOrbisesDialog", "Contra-parallel"),
    QT_TRANSLATE_NOOP("TOrbisesDialog", "Fixed star conj."),
};

// The columns of an orb row: the orb classes of the chart points.
constexpr std::array<const char*, OrbClassCount> OrbClassNames = {
    QT_TRANSLATE_NOOP("TOrbisesDialog", "Asc"),         QT_TRANSLATE_NOOP("TOrbisesDialog", "MC"),
    QT_TRANSLATE_NOOP("TOrbisesDialog", "Sun"),         QT_TRANSLATE_NOOP("TOrbisesDialog", "Moon"),
    QT_TRANSLATE_NOOP("TOrbisesDialog", "Mercury"),     QT_TRANSLATE_NOOP("TOrbisesDialog", "Venus"),
    QT_TRANSLATE_NOOP("TOrbisesDialog", "Mars"),        QT_TRANSLATE_NOOP("TOrbisesDialog", "Jupiter"),
    QT_TRANSLATE_NOOP("TOrbisesDialog", "Saturn"),      QT_TRANSLATE_NOOP("TOrbisesDialog", "Uranus"),
    QT_TRANSLATE_NOOP("TOrbisesDialog", "Neptune"),     QT_TRANSLATE_NOOP("TOrbisesDialog", "Pluto"),
    QT_TRANSLATE_NOOP("TOrbisesDialog", "Nodes"),       QT_TRANSLATE_NOOP("TOrbisesDialog", "House cusps"),
    QT_TRANSLATE_NOOP("TOrbisesDialog", "Asteroids"),   QT_TRANSLATE_NOOP("TOrbisesDialog", "Other"),
};

constexpr int AspectColumns = 3;
// An orb edit takes whatever is typed, up to this many characters, so that a letter or a minus
// sign is refused with a word instead of vanishing.
constexpr int OrbTextLength = 8;
constexpr int OrbColumns = 2;

QLabel* labelFor(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

TOrbisesDialog::Orbs TOrbisesDialog::Orbs::of(const TOptions& options) {
    Orbs orbs;
    orbs.orbises = options.orbises;
    orbs.collfactor = options.collfactor;
    orbs.houseexts = options.houseexts;
    orbs.correvs = options.correvs;
    orbs.stationary_strict = options.stationary_strict;
    return orbs;
}

void TOrbisesDialog::Orbs::applyTo(TOptions& options) const {
    options.orbises = orbises;
    options.collfactor = collfactor;
    options.houseexts = houseexts;
    options.correvs = correvs;
    options.stationary_strict = stationary_strict;
}

TOrbisesDialog::TOrbisesDialog(QWidget* parent, const ErrorReporter& errors, const Orbs& orbs, int aspect)
    : TMyDialog(parent), m_errors(errors), m_orbs(orbs), m_aspect(aspect >= 0 && aspect < OrbAspectCount ? aspect : 0),
      m_aspects(new QButtonGroup(this)), m_orbGroup(new QGroupBox(this)) {
    setWindowTitle(tr("Orbises"));

    auto* aspectGroup = new QGroupBox(tr("&Aspect"), this);
    auto* aspectGrid = new QGridLayout(aspectGroup);
    const int aspectRows = (OrbAspectCount + AspectColumns - 1) / AspectColumns;
    for (int a = 0; a < OrbAspectCount; ++a) {
        auto* button = new QRadioButton(tr(AspectNames[a]), aspectGroup);
        button->setObjectName(QStringLiteral("aspect%1").arg(a));
        m_aspects->addButton(button, a);
        // Down the columns, so the parallels and the fixed star row end the last one.
        aspectGrid->addWidget(button, a % aspectRows, a / aspectRows);
    }
    m_aspects->button(m_aspect)->setChecked(true);

    auto* orbGrid = new QGridLayout(m_orbGroup);
    const int orbRows = OrbClassCount / OrbColumns;
    for (int c = 0; c < OrbClassCount; ++c) {
        QLineEdit* edit = decimalField(m_orbGroup, QStringLiteral("orb%1").arg(c));
        edit->setValidator(nullptr);
        edit->setMaxLength(OrbTextLength);
        m_orbEdits[c] = edit;
        const int row = c % orbRows;
        const int column = 3 * (c / orbRows);
        orbGrid->addWidget(labelFor(tr(OrbClassNames[c]), edit, m_orbGroup), row, column);
        orbGrid->addWidget(edit, row, column + 1);
    }
    orbGrid->setColumnMinimumWidth(2, 16);

    auto* otherGroup = new QGroupBox(tr("Further settings"), this);
    auto* other = new QGridLayout(otherGroup);
    m_collfactor = decimalField(otherGroup, QStringLiteral("collfactor"));
    other->addWidget(labelFor(tr("&Collation factor:"), m_collfactor, otherGroup), 0, 0);
    other->addWidget(m_collfactor, 0, 1);
    m_correvs = decimalField(otherGroup, QStringLiteral("correvs"));
    other->addWidget(labelFor(tr("Max. dis&tance\nat a correction event:"), m_correvs, otherGroup), 1, 0);
    other->addWidget(m_correvs, 1, 1);
    other->addWidget(new QLabel(tr("years"), otherGroup), 1, 2);
    m_stationary = byteField(otherGroup, QStringLiteral("stationary_strict"));
    other->addWidget(labelFor(tr("&Strictness of stationary:"), m_stationary, otherGroup), 2, 0);
    other->addWidget(m_stationary, 2, 1);
    other->setColumnStretch(3, 1);

    auto* houseGroup = new QGroupBox(tr("House scope before the cusp"), this);
    auto* houses = new QGridLayout(houseGroup);
    const std::array<QString, 3> houseLabels = {tr("Asc--&Desc"), tr("&MC--IC"), tr("&Internal")};
    for (int h = 0; h < 3; ++h) {
        m_houseexts[h] = decimalField(houseGroup, QStringLiteral("houseext%1").arg(h));
        houses->addWidget(labelFor(houseLabels[h], m_houseexts[h], houseGroup), h, 0);
        houses->addWidget(m_houseexts[h], h, 1);
    }
    houses->setColumnStretch(2, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TOrbisesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(aspectGroup);
    top->addWidget(m_orbGroup);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(otherGroup, 1);
    bottom->addWidget(houseGroup);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab goes from the chosen aspect (arrow keys move within the aspects) through the orbs
    // to the further settings and the buttons.
    QList<QWidget*> chain;
    for (QAbstractButton* b : m_aspects->buttons())
        chain << b;
    for (QLineEdit* e : m_orbEdits)
        chain << e;
    chain << m_collfactor << m_correvs << m_stationary << m_houseexts[0] << m_houseexts[1] << m_houseexts[2]
          << buttons;
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    m_collfactor->setText(decimalText(m_orbs.collfactor));
    for (int h = 0; h < 3; ++h)
        m_houseexts[h]->setText(decimalText(m_orbs.houseexts[h]));
    m_correvs->setText(decimalText(m_orbs.correvs));
    m_stationary->setText(QString::number(m_orbs.stationary_strict));
    showRow(m_aspect);
    connect(m_aspects, &QButtonGroup::idToggled, this, &TOrbisesDialog::aspectToggled);
    m_aspects->button(m_aspect)->setFocus();
}

void TOrbisesDialog::showRow(int aspect) {
    m_aspect = aspect;
    m_orbGroup->setTitle(tr("Orbs: %1").arg(tr(AspectNames[aspect]).remove(QLatin1Char('&'))));
    for (int c = 0; c < OrbClassCount; ++c)
        m_orbEdits[c]->setText(decimalText(m_orbs.orbises[aspect][c]));
}

double TOrbisesDialog::maxOrb(int aspect) {
    return aspect == AspectParallel || aspect == AspectContraParallel ? MaxParallelOrb : MaxAspectOrb;
}

bool TOrbisesDialog::storeRow() {
    std::array<double, OrbClassCount> row{};
    const double limit = maxOrb(m_aspect);
    for (int c = 0; c < OrbClassCount; ++c) {
        QLineEdit* edit = m_orbEdits[c];
        const std::optional<double> value = decimalValue(edit);
        if (!value || *value > limit) {
            // As every option dialog refuses a value: the message, then the field to mend.
            m_errors.error(this, tr("Enter an orb from 0 to %1 degrees with at most two decimals, such as 2.50.")
                                     .arg(decimalText(limit).trimmed()));
            edit->setFocus();
            edit->selectAll();
            return false;
        }
        row[c] = singlePrecision(*value);
    }
    m_orbs.orbises[m_aspect] = row;
    return true;
}

void TOrbisesDialog::aspectToggled(int aspect, bool checked) {
    if (!checked || aspect == m_aspect)
        return;
    if (storeRow()) {
        showRow(aspect);
        return;
    }
    // The row shown still holds something that is not an orb: it stays until that is mended.
    const QSignalBlocker block(m_aspects);
    m_aspects->button(m_aspect)->setChecked(true);
}

void TOrbisesDialog::accept() {
    if (!storeRow())
        return;
    Orbs edited = m_orbs;
    const auto collfactor = takeDecimal(m_errors, m_collfactor);
    if (!collfactor)
        return;
    edited.collfactor = singlePrecision(*collfactor);
    const auto correvs = takeDecimal(m_errors, m_correvs);
    if (!correvs)
        return;
    edited.correvs = singlePrecision(*correvs);
    const auto stationary = takeByte(m_errors, m_stationary);
    if (!stationary)
        return;
    // Strictness starts at 2; anything less means "not strict", kept as 1.
    edited.stationary_strict = static_cast<std::uint8_t>(*stationary < 2 ? 1 : *stationary);
    for (int h = 0; h < 3; ++h) {
        const auto value = takeDecimal(m_errors, m_houseexts[h]);
        if (!value)
            return;
        edited.houseexts[h] = singlePrecision(*value);
    }
    m_orbs = edited;
    QDialog::accept();
}
