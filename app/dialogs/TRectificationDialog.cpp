#include "TRectificationDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "AppContext.h"
#include "BirthText.h"
#include "ChartDirections.h"
#include "DirectionList.h"
#include "DirectionTexts.h"
#include "FixedText.h"
#include "QtText.h"
#include "TransitListModel.h"
#include "WhenCharts.h"

namespace {

// The widest range offered, in minutes either side: half a day covers any recorded time.
constexpr double MaxRangeMinutes = 720.0;
// The finest step offered: a tenth of a minute (six seconds).
constexpr double MinStepMinutes = 0.1;
// Directions are listed up to this many years past the last marked event.
constexpr double AgeMarginYears = 1.0;
// Each candidate's row keeps its place in the ranking.
constexpr int CandidateRole = Qt::UserRole + 1;

}  // namespace

TRectificationDialog::TRectificationDialog(QWidget* parent, AppContext& ctx, const RadixData& natal,
                                           const ChartBlocks& blocks)
    : TMyDialog(parent), m_ctx(ctx), m_natal(natal), m_blocks(blocks), m_range(new QDoubleSpinBox(this)),
      m_step(new QDoubleSpinBox(this)), m_primary(new QCheckBox(this)), m_secondary(new QCheckBox(this)),
      m_rank(new QPushButton(this)), m_list(new QTreeWidget(this)), m_note(new QLabel(this)),
      m_rangeLabel(new QLabel(this)), m_stepLabel(new QLabel(this)), m_take(new QPushButton(this)) {
    m_range->setObjectName(QStringLiteral("range"));
    m_step->setObjectName(QStringLiteral("step"));
    m_primary->setObjectName(QStringLiteral("primary"));
    m_secondary->setObjectName(QStringLiteral("secondary"));
    m_rank->setObjectName(QStringLiteral("rank"));
    m_list->setObjectName(QStringLiteral("ranking"));
    m_note->setObjectName(QStringLiteral("note"));
    m_take->setObjectName(QStringLiteral("take"));

    m_range->setRange(0, MaxRangeMinutes);
    m_range->setDecimals(0);
    m_range->setValue(DefaultRectificationRangeMinutes);
    m_step->setRange(MinStepMinutes, MaxRangeMinutes);
    m_step->setDecimals(1);
    m_step->setValue(DefaultRectificationStepMinutes);
    m_primary->setChecked(true);
    m_rangeLabel->setBuddy(m_range);
    m_stepLabel->setBuddy(m_step);
    m_rank->setAutoDefault(false);
    m_note->setWordWrap(true);
    m_list->setColumnCount(6);
    m_list->setRootIsDecorated(false);
    m_list->setAlternatingRowColors(true);
    m_list->setMinimumSize(620, 300);

    auto* query = new QGridLayout;
    query->addWidget(m_rangeLabel, 0, 0);
    query->addWidget(m_range, 0, 1);
    query->addWidget(m_stepLabel, 0, 2);
    query->addWidget(m_step, 0, 3);
    query->addWidget(m_primary, 1, 0, 1, 2);
    query->addWidget(m_secondary, 1, 2, 1, 2);
    query->addWidget(m_rank, 0, 4);
    query->setColumnStretch(5, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_take, QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TRectificationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(query);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_note);
    layout->addWidget(buttons);

    connect(m_rank, &QPushButton::clicked, this, &TRectificationDialog::rank);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &TRectificationDialog::updateState);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &TRectificationDialog::accept);
    connect(m_primary, &QCheckBox::toggled, this, &TRectificationDialog::updateState);
    connect(m_secondary, &QCheckBox::toggled, this, &TRectificationDialog::updateState);
    m_distance = correctionYears(ctx.options().correvs);
    retranslate();
    m_rank->setFocus();
}

bool TRectificationDialog::rank() {
    const TOptions& options = m_ctx.options();
    const std::vector<MarkedEvent> events = markedLifeEvents(m_blocks.lifeEvents);
    m_ranking.clear();
    fillRanking();
    if (events.empty()) {
        m_ctx.errors.error(this, tr("Mark at least one life event for correction first (Personal data, Life "
                                    "events, Select)."));
        return false;
    }
    const bool usePrimary = m_primary->isChecked() && !selectsNothing(options.directions, DirectionKind::Primary);
    const bool useSecondary =
        m_secondary->isChecked() && !selectsNothing(options.secdirs, DirectionKind::Secondary);
    if (!usePrimary && !useSecondary) {
        m_ctx.errors.error(this, tr("The chosen directions select nothing to direct: choose the promissors, the "
                                    "significators and the aspects in Options > Primary directions... or "
                                    "Secondary directions... first."));
        return false;
    }
    // The directions are needed up to a little past the last event.
    const double birthUT = m_natal.moment.julianDayUT();
    double lastAge = 0;
    for (const MarkedEvent& e : events)
        lastAge = std::max(lastAge, ageAtMoment(birthUT, e.jdUT));
    const double toAge = std::clamp(lastAge + m_distance + AgeMarginYears, 0.0, MaxDirectionAge);

    RectificationQuery query;
    query.rangeMinutes = m_range->value();
    query.stepMinutes = m_step->value();
    query.primary = usePrimary;
    query.secondary = useSecondary;
    query.primaryQuery = primaryQueryFromSelection(options.directions, directionMethodOfChart(m_blocks.directions),
                                                   directionKeyOf(m_blocks.directions), 0, toAge);
    query.secondaryQuery = secondaryQueryFromSelection(options.secdirs, 0, toAge);
    query.distanceYears = m_distance;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    RectificationResult result = rankBirthTimes(m_natal, events, query, options);
    QApplication::restoreOverrideCursor();
    switch (result.status) {
    case RectificationStatus::Ok:
    case RectificationStatus::Cancelled: break;
    case RectificationStatus::NoEvents:
        m_ctx.errors.error(this, tr("Mark at least one life event for correction first (Personal data, Life "
                                    "events, Select)."));
        return false;
    case RectificationStatus::BadRange:
        m_ctx.errors.error(this, tr("The range and step give no birth times to try, or more than %1.")
                                     .arg(MaxRectificationCandidates));
        return false;
    case RectificationStatus::NotComputed:
        m_ctx.errors.error(this, tr("A birth time of the range could not be computed (outside the ephemeris "
                                    "files)."));
        return false;
    }
    m_ranking = std::move(result.ranking);
    fillRanking();
    return true;
}

