#include "TDignsDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr std::array<const char*, DignityBodyCount> BodyNames = {
    QT_TRANSLATE_NOOP("TDignsDialog", "Sun"),     QT_TRANSLATE_NOOP("TDignsDialog", "Moon"),
    QT_TRANSLATE_NOOP("TDignsDialog", "Mercury"), QT_TRANSLATE_NOOP("TDignsDialog", "Venus"),
    QT_TRANSLATE_NOOP("TDignsDialog", "Mars"),    QT_TRANSLATE_NOOP("TDignsDialog", "Jupiter"),
    QT_TRANSLATE_NOOP("TDignsDialog", "Saturn"),  QT_TRANSLATE_NOOP("TDignsDialog", "Uranus"),
    QT_TRANSLATE_NOOP("TDignsDialog", "Neptune"), QT_TRANSLATE_NOOP("TDignsDialog", "Pluto"),
    QT_TRANSLATE_NOOP("TDignsDialog", "Lunar node"),
};

constexpr std::array<const char*, DignityKindCount> KindNames = {
    QT_TRANSLATE_NOOP("TDignsDialog", "Domicile"),
    QT_TRANSLATE_NOOP("TDignsDialog", "Exaltation"),
    QT_TRANSLATE_NOOP("TDignsDialog", "Trigonocracy"),
};

// The check boxes carry the short names; the full name is in the tool tip.
constexpr std::array<const char*, SignCount> SignShortNames = {
    QT_TRANSLATE_NOOP("TDignsDialog", "Aries"), QT_TRANSLATE_NOOP("TDignsDialog", "Taur"),
    QT_TRANSLATE_NOOP("TDignsDialog", "Gemi"),  QT_TRANSLATE_NOOP("TDignsDialog", "Canc"),
    QT_TRANSLATE_NOOP("TDignsDialog", "Leo"),   QT_TRANSLATE_NOOP("TDignsDialog", "Virg"),
    QT_TRANSLATE_NOOP("TDignsDialog", "Libr"),  QT_TRANSLATE_NOOP("TDignsDialog", "Scor"),
    QT_TRANSLATE_NOOP("TDignsDialog", "Sagi"),  QT_TRANSLATE_NOOP("TDignsDialog", "Capr"),
    QT_TRANSLATE_NOOP("TDignsDialog", "Aqua"),  QT_TRANSLATE_NOOP("TDignsDialog", "Pisc"),
};
constexpr std::array<const char*, SignCount> SignNames = {
    QT_TRANSLATE_NOOP("TDignsDialog", "Aries"),       QT_TRANSLATE_NOOP("TDignsDialog", "Taurus"),
    QT_TRANSLATE_NOOP("TDignsDialog", "Gemini"),      QT_TRANSLATE_NOOP("TDignsDialog", "Cancer"),
    QT_TRANSLATE_NOOP("TDignsDialog", "Leo"),         QT_TRANSLATE_NOOP("TDignsDialog", "Virgo"),
    QT_TRANSLATE_NOOP("TDignsDialog", "Libra"),       QT_TRANSLATE_NOOP("TDignsDialog", "Scorpio"),
    QT_TRANSLATE_NOOP("TDignsDialog", "Sagittarius"), QT_TRANSLATE_NOOP("TDignsDialog", "Capricorn"),
    QT_TRANSLATE_NOOP("TDignsDialog", "Aquarius"),    QT_TRANSLATE_NOOP("TDignsDialog", "Pisces"),
};

constexpr std::array<const char*, 2> TermNames = {
    QT_TRANSLATE_NOOP("TDignsDialog", "&Egyptian"),
    QT_TRANSLATE_NOOP("TDignsDialog", "&Lilly"),
};

constexpr int SignColumns = 3;

}  // namespace

TDignsDialog::Dignities TDignsDialog::Dignities::of(const TOptions& options) {
    return {options.sign_dignities, options.tripv, options.term_type};
}

void TDignsDialog::Dignities::applyTo(TOptions& options) const {
    options.sign_dignities = sign_dignities;
    options.tripv = tripv;
    options.term_type = term_type;
}

