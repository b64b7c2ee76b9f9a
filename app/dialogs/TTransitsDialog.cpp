#include "TTransitsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "ErrorReporter.h"
#include "FixedText.h"
#include "OptionFields.h"
#include "QtText.h"
#include "TransitList.h"
#include "TransitTexts.h"

namespace {

// Marks of one group in columns of this many, with All and None below.
constexpr int MarkRows = 10;
// The orbs are kept in tenths of a degree, as the options file writes them.
constexpr double OrbTenths = 10.0;

// The first N of the marks as check boxes (the selection may keep marks that are not searched).
template <std::size_t N, std::size_t M>
QGroupBox* markGroup(QWidget* parent, const QString& title, const char* prefix, std::array<QCheckBox*, N>& boxes,
                     const std::array<bool, M>& marks, QString (*name)(int)) {
    static_assert(N <= M);
    auto* group = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(group);
    for (std::size_t i = 0; i < N; ++i) {
        auto* box = new QCheckBox(name(static_cast<int>(i)), group);
        box->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i));
        box->setChecked(marks[i]);
        boxes[i] = box;
        grid->addWidget(box, static_cast<int>(i) % MarkRows, static_cast<int>(i) / MarkRows);
    }
    auto* all = new QPushButton(QCoreApplication::translate("TTransitsDialog", "All"), group);
    auto* none = new QPushButton(QCoreApplication::translate("TTransitsDialog", "None"), group);
    all->setObjectName(QStringLiteral("%1All").arg(QLatin1String(prefix)));
    none->setObjectName(QStringLiteral("%1None").arg(QLatin1String(prefix)));
    all->setAutoDefault(false);
    none->setAutoDefault(false);
    QObject::connect(all, &QPushButton::clicked, group, [&boxes] {
        for (QCheckBox* b : boxes)
            b->setChecked(true);
    });
    QObject::connect(none, &QPushButton::clicked, group, [&boxes] {
        for (QCheckBox* b : boxes)
            b->setChecked(false);
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(all);
    buttons->addWidget(none);
    buttons->addStretch(1);
    grid->addLayout(buttons, MarkRows, 0, 1, 2);
    grid->setRowStretch(MarkRows - 1, 1);
    return group;
}

QString orbText(double value) { return QString::asprintf("%.1f", value); }

constexpr std::array<const char*, SpeedBodyCount> OrbBodies = {
    QT_TRANSLATE_NOOP("TTransitsDialog", "Sun"),     QT_TRANSLATE_NOOP("TTransitsDialog", "Moon"),
    QT_TRANSLATE_NOOP("TTransitsDialog", "Mercury"), QT_TRANSLATE_NOOP("TTransitsDialog", "Venus"),
    QT_TRANSLATE_NOOP("TTransitsDialog", "Mars"),    QT_TRANSLATE_NOOP("TTransitsDialog", "Jupiter"),
    QT_TRANSLATE_NOOP("TTransitsDialog", "Saturn"),  QT_TRANSLATE_NOOP("TTransitsDialog", "Uranus"),
    QT_TRANSLATE_NOOP("TTransitsDialog", "Neptune"), QT_TRANSLATE_NOOP("TTransitsDialog", "Pluto"),
};

}  // namespace

TTransitsDialog::Selection TTransitsDialog::Selection::of(const TOptions& options) {
    return {options.transits, options.transitfw, options.transitbw};
}

void TTransitsDialog::Selection::applyTo(TOptions& options) const {
    options.transits = transits;
    options.transitfw = transitfw;
    options.transitbw = transitbw;
}