QString TRectificationDialog::birthTimeText(double jdUT) const {
    const BirthMoment moment = transitLocalMoment(m_ctx.towns, m_natal.moment, jdUT);
    return fromCp1250(timeText(moment.localTime) + "  " + compactDateText(moment.localDate, m_ctx.strings()));
}

void TRectificationDialog::fillRanking() {
    m_list->clear();
    for (std::size_t i = 0; i < m_ranking.size(); ++i) {
        const RectificationCandidate& c = m_ranking[i];
        auto* item = new QTreeWidgetItem(m_list);
        item->setData(0, CandidateRole, static_cast<int>(i));
        item->setText(0, QString::number(i + 1));
        item->setText(1, QString::asprintf("%+.1f", c.offsetMinutes));
        item->setText(2, birthTimeText(c.jdUT));
        item->setText(3, QString::number(c.eventsMet));
        item->setText(4, QString::asprintf("%.3f", c.score));
        item->setText(5, QString::asprintf("%.3f", c.meanYears));
        for (int col : {0, 1, 3, 4, 5})
            item->setTextAlignment(col, Qt::AlignRight | Qt::AlignVCenter);
        if (c.offsetMinutes == 0)
            for (int col = 0; col < m_list->columnCount(); ++col) {
                QFont bold = item->font(col);
                bold.setBold(true);
                item->setFont(col, bold);
            }
    }
    if (!m_ranking.empty())
        m_list->setCurrentItem(m_list->topLevelItem(0));
    for (int col = 0; col < m_list->columnCount(); ++col)
        m_list->resizeColumnToContents(col);
    updateState();
}

void TRectificationDialog::updateState() {
    m_rank->setEnabled(m_primary->isChecked() || m_secondary->isChecked());
    const QTreeWidgetItem* current = m_list->currentItem();
    // Taking the recorded time would change nothing.
    m_take->setEnabled(current &&
                       m_ranking[static_cast<std::size_t>(current->data(0, CandidateRole).toInt())].offsetMinutes != 0);
    if (m_ranking.empty()) {
        m_note->setText(tr("Birth times are tried in the range either side of the recorded one; each is ranked by "
                           "how many marked life events have a direction within %1, then by how close they "
                           "come. The recorded time is in bold.")
                            .arg(yearsSpan(m_distance)));
    } else {
        const auto recorded = std::find_if(m_ranking.begin(), m_ranking.end(),
                                           [](const RectificationCandidate& c) { return c.offsetMinutes == 0; });
        m_note->setText(recorded == m_ranking.end()
                            ? tr("%n birth time(s) ranked.", nullptr, static_cast<int>(m_ranking.size()))
                            : tr("%n birth time(s) ranked; the recorded time is number %1.", nullptr,
                                 static_cast<int>(m_ranking.size()))
                                  .arg(recorded - m_ranking.begin() + 1));
    }
}

void TRectificationDialog::retranslate() {
    setWindowTitle(tr("Rectification: %1").arg(fromCp1250(fixedText(m_natal.name)).trimmed()));
    m_rangeLabel->setText(tr("Ra&nge (minutes either side):"));
    m_stepLabel->setText(tr("&Step (minutes):"));
    m_primary->setText(tr("&Primary directions"));
    m_secondary->setText(tr("S&econdary directions"));
    m_rank->setText(tr("&Rank"));
    m_take->setText(tr("&Take this time into the chart"));
    m_list->setHeaderLabels({tr("Rank"), tr("Minutes"), tr("Birth time"), tr("Events met"), tr("Score (years)"),
                             tr("Mean difference (years)")});
    updateState();
}

void TRectificationDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        fillRanking();
    }
    TMyDialog::changeEvent(event);
}

void TRectificationDialog::accept() {
    const QTreeWidgetItem* current = m_list->currentItem();
    if (!current)
        return;
    m_chosen = m_ranking[static_cast<std::size_t>(current->data(0, CandidateRole).toInt())];
    QDialog::accept();
}
