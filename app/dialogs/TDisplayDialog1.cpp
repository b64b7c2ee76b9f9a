#include "TDisplayDialog1.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ErrorReporter.h"
#include "StartSign.h"

namespace {

using DisplaySwitch = bool TDisplayOptions::*;

// The wheel switches in the order of their check boxes.
constexpr std::array<DisplaySwitch, 12> WheelSwitches = {
    &TDisplayOptions::planets,    &TDisplayOptions::axises,  &TDisplayOptions::houses,     &TDisplayOptions::houseexts,
    &TDisplayOptions::longitudes, &TDisplayOptions::aspects, &TDisplayOptions::aspsymbols, &TDisplayOptions::projasps,
    &TDisplayOptions::fixstars,   &TDisplayOptions::constells, &TDisplayOptions::owners,   &TDisplayOptions::exalts,
};
constexpr int FixedStarsBox = 8, ConstellationsBox = 9, AspectsBox = 5, AspectSymbolsBox = 6;

constexpr std::array<const char*, 12> WheelNames = {"planets",    "axises",  "houses",     "houseexts",
                                                     "longitudes", "aspects", "aspsymbols", "projasps",
                                                     "fixstars",   "constells", "owners",   "exalts"};

// The position-table columns; `rascension` is a byte whose bit 1 says "not in time".
constexpr int RightAscensionColumn = 2;
constexpr std::array<const char*, 10> ColumnNames = {"longitude", "latitude", "rascension", "declination", "sa",
                                                      "adl",       "md",       "ad",         "ch",          "so"};

bool columnOn(const TDisplayOptions& d, int i) {
    switch (i) {
    case 0: return d.longitude;
    case 1: return d.latitude;
    case 2: return d.rascension & 1;
    case 3: return d.declination;
    case 4: return d.sa;
    case 5: return d.adl;
    case 6: return d.md;
    case 7: return d.ad;
    case 8: return d.ch;
    default: return d.so;
    }
}

void setColumn(TDisplayOptions& d, int i, bool on) {
    switch (i) {
    case 0: d.longitude = on; break;
    case 1: d.latitude = on; break;
    case 2: d.rascension = on ? 1 : 0; break;
    case 3: d.declination = on; break;
    case 4: d.sa = on; break;
    case 5: d.adl = on; break;
    case 6: d.md = on; break;
    case 7: d.ad = on; break;
    case 8: d.ch = on; break;
    default: d.so = on; break;
    }
}

constexpr std::array<DisplaySwitch, 4> AstroSwitches = {&TDisplayOptions::speed, &TDisplayOptions::distance,
                                                        &TDisplayOptions::diameter, &TDisplayOptions::magnitude};
constexpr std::array<const char*, 4> AstroNames = {"speed", "distance", "diameter", "magnitude"};

constexpr double MinScale = 0.1, MaxScale = 10.0;
constexpr int MaxScaleText = 29;

QRadioButton* radio(const QString& text, const char* name, QWidget* parent) {
    auto* r = new QRadioButton(text, parent);
    r->setObjectName(QLatin1String(name));
    return r;
}

QCheckBox* check(const QString& text, const char* name, QWidget* parent) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(QLatin1String(name));
    return c;
}

}  // namespace