TTransitsDialog::TTransitsDialog(QWidget* parent, const ErrorReporter& errors, const Selection& selection)
    : TMyDialog(parent), m_selection(selection), m_errors(errors) {
    setWindowTitle(tr("Transits"));
    const TDirectionFilter& f = m_selection.transits;
    QGroupBox* transiting = markGroup(this, tr("&Transiting bodies"), "transiting", m_transiting, f.promissors,
                                      &promissorMarkName);
    QGroupBox* natal = markGroup(this, tr("&Natal points"), "natal", m_natal, f.significators, &significatorMarkName);
    QGroupBox* aspects = markGroup(this, tr("&Aspects"), "aspect", m_aspects, f.aspects, &transitAspectName);

    auto* listGroup = new QGroupBox(tr("List"), this);
    auto* list = new QGridLayout(listGroup);
    m_filter = new QLineEdit(listGroup);
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setMaxLength(FilterTextSize - 1);
    m_filter->setText(fromCp1250(fixedText(f.filter)));
    m_filter->setPlaceholderText(tr("everything"));
    m_filter->setToolTip(tr("Names to list, such as: saturn   sat>sun   mars/venus   -moon\n"
                            "A word finds the names starting with it; a/b either of them; "
                            "left of > the transiting body, right of it the natal point; "
                            "a minus leaves out what it finds."));
    auto* filterLabel = new QLabel(tr("&Filter:"), listGroup);
    filterLabel->setBuddy(m_filter);
    list->addWidget(filterLabel, 0, 0);
    list->addWidget(m_filter, 0, 1);
    m_dispmode = new QComboBox(listGroup);
    m_dispmode->setObjectName(QStringLiteral("dispmode"));
    m_dispmode->addItems({tr("By date"), tr("Grouped by natal point"), tr("Grouped by transiting body")});
    m_dispmode->setCurrentIndex(f.dispmode <= TransitsByTransiting ? int(f.dispmode) : int(TransitsByDate));
    auto* modeLabel = new QLabel(tr("&Display:"), listGroup);
    modeLabel->setBuddy(m_dispmode);
    list->addWidget(modeLabel, 1, 0);
    list->addWidget(m_dispmode, 1, 1);
    list->setRowStretch(2, 1);

    auto* orbGroup = new QGroupBox(tr("Orbs of the transits (degrees)"), this);
    auto* orbs = new QGridLayout(orbGroup);
    orbs->addWidget(new QLabel(tr("before\nexact"), orbGroup), 0, 1, Qt::AlignHCenter);
    orbs->addWidget(new QLabel(tr("after\nexact"), orbGroup), 0, 2, Qt::AlignHCenter);
    for (int b = 0; b < SpeedBodyCount; ++b) {
        const auto i = static_cast<std::size_t>(b);
        m_before[i] = decimalField(orbGroup, QStringLiteral("before%1").arg(b));
        m_after[i] = decimalField(orbGroup, QStringLiteral("after%1").arg(b));
        m_before[i]->setText(orbText(m_selection.transitfw[i]));
        m_after[i]->setText(orbText(m_selection.transitbw[i]));
        auto* label = new QLabel(tr(OrbBodies[i]), orbGroup);
        label->setBuddy(m_before[i]);
        orbs->addWidget(label, b + 1, 0);
        orbs->addWidget(m_before[i], b + 1, 1);
        orbs->addWidget(m_after[i], b + 1, 2);
    }
    auto* orbNote = new QLabel(tr("Where both are 0 the aspect's orb\nof the Orbises dialog applies."), orbGroup);
    orbs->addWidget(orbNote, SpeedBodyCount + 1, 0, 1, 3);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TTransitsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* right = new QVBoxLayout;
    right->addWidget(aspects);
    right->addWidget(listGroup);
    auto* top = new QHBoxLayout;
    top->addWidget(transiting);
    top->addWidget(natal);
    top->addLayout(right);
    top->addWidget(orbGroup);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_transiting[0]->setFocus();
}

void TTransitsDialog::accept() {
    Selection edited = m_selection;
    TDirectionFilter& f = edited.transits;
    for (std::size_t i = 0; i < m_transiting.size(); ++i)
        f.promissors[i] = m_transiting[i]->isChecked();
    for (std::size_t i = 0; i < m_natal.size(); ++i)
        f.significators[i] = m_natal[i]->isChecked();
    for (std::size_t i = 0; i < m_aspects.size(); ++i)
        f.aspects[i] = m_aspects[i]->isChecked();
    toCp1250Field(m_filter->text().trimmed(), f.filter.data(), f.filter.size());
    f.dispmode = static_cast<std::uint8_t>(m_dispmode->currentIndex());
    for (std::size_t b = 0; b < m_before.size(); ++b)
        for (auto [field, target] : {std::pair{m_before[b], &edited.transitfw[b]}, std::pair{m_after[b], &edited.transitbw[b]}}) {
            const std::optional<double> value = decimalValue(field);
            const bool tenths = value && std::fabs(*value * OrbTenths - std::round(*value * OrbTenths)) < 1e-6;
            if (!value || *value > MaxTransitOrb || !tenths) {
                m_errors.error(this, tr("Enter an orb from 0 to %1 degrees with at most one decimal, such as 2.5.")
                                         .arg(orbText(MaxTransitOrb)));
                field->setFocus();
                field->selectAll();
                return;
            }
            *target = std::round(*value * OrbTenths) / OrbTenths;
        }
    m_selection = edited;
    QDialog::accept();
}
