#include "TDirectionDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "DirectionKeyText.h"

namespace {

// The methods of the primary directions, by the value of the direction type.
constexpr const char* Methods[] = {
    QT_TRANSLATE_NOOP("TDirectionDialog", "Mundane, by semi-arc proportion"),
    QT_TRANSLATE_NOOP("TDirectionDialog", "Zodiacal, by semi-arc, without latitude"),
    QT_TRANSLATE_NOOP("TDirectionDialog", "Zodiacal, by semi-arc, with the promissor's latitude"),
    QT_TRANSLATE_NOOP("TDirectionDialog", "Mundane, under the pole of the significator"),
};
constexpr int MethodCount = static_cast<int>(std::size(Methods));

// A key of more than this many degrees a year would move the angles round the chart within a
// lifetime many times over: no key of the tradition comes near it.
constexpr int MaxKeyDegrees = 30;

}  // namespace

TDirectionDialog::TDirectionDialog(QWidget* parent, const Directions& directions)
    : TMyDialog(parent), m_directions(directions), m_trueSolar(new QCheckBox(this)), m_onEquator(new QCheckBox(this)),
      m_degrees(new QSpinBox(this)), m_minutes(new QSpinBox(this)), m_seconds(new QDoubleSpinBox(this)),
      m_keyNote(new QLabel(this)), m_method(new QComboBox(this)), m_follow(new QCheckBox(this)) {
    m_trueSolar->setObjectName(QStringLiteral("truesolar"));
    m_onEquator->setObjectName(QStringLiteral("onequ"));
    m_degrees->setObjectName(QStringLiteral("keyDegrees"));
    m_minutes->setObjectName(QStringLiteral("keyMinutes"));
    m_seconds->setObjectName(QStringLiteral("keySeconds"));
    m_keyNote->setObjectName(QStringLiteral("keyNote"));
    m_method->setObjectName(QStringLiteral("type"));
    m_follow->setObjectName(QStringLiteral("dirkeyasgntohoro"));

    m_degrees->setRange(0, MaxKeyDegrees);
    m_degrees->setSuffix(QStringLiteral("\u00B0"));
    m_minutes->setRange(0, 59);
    m_minutes->setSuffix(QStringLiteral("'"));
    m_seconds->setRange(0, 59.99);
    m_seconds->setDecimals(2);
    m_seconds->setSuffix(QStringLiteral("\""));
    m_keyNote->setWordWrap(true);
    m_keyNote->setMinimumWidth(320);

    auto* key = new QGroupBox(this);
    key->setObjectName(QStringLiteral("keyGroup"));
    auto* keyLayout = new QGridLayout(key);
    keyLayout->addWidget(m_trueSolar, 0, 0, 1, 4);
    keyLayout->addWidget(m_onEquator, 1, 0, 1, 4);
    auto* angleLabel = new QLabel(key);
    angleLabel->setObjectName(QStringLiteral("angleLabel"));
    angleLabel->setBuddy(m_degrees);
    keyLayout->addWidget(angleLabel, 2, 0);
    auto* angle = new QHBoxLayout;
    angle->addWidget(m_degrees);
    angle->addWidget(m_minutes);
    angle->addWidget(m_seconds);
    angle->addStretch();
    keyLayout->addLayout(angle, 2, 1, 1, 3);
    auto* naibod = new QPushButton(key);
    auto* ptolemy = new QPushButton(key);
    naibod->setObjectName(QStringLiteral("naibod"));
    ptolemy->setObjectName(QStringLiteral("ptolemy"));
    naibod->setAutoDefault(false);  // Enter confirms the dialog
    ptolemy->setAutoDefault(false);
    auto* quick = new QHBoxLayout;
    quick->addWidget(naibod);
    quick->addWidget(ptolemy);
    quick->addStretch();
    keyLayout->addLayout(quick, 3, 1, 1, 3);
    keyLayout->addWidget(m_keyNote, 4, 0, 1, 4);

    auto* methodLabel = new QLabel(this);
    methodLabel->setObjectName(QStringLiteral("methodLabel"));
    methodLabel->setBuddy(m_method);
    for (int i = 0; i < MethodCount; ++i)
        m_method->addItem(QString());
    auto* methodRow = new QHBoxLayout;
    methodRow->addWidget(methodLabel);
    methodRow->addWidget(m_method, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TDirectionDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(key);
    layout->addLayout(methodRow);
    layout->addWidget(m_follow);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const ChartDirectionSettings& s = directions.settings;
    m_trueSolar->setChecked(s.truesolar);
    m_onEquator->setChecked(s.onequ);
    setKey(s.angleDegrees, s.angleMinutes, s.angleSeconds);
    // A type this program does not know (from another program's file) shows the default method;
    // it is kept unless the user picks one.
    m_method->setCurrentIndex(s.type < MethodCount ? s.type : 0);
    m_follow->setChecked(directions.followActiveChart);

    connect(naibod, &QPushButton::clicked, this, [this] { setKey(0, NaibodMinutes, NaibodSeconds); });
    connect(ptolemy, &QPushButton::clicked, this, [this] { setKey(PtolemyDegrees, 0, 0); });
    connect(m_trueSolar, &QCheckBox::toggled, this, &TDirectionDialog::updateState);
    connect(m_onEquator, &QCheckBox::toggled, this, &TDirectionDialog::updateState);
    connect(m_degrees, &QSpinBox::valueChanged, this, &TDirectionDialog::updateState);
    connect(m_minutes, &QSpinBox::valueChanged, this, &TDirectionDialog::updateState);
    connect(m_seconds, &QDoubleSpinBox::valueChanged, this, &TDirectionDialog::updateState);
    retranslate();
    m_trueSolar->setFocus();
}

void TDirectionDialog::setKey(int degrees, int minutes, double seconds) {
    m_degrees->setValue(degrees);
    m_minutes->setValue(minutes);
    m_seconds->setValue(seconds);
}

ChartDirectionSettings TDirectionDialog::edited() const {
    ChartDirectionSettings s = m_directions.settings;
    s.truesolar = m_trueSolar->isChecked();
    s.onequ = m_onEquator->isChecked();
    s.angleDegrees = static_cast<std::int16_t>(m_degrees->value());
    s.angleMinutes = static_cast<std::uint8_t>(m_minutes->value());
    // Kept as the options file writes it, to two decimals; a value with more decimals read from
    // a file stays as it was while the field shows it unchanged.
    const double shown = std::round(s.angleSeconds * 100.0) / 100.0;
    if (std::abs(m_seconds->value() - shown) > 1e-9)
        s.angleSeconds = std::round(m_seconds->value() * 100.0) / 100.0;
    const int method = m_method->currentIndex();
    if (method != (s.type < MethodCount ? s.type : 0))
        s.type = static_cast<std::uint8_t>(method);
    return s;
}

void TDirectionDialog::updateState() {
    const bool trueSolar = m_trueSolar->isChecked();
    // The right ascension matters only to the solar arc; the angle only when it is not used.
    m_onEquator->setEnabled(trueSolar);
    for (QWidget* w : {static_cast<QWidget*>(m_degrees), static_cast<QWidget*>(m_minutes),
                       static_cast<QWidget*>(m_seconds)})
        w->setEnabled(!trueSolar);
    for (const char* name : {"naibod", "ptolemy", "angleLabel"})
        findChild<QWidget*>(QLatin1String(name))->setEnabled(!trueSolar);
    const ChartDirectionSettings s = edited();
    const bool zero = !trueSolar && s.angleDegrees == 0 && s.angleMinutes == 0 && s.angleSeconds == 0.0;
    m_keyNote->setText(zero ? tr("A key of zero means Naibod's key, %1 a year (the Sun's mean daily motion).")
                                  .arg(keyAngleText(0, NaibodMinutes, NaibodSeconds))
                            : tr("The angles move by %1.").arg(directionKeyText(s)));
}

void TDirectionDialog::retranslate() {
    setWindowTitle(tr("Direction Settings"));
    findChild<QGroupBox*>(QStringLiteral("keyGroup"))->setTitle(tr(" Key "));
    m_trueSolar->setText(tr("&True solar arc (the progressed Sun's motion)"));
    m_onEquator->setText(tr("Solar arc in right &ascension (else in longitude)"));
    findChild<QLabel*>(QStringLiteral("angleLabel"))->setText(tr("&Angle a year:"));
    findChild<QPushButton*>(QStringLiteral("naibod"))->setText(tr("&Naibod"));
    findChild<QPushButton*>(QStringLiteral("ptolemy"))->setText(tr("&Ptolemy (1\u00B0)"));
    findChild<QLabel*>(QStringLiteral("methodLabel"))->setText(tr("Primary directions' &method:"));
    for (int i = 0; i < MethodCount; ++i)
        m_method->setItemText(i, tr(Methods[i]));
    m_follow->setText(tr("The options &follow the direction settings of the active chart"));
    updateState();
}

void TDirectionDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    TMyDialog::changeEvent(event);
}

void TDirectionDialog::accept() {
    m_directions.settings = edited();
    m_directions.followActiveChart = m_follow->isChecked();
    QDialog::accept();
}