TDisplayDialog1::TDisplayDialog1(QWidget* parent, const TOptions& options, const ErrorReporter& errors)
    : TMyDialog(parent), m_errors(errors), m_options(options), m_origin(new QButtonGroup(this)) {
    setWindowTitle(tr("Display Options I."));

    auto* wheelGroup = new QGroupBox(tr(" On the wheel:"), this);
    auto* wheelLayout = new QVBoxLayout(wheelGroup);
    const std::array<QString, 12> wheelTexts = {
        tr("&Planets"),          tr("&Axes"),          tr("&House cusps"),          tr("House &scopes"),
        tr("Exact &positions"),  tr("&Aspects: connected"), tr("with s&ymbols"),     tr("Aspects: pro&jected"),
        tr("Fixed stars"),       tr("Constellations"), tr("Rulers of signs"),       tr("Exalted in signs"),
    };
    for (std::size_t i = 0; i < m_wheel.size(); ++i) {
        m_wheel[i] = check(wheelTexts[i], WheelNames[i], wheelGroup);
        if (int(i) == AspectSymbolsBox) {
            // Symbols sit on the aspect lines: shown as a detail of them.
            auto* row = new QHBoxLayout;
            row->addSpacing(20);
            row->addWidget(m_wheel[i]);
            wheelLayout->addLayout(row);
        } else {
            wheelLayout->addWidget(m_wheel[i]);
        }
    }
    // Fixed stars and constellations are not drawn by this program: never offered.
    m_wheel[FixedStarsBox]->setEnabled(false);
    m_wheel[ConstellationsBox]->setEnabled(false);
    connect(m_wheel[AspectsBox], &QCheckBox::toggled, m_wheel[AspectSymbolsBox], &QWidget::setEnabled);
    wheelLayout->addStretch();

    auto* collationGroup = new QGroupBox(tr(" On collation, place the radix (Ctrl+I)"), this);
    auto* collationLayout = new QHBoxLayout(collationGroup);
    m_inside = radio(tr("inside"), "inside", collationGroup);
    m_outside = radio(tr("outside"), "outside", collationGroup);
    collationLayout->addWidget(m_inside);
    collationLayout->addWidget(m_outside);
    collationLayout->addStretch();

    auto* originGroup = new QGroupBox(tr(" Origin of the zodiac:"), this);
    auto* originLayout = new QGridLayout(originGroup);
    const std::array<QString, 13> originTexts = {tr("Ascendant"), tr("Aries"),   tr("Taurus"), tr("Gemini"), tr("Cancer"),
                                                 tr("Leo"),       tr("Virgo"),   tr("Libra"),  tr("Scorpio"), tr("Sagitt"),
                                                 tr("Capric"),    tr("Aquar"),   tr("Pisces")};
    for (int i = 0; i < 13; ++i) {
        auto* r = radio(originTexts[std::size_t(i)], QStringLiteral("origin%1").arg(i).toLatin1().constData(), originGroup);
        m_origin->addButton(r, i);
        if (i == 0)
            originLayout->addWidget(r, 0, 0, 1, 3);
        else
            originLayout->addWidget(r, 1 + (i - 1) / 3, (i - 1) % 3);
    }
    // The start or middle of the sign at the left, and the direction: their own little rows.
    auto* placeRow = new QHBoxLayout;
    auto* placeBox = new QWidget(originGroup);
    auto* placeLayout = new QHBoxLayout(placeBox);
    placeLayout->setContentsMargins(0, 0, 0, 0);
    m_start = radio(tr("start"), "start", placeBox);
    m_centre = radio(tr("center"), "center", placeBox);
    placeLayout->addWidget(m_start);
    placeLayout->addWidget(m_centre);
    placeRow->addWidget(placeBox);
    placeRow->addStretch();
    m_reverse = check(tr("reverse order"), "reverse", originGroup);
    placeRow->addWidget(m_reverse);
    originLayout->addLayout(placeRow, 5, 0, 1, 3);
    // Start and centre say nothing while the Ascendant is the origin.
    connect(m_origin, &QButtonGroup::idToggled, this, [placeBox, this](int, bool) {
        placeBox->setEnabled(m_origin->checkedId() > 0);
    });

    auto* tableGroup = new QGroupBox(tr(" In the position table:"), this);
    auto* tableLayout = new QGridLayout(tableGroup);
    const std::array<QString, 10> columnTexts = {tr("Longitude"), tr("Latitude"), tr("Right ascension"),
                                                 tr("Declination"), tr("Semiarcus"), tr("Asc. diff. (lat.)"),
                                                 tr("Meridiandist."), tr("Asc. diff. (cusph.)"), tr("Cusp height"),
                                                 tr("Asc/desc. obl.")};
    int row = 0;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        m_columns[i] = check(columnTexts[i], ColumnNames[i], tableGroup);
        tableLayout->addWidget(m_columns[i], row, 0);
        if (int(i) == RightAscensionColumn) {
            m_inTime = check(tr("in time"), "inTime", tableGroup);
            tableLayout->addWidget(m_inTime, row, 1);
            connect(m_columns[i], &QCheckBox::toggled, m_inTime, &QWidget::setEnabled);
        }
        ++row;
    }
    const std::array<QString, 4> astroTexts = {tr("Speed"), tr("Distance"), tr("App. diameter"), tr("Magnitude")};
    for (std::size_t i = 0; i < m_astro.size(); ++i) {
        m_astro[i] = check(astroTexts[i], AstroNames[i], tableGroup);
        tableLayout->addWidget(m_astro[i], int(i), 2);
    }
    tableLayout->setColumnStretch(3, 1);
    tableLayout->setRowStretch(row, 1);

    auto* anglesGroup = new QGroupBox(tr(" Angles:"), this);
    auto* anglesLayout = new QVBoxLayout(anglesGroup);
    m_dms = radio(tr("Deg, min, sec"), "dms", anglesGroup);
    m_decimal = radio(tr("Decimals"), "decimals", anglesGroup);
    anglesLayout->addWidget(m_dms);
    anglesLayout->addWidget(m_decimal);

    auto* scaleGroup = new QGroupBox(tr(" Table scale:"), this);
    auto* scaleLayout = new QVBoxLayout(scaleGroup);
    m_scale = new QLineEdit(scaleGroup);
    m_scale->setObjectName(QStringLiteral("tablesize"));
    m_scale->setMaxLength(MaxScaleText);
    auto* validator = new QDoubleValidator(MinScale, MaxScale, 2, m_scale);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(QLocale::c());  // the options file's number format, in every language
    m_scale->setValidator(validator);
    m_scale->setAccessibleName(tr("Table scale"));
    m_scale->setMaximumWidth(m_scale->fontMetrics().horizontalAdvance(QStringLiteral("00000.00")) + 12);
    scaleLayout->addWidget(m_scale);

    auto* colourGroup = new QGroupBox(tr(" Coloring:"), this);
    auto* colourLayout = new QVBoxLayout(colourGroup);
    m_black = radio(tr("Black"), "black", colourGroup);
    m_coloured = radio(tr("Colored"), "colored", colourGroup);
    colourLayout->addWidget(m_black);
    colourLayout->addWidget(m_coloured);

    m_wine = check(tr("WiNE fix"), "wine", this);
    m_wine->setToolTip(tr("Moves texts by one line to make up for a text placement fault of some Windows "
                          "compatibility layers"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TDisplayDialog1::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(wheelGroup, 1);
    left->addWidget(collationGroup);
    auto* right = new QVBoxLayout;
    right->addWidget(originGroup);
    right->addWidget(tableGroup, 1);
    auto* small = new QHBoxLayout;
    small->addWidget(anglesGroup);
    small->addWidget(scaleGroup);
    small->addWidget(colourGroup);
    right->addLayout(small);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_wine);
    bottom->addStretch();
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    load();
    m_wheel[0]->setFocus();
}

