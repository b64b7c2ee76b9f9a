#include "TDirectionSelectionDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "DirectionList.h"
#include "FixedText.h"
#include "QtText.h"
#include "TransitTexts.h"

namespace {

// Marks of one group in columns of this many, with All and None below.
constexpr int MarkRows = 10;

template <std::size_t N, std::size_t M>
QGroupBox* markGroup(QWidget* parent, const char* prefix, std::array<QCheckBox*, N>& boxes,
                     const std::array<bool, M>& marks) {
    static_assert(N <= M);
    auto* group = new QGroupBox(parent);
    group->setObjectName(QStringLiteral("%1Group").arg(QLatin1String(prefix)));
    auto* grid = new QGridLayout(group);
    for (std::size_t i = 0; i < N; ++i) {
        auto* box = new QCheckBox(group);
        box->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i));
        box->setChecked(marks[i]);
        boxes[i] = box;
        grid->addWidget(box, static_cast<int>(i) % MarkRows, static_cast<int>(i) / MarkRows);
    }
    auto* all = new QPushButton(group);
    auto* none = new QPushButton(group);
    all->setObjectName(QStringLiteral("%1All").arg(QLatin1String(prefix)));
    none->setObjectName(QStringLiteral("%1None").arg(QLatin1String(prefix)));
    all->setAutoDefault(false);  // Enter confirms the dialog
    none->setAutoDefault(false);
    QObject::connect(all, &QPushButton::clicked, group, [&boxes] {
        for (QCheckBox* b : boxes)
            if (b->isEnabled())
                b->setChecked(true);
    });
    QObject::connect(none, &QPushButton::clicked, group, [&boxes] {
        for (QCheckBox* b : boxes)
            if (b->isEnabled())
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

template <std::size_t N, std::size_t M>
void takeMarks(const std::array<QCheckBox*, N>& boxes, std::array<bool, M>& marks) {
    for (std::size_t i = 0; i < N; ++i)
        marks[i] = boxes[i]->isChecked();
}

}  // namespace

TDirectionSelectionDialog::TDirectionSelectionDialog(QWidget* parent, Kind kind, const TDirectionFilter& selection)
    : TMyDialog(parent), m_kind(kind), m_selection(selection), m_filter(new QLineEdit(this)),
      m_dispmode(new QComboBox(this)) {
    auto* promissors = markGroup(this, "promissor", m_promissors, selection.promissors);
    m_filter->setObjectName(QStringLiteral("filter"));
    m_dispmode->setObjectName(QStringLiteral("dispmode"));
    m_filter->setMaxLength(FilterTextSize - 1);
    m_filter->setText(fromCp1250(fixedText(selection.filter)));
    for (int i = 0; i < DirectionDisplayModeCount; ++i)
        m_dispmode->addItem(QString());
    // A mode this program does not know lists by date; it is kept unless the user picks one.
    m_dispmode->setCurrentIndex(selection.dispmode < DirectionDisplayModeCount ? selection.dispmode : 0);

    // The Part of Fortune is no body to progress: its mark of the secondary selection is kept
    // as it is.
    if (kind == Kind::Secondary)
        m_promissors[PromissorMarkFortune]->setEnabled(false);
    auto* marks = new QHBoxLayout;
    marks->addWidget(promissors);
    marks->addWidget(markGroup(this, "significator", m_significators, selection.significators));
    marks->addWidget(markGroup(this, "aspect", m_aspects, selection.aspects));

    auto* list = new QGridLayout;
    auto* filterLabel = new QLabel(this);
    filterLabel->setObjectName(QStringLiteral("filterLabel"));
    filterLabel->setBuddy(m_filter);
    auto* dispmodeLabel = new QLabel(this);
    dispmodeLabel->setObjectName(QStringLiteral("dispmodeLabel"));
    dispmodeLabel->setBuddy(m_dispmode);
    auto* filterHelp = new QLabel(this);
    filterHelp->setObjectName(QStringLiteral("filterHelp"));
    filterHelp->setWordWrap(true);
    list->addWidget(filterLabel, 0, 0);
    list->addWidget(m_filter, 0, 1);
    list->addWidget(filterHelp, 1, 1);
    list->addWidget(dispmodeLabel, 2, 0);
    list->addWidget(m_dispmode, 2, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TDirectionSelectionDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(marks);
    layout->addLayout(list);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    retranslate();
}

void TDirectionSelectionDialog::retranslate() {
    setWindowTitle(m_kind == Kind::Primary ? tr("Primary Directions Selection") : tr("Secondary Directions Selection"));
    findChild<QGroupBox*>(QStringLiteral("promissorGroup"))
        ->setTitle(m_kind == Kind::Primary ? tr(" Promissors ") : tr(" Progressed bodies "));
    findChild<QGroupBox*>(QStringLiteral("significatorGroup"))->setTitle(tr(" Significators "));
    findChild<QGroupBox*>(QStringLiteral("aspectGroup"))->setTitle(tr(" Aspects "));
    for (std::size_t i = 0; i < m_promissors.size(); ++i)
        m_promissors[i]->setText(promissorMarkName(static_cast<int>(i)));
    for (std::size_t i = 0; i < m_significators.size(); ++i)
        m_significators[i]->setText(significatorMarkName(static_cast<int>(i)));
    for (std::size_t i = 0; i < m_aspects.size(); ++i)
        m_aspects[i]->setText(transitAspectName(static_cast<int>(i)));
    for (const char* prefix : {"promissor", "significator", "aspect"}) {
        findChild<QPushButton*>(QStringLiteral("%1All").arg(QLatin1String(prefix)))->setText(tr("All"));
        findChild<QPushButton*>(QStringLiteral("%1None").arg(QLatin1String(prefix)))->setText(tr("None"));
    }
    findChild<QLabel*>(QStringLiteral("filterLabel"))->setText(tr("&Filter:"));
    findChild<QLabel*>(QStringLiteral("filterHelp"))
        ->setText(tr("Words a name starts with, all of them must match; \"mars/venus\" either, "
                     "\"sat>sun\" Saturn directed to the Sun, \"-moon\" leaves out."));
    findChild<QLabel*>(QStringLiteral("dispmodeLabel"))->setText(tr("&Display:"));
    m_dispmode->setItemText(DirectionsByDate, tr("By date"));
    m_dispmode->setItemText(DirectionsBySignificator, tr("By significator"));
    m_dispmode->setItemText(DirectionsByPromissor,
                            m_kind == Kind::Primary ? tr("By promissor") : tr("By progressed body"));
}

void TDirectionSelectionDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    TMyDialog::changeEvent(event);
}

void TDirectionSelectionDialog::accept() {
    takeMarks(m_promissors, m_selection.promissors);
    takeMarks(m_significators, m_selection.significators);
    takeMarks(m_aspects, m_selection.aspects);
    setFixedText(m_selection.filter, toCp1250(m_filter->text().trimmed()));
    const int mode = m_dispmode->currentIndex();
    if (mode != (m_selection.dispmode < DirectionDisplayModeCount ? m_selection.dispmode : 0))
        m_selection.dispmode = static_cast<std::uint8_t>(mode);
    QDialog::accept();
}