TDignsDialog::TDignsDialog(QWidget* parent, const Dignities& dignities, int body, int kind)
    : TMyDialog(parent), m_dignities(dignities), m_body(body >= 0 && body < DignityBodyCount ? body : 0),
      m_kind(kind >= 0 && kind < DignityKindCount ? kind : 0), m_bodies(new QButtonGroup(this)),
      m_kinds(new QButtonGroup(this)), m_terms(new QButtonGroup(this)) {
    setWindowTitle(tr("Dignities"));

    auto* bodyGroup = new QGroupBox(tr("&Planet"), this);
    auto* bodyLayout = new QVBoxLayout(bodyGroup);
    for (int b = 0; b < DignityBodyCount; ++b) {
        auto* button = new QRadioButton(tr(BodyNames[b]), bodyGroup);
        button->setObjectName(QStringLiteral("body%1").arg(b));
        m_bodies->addButton(button, b);
        bodyLayout->addWidget(button);
    }
    bodyLayout->addStretch(1);

    auto* kindGroup = new QGroupBox(tr("&Dignity"), this);
    auto* kindLayout = new QVBoxLayout(kindGroup);
    for (int k = 0; k < DignityKindCount; ++k) {
        auto* button = new QRadioButton(tr(KindNames[k]), kindGroup);
        button->setObjectName(QStringLiteral("kind%1").arg(k));
        m_kinds->addButton(button, k);
        kindLayout->addWidget(button);
    }

    auto* signGroup = new QGroupBox(tr("&Signs"), this);
    auto* signGrid = new QGridLayout(signGroup);
    for (int s = 0; s < SignCount; ++s) {
        auto* box = new QCheckBox(tr(SignShortNames[s]), signGroup);
        box->setObjectName(QStringLiteral("sign%1").arg(s));
        box->setToolTip(tr(SignNames[s]));
        m_signs[s] = box;
        signGrid->addWidget(box, s / SignColumns, s % SignColumns);
    }

    m_tripv = new QCheckBox(tr("Use &mixed triplicity"), this);
    m_tripv->setObjectName(QStringLiteral("tripv"));
    m_tripv->setChecked(m_dignities.tripv);

    auto* termGroup = new QGroupBox(tr("Terminus"), this);
    auto* termLayout = new QHBoxLayout(termGroup);
    for (int t = 0; t < int(TermNames.size()); ++t) {
        auto* button = new QRadioButton(tr(TermNames[t]), termGroup);
        button->setObjectName(QStringLiteral("term%1").arg(t));
        m_terms->addButton(button, t);
        termLayout->addWidget(button);
    }
    termLayout->addStretch(1);
    // A kind of terms this program does not know stays as it is unless one is chosen.
    if (QAbstractButton* term = m_terms->button(m_dignities.term_type))
        term->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TDignsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* right = new QVBoxLayout;
    right->addWidget(kindGroup);
    right->addWidget(signGroup);
    right->addWidget(m_tripv);
    right->addWidget(termGroup);
    right->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(bodyGroup);
    top->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_bodies->button(m_body)->setChecked(true);
    m_kinds->button(m_kind)->setChecked(true);
    showSigns();

    // Tab stops at the chosen body, the chosen kind (arrow keys move within each), every sign,
    // mixed triplicity and the terms.
    QList<QWidget*> chain;
    for (const QButtonGroup* group : {m_bodies, m_kinds})
        for (QAbstractButton* b : group->buttons())
            chain << b;
    for (QCheckBox* box : m_signs)
        chain << box;
    chain << m_tripv;
    for (QAbstractButton* b : m_terms->buttons())
        chain << b;
    chain << buttons;
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    const auto chosen = [this](bool checked) {
        if (!checked)
            return;
        storeSigns();
        m_body = m_bodies->checkedId();
        m_kind = m_kinds->checkedId();
        showSigns();
    };
    connect(m_bodies, &QButtonGroup::idToggled, this, [chosen](int, bool checked) { chosen(checked); });
    connect(m_kinds, &QButtonGroup::idToggled, this, [chosen](int, bool checked) { chosen(checked); });
    m_bodies->button(m_body)->setFocus();
}

void TDignsDialog::storeSigns() {
    for (int s = 0; s < SignCount; ++s)
        m_dignities.sign_dignities[m_body][m_kind][s] = m_signs[s]->isChecked();
}

void TDignsDialog::showSigns() {
    for (int s = 0; s < SignCount; ++s)
        m_signs[s]->setChecked(m_dignities.sign_dignities[m_body][m_kind][s]);
}

void TDignsDialog::accept() {
    storeSigns();
    m_dignities.tripv = m_tripv->isChecked();
    if (m_terms->checkedId() >= 0)
        m_dignities.term_type = static_cast<std::uint8_t>(m_terms->checkedId());
    QDialog::accept();
}