void TDisplayDialog1::load() {
    const TDisplayOptions& d = m_options.display;
    for (std::size_t i = 0; i < m_wheel.size(); ++i)
        m_wheel[i]->setChecked(d.*WheelSwitches[i]);
    m_wheel[FixedStarsBox]->setChecked(false);
    m_wheel[ConstellationsBox]->setChecked(false);
    m_wheel[AspectSymbolsBox]->setEnabled(d.aspects);

    const StartSign start = decodeStartSign(d.startsign);
    m_origin->button(start.origin)->setChecked(true);
    (start.centre ? m_centre : m_start)->setChecked(true);
    m_reverse->setChecked(start.mirrored);
    (d.outerradix ? m_outside : m_inside)->setChecked(true);

    for (int i = 0; i < int(m_columns.size()); ++i)
        m_columns[std::size_t(i)]->setChecked(columnOn(d, i));
    m_inTime->setChecked(!(d.rascension & 2));
    m_inTime->setEnabled(d.rascension & 1);
    for (std::size_t i = 0; i < m_astro.size(); ++i)
        m_astro[i]->setChecked(d.*AstroSwitches[i]);

    (d.decimal ? m_decimal : m_dms)->setChecked(true);
    m_loadedScale = QString::asprintf("%4.2lf", d.tablesize).trimmed();
    m_scale->setText(m_loadedScale);
    (d.black ? m_black : m_coloured)->setChecked(true);
    m_wine->setChecked(d.wine_workaround != 0);
}

void TDisplayDialog1::accept() {
    // A table scale that is no number (or would draw the tables too small or too large to
    // read) is said so here rather than stored as a scale that shows nothing.
    // A scale left as it was shown is kept as stored, whatever it is.
    const QString scaleText = m_scale->text().trimmed();
    const bool scaleEdited = scaleText != m_loadedScale;
    bool number = false;
    const double scale = scaleText.toDouble(&number);
    if (scaleEdited && (!number || scale < MinScale || scale > MaxScale)) {
        m_errors.error(this, tr("The table scale must be a number from %1 to %2.")
                            .arg(QString::number(MinScale, 'f', 2), QString::number(MaxScale, 'f', 2)));
        m_scale->setFocus();
        m_scale->selectAll();
        return;
    }

    TDisplayOptions& d = m_options.display;
    for (std::size_t i = 0; i < m_wheel.size(); ++i)
        d.*WheelSwitches[i] = m_wheel[i]->isChecked();
    d.startsign = encodeStartSign({m_origin->checkedId(), m_centre->isChecked(), m_reverse->isChecked()});
    d.outerradix = m_outside->isChecked();
    for (int i = 0; i < int(m_columns.size()); ++i)
        setColumn(d, i, m_columns[std::size_t(i)]->isChecked());
    if (!m_inTime->isChecked())
        d.rascension |= 2;
    for (std::size_t i = 0; i < m_astro.size(); ++i)
        d.*AstroSwitches[i] = m_astro[i]->isChecked();
    d.decimal = m_decimal->isChecked();
    if (scaleEdited)
        d.tablesize = static_cast<double>(static_cast<float>(scale));
    d.black = m_black->isChecked();
    d.wine_workaround = m_wine->isChecked() ? 1 : 0;
    QDialog::accept();
}
