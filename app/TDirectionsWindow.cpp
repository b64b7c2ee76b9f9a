#include "TDirectionsWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPageSize>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>
#include <cstring>

#include "AppContext.h"
#include "BirthText.h"
#include "ChartDirections.h"
#include "DirectionTexts.h"
#include "FixedText.h"
#include "LandscapePrint.h"
#include "Prompts.h"
#include "QtText.h"
#include "SecondaryDirections.h"
#include "TDirectionSelectionDialog.h"
#include "TRadixWindow.h"
#include "TransitListModel.h"
#include "TransitMoment.h"
#include "TransitTexts.h"
#include "WhenCharts.h"

namespace {

enum DirectionColumn : int {
    ColumnDate = 0,
    ColumnAge,
    ColumnPromissor,
    ColumnAspect,
    ColumnSignificator,
    ColumnArc,
    ColumnMethod,
    ColumnSense,
    DirectionColumnCount
};

// Each item's row in `m_rows` (-1 on a group's heading).
constexpr int DirectionRowRole = Qt::UserRole + 1;
// The widest span of ages a list covers.
constexpr double MaxListAge = MaxDirectionAge;
// The PDF export's page: A4 across, 10 mm margins, at this resolution.
constexpr int PdfResolution = 300;
constexpr double PdfMarginMm = 10.0;
// The window's first size: the list with all its columns, the events beside it.
constexpr int ListPaneWidth = 660;
constexpr int EventsPaneWidth = 520;
constexpr int WindowMargins = 24;
constexpr int WindowHeight = 640;

// Signed to two decimals; a difference that rounds to nothing is "+0.00", never "-0.00".
QString yearsText(double years) {
    double rounded = std::round(years * 100) / 100;
    if (rounded == 0)
        rounded = 0;
    return QString::asprintf("%+.2f", rounded);
}

}  // namespace

TDirectionsWindow::TDirectionsWindow(QWidget* parent, AppContext& ctx, TRadixWindow& chart, DirectionKind kind)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_chart(&chart), m_kind(kind),
      m_names(transitFilterNames(ctx.strings())), m_from(new QDoubleSpinBox(this)), m_to(new QDoubleSpinBox(this)),
      m_filter(new QLineEdit(this)), m_dispmode(new QComboBox(this)), m_list(new QTreeView(this)),
      m_model(new QStandardItemModel(this)), m_eventsView(new QTreeWidget(this)), m_note(new QLabel(this)),
      m_fromLabel(new QLabel(this)), m_toLabel(new QLabel(this)), m_filterLabel(new QLabel(this)),
      m_dispmodeLabel(new QLabel(this)), m_eventsLabel(new QLabel(this)), m_selectionButton(new QPushButton(this)),
      m_printButton(new QPushButton(this)), m_exportButton(new QPushButton(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(kind == DirectionKind::Primary ? QStringLiteral("primaryDirections")
                                                 : QStringLiteral("secondaryDirections"));
    m_from->setObjectName(QStringLiteral("fromAge"));
    m_to->setObjectName(QStringLiteral("toAge"));
    m_filter->setObjectName(QStringLiteral("filter"));
    m_dispmode->setObjectName(QStringLiteral("dispmode"));
    m_list->setObjectName(QStringLiteral("list"));
    m_eventsView->setObjectName(QStringLiteral("events"));
    m_note->setObjectName(QStringLiteral("note"));
    m_selectionButton->setObjectName(QStringLiteral("selection"));
    m_printButton->setObjectName(QStringLiteral("print"));
    m_exportButton->setObjectName(QStringLiteral("export"));

    for (QDoubleSpinBox* age : {m_from, m_to}) {
        age->setRange(0, MaxListAge);
        age->setDecimals(0);
        age->setKeyboardTracking(false);  // computed once the number is complete
    }
    m_from->setValue(m_fromAge);
    m_to->setValue(m_toAge);
    const TDirectionFilter& selection =
        kind == DirectionKind::Primary ? ctx.options().directions : ctx.options().secdirs;
    m_filter->setMaxLength(FilterTextSize - 1);
    m_filter->setClearButtonEnabled(true);
    m_filter->setText(fromCp1250(fixedText(selection.filter)));
    for (int i = 0; i < DirectionDisplayModeCount; ++i)
        m_dispmode->addItem(QString());
    m_dispmode->setCurrentIndex(selection.dispmode < DirectionDisplayModeCount ? selection.dispmode : 0);

    m_list->setModel(m_model);
    m_list->setRootIsDecorated(true);
    m_list->setUniformRowHeights(true);
    m_list->setAlternatingRowColors(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_eventsView->setColumnCount(3);
    m_eventsView->setRootIsDecorated(true);
    m_note->setWordWrap(true);

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_fromLabel);
    bar->addWidget(m_from);
    bar->addWidget(m_toLabel);
    bar->addWidget(m_to);
    bar->addSpacing(12);
    bar->addWidget(m_filterLabel);
    bar->addWidget(m_filter, 1);
    bar->addWidget(m_dispmodeLabel);
    bar->addWidget(m_dispmode);
    bar->addWidget(m_selectionButton);
    bar->addWidget(m_printButton);
    bar->addWidget(m_exportButton);
    m_fromLabel->setBuddy(m_from);
    m_toLabel->setBuddy(m_to);
    m_filterLabel->setBuddy(m_filter);
    m_dispmodeLabel->setBuddy(m_dispmode);

    auto* eventsPane = new QWidget(this);
    auto* eventsLayout = new QVBoxLayout(eventsPane);
    eventsLayout->setContentsMargins(0, 0, 0, 0);
    eventsLayout->addWidget(m_eventsLabel);
    eventsLayout->addWidget(m_eventsView, 1);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_list);
    splitter->addWidget(eventsPane);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({ListPaneWidth, EventsPaneWidth});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_note);
    resize(ListPaneWidth + EventsPaneWidth + WindowMargins, WindowHeight);

    connect(m_from, &QDoubleSpinBox::valueChanged, this, [this](double v) { setAgeSpan(v, m_toAge); });
    connect(m_to, &QDoubleSpinBox::valueChanged, this, [this](double v) { setAgeSpan(m_fromAge, v); });
    connect(m_filter, &QLineEdit::textChanged, this, [this] { refill(); });
    connect(m_dispmode, &QComboBox::currentIndexChanged, this, [this] { refill(); });
    connect(m_selectionButton, &QPushButton::clicked, this, &TDirectionsWindow::editSelection);
    connect(m_printButton, &QPushButton::clicked, this, &TDirectionsWindow::print);
    connect(m_exportButton, &QPushButton::clicked, this, &TDirectionsWindow::exportChosen);
    connect(&chart, &TRadixWindow::changed, this, &TDirectionsWindow::followChart);
    retranslate();
    recompute();
}

void TDirectionsWindow::followChart() {
    if (!m_chart)
        return;
    const bool same = std::memcmp(&m_chart->chart(), &m_natal, RadixPersonalSize) == 0 &&
                      std::memcmp(&m_chart->blocks().lifeEvents, &m_lifeEvents, sizeof m_lifeEvents) == 0 &&
                      m_chart->blocks().directions == m_settings;
    if (!same)
        recompute();
}

void TDirectionsWindow::setAgeSpan(double fromAge, double toAge) {
    fromAge = std::clamp(fromAge, 0.0, MaxListAge);
    toAge = std::clamp(toAge, 0.0, MaxListAge);
    if (fromAge == m_fromAge && toAge == m_toAge)
        return;
    m_fromAge = fromAge;
    m_toAge = toAge;
    const QSignalBlocker a(m_from), b(m_to);
    m_from->setValue(fromAge);
    m_to->setValue(toAge);
    recompute();
}

void TDirectionsWindow::setFilterText(const QString& text) { m_filter->setText(text); }
void TDirectionsWindow::setDisplayMode(int dispmode) {
    m_dispmode->setCurrentIndex(dispmode >= 0 && dispmode < DirectionDisplayModeCount ? dispmode : 0);
}

void TDirectionsWindow::recompute() {
    // The chart as it is now; a list whose chart was closed keeps what it had.
    if (m_chart) {
        m_natal = m_chart->chart();
        m_lifeEvents = m_chart->blocks().lifeEvents;
        m_settings = m_chart->blocks().directions;
    }
    const TOptions& options = m_ctx.options();
    m_rows.clear();
    m_leftOut.clear();
    m_failure.clear();
    // A span given backwards is the same span.
    const double from = std::min(m_fromAge, m_toAge), to = std::max(m_fromAge, m_toAge);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (m_kind == DirectionKind::Primary) {
        const PrimaryQuery query = primaryQueryFromSelection(options.directions, directionMethodOfChart(m_settings),
                                                             directionKeyOf(m_settings), from, to);
        PrimaryResult result = computePrimaryDirections(m_natal, query, options);
        m_rows = directionRows(result);
        m_leftOut = std::move(result.leftOut);
    } else {
        const SecondaryQuery query = secondaryQueryFromSelection(options.secdirs, from, to);
        const SecondaryResult result = computeSecondaryDirections(m_natal, query, options);
        m_rows = directionRows(result);
        if (result.status == TransitStatus::OutsideEphemeris)
            m_failure = tr("%1 cannot be computed over the whole span (outside the ephemeris files); the list "
                           "stops short.")
                            .arg(transitingName(result.body));
    }
    // Each row's date on the clock of the chart's place, the town looked up once.
    m_dates.clear();
    const PlaceClock clock(m_ctx.towns, m_natal.moment);
    for (const DirectionRow& row : m_rows)
        m_dates.push_back(fromCp1250(compactDateText(clock.at(row.jdUT).localDate, m_ctx.strings())));
    m_distance = correctionYears(options.correvs);
    m_matches = matchLifeEvents(markedLifeEvents(m_lifeEvents), datedDirections(m_rows), m_distance);
    QApplication::restoreOverrideCursor();
    setWindowTitle(title());
    refill();
    fillEvents();
}

QString TDirectionsWindow::title() const {
    const QString name = fromCp1250(fixedText(m_natal.name)).trimmed();
    return m_kind == DirectionKind::Primary ? tr("Primary Directions: %1").arg(name)
                                            : tr("Secondary Directions: %1").arg(name);
}

QString TDirectionsWindow::dateText(int row) const {
    return m_dates[static_cast<std::size_t>(row)];
}

QString TDirectionsWindow::directionText(const DirectionRow& row) const {
    QString text = QStringLiteral("%1 %2 %3").arg(directionPromissorName(row.promissor),
                                                  transitAspectName(row.aspect), natalName(row.significator));
    if (row.converse)
        text += QStringLiteral(" (%1)").arg(directionSenseName(true));
    return text;
}

QStringList TDirectionsWindow::rowCells(int index) const {
    const DirectionRow& row = m_rows[static_cast<std::size_t>(index)];
    return {dateText(index),
            QString::asprintf("%.2f", row.age),
            directionPromissorName(row.promissor),
            transitAspectName(row.aspect),
            natalName(row.significator),
            QString::asprintf("%.3f\u00B0", row.arc),
            directionMethodName(row.method),
            directionSenseName(row.converse)};
}

QString TDirectionsWindow::groupTitle(int key) const {
    switch (m_dispmode->currentIndex()) {
    case DirectionsBySignificator: return natalName(key);
    case DirectionsByPromissor: return directionPromissorName(key);
    default: return {};
    }
}

void TDirectionsWindow::refill() {
    const std::string filterText = toCp1250(m_filter->text());
    const TransitFilter filter(filterText);
    const std::vector<TransitGroup> groups =
        groupDirections(m_rows, static_cast<std::uint8_t>(m_dispmode->currentIndex()), filter, m_names);
    m_model->removeRows(0, m_model->rowCount());
    int shown = 0;
    for (const TransitGroup& group : groups) {
        QStandardItem* parent = m_model->invisibleRootItem();
        if (group.key >= 0) {
            auto* heading = new QStandardItem(groupTitle(group.key));
            heading->setData(-1, DirectionRowRole);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            m_model->appendRow(heading);
            parent = heading;
        }
        for (int i : group.events) {
            QList<QStandardItem*> items;
            for (const QString& cell : rowCells(i))
                items << new QStandardItem(cell);
            items[0]->setData(i, DirectionRowRole);
            for (int c : {ColumnAge, ColumnArc})
                items[c]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            parent->appendRow(items);
            ++shown;
        }
    }
    m_list->expandAll();
    for (int c = 0; c < DirectionColumnCount; ++c)
        m_list->resizeColumnToContents(c);
    m_note->setText(noteText());
    m_note->setProperty("shown", shown);
}

QString TDirectionsWindow::noteText() const {
    QStringList parts;
    parts << tr("%n direction(s) between the ages of %1 and %2.", nullptr, static_cast<int>(m_rows.size()))
                 .arg(std::min(m_fromAge, m_toAge))
                 .arg(std::max(m_fromAge, m_toAge));
    if (!m_leftOut.empty()) {
        QStringList names;
        for (const LeftOutPoint& p : m_leftOut) {
            QString name = p.promissor ? directionPromissorName(p.point) : natalName(p.point);
            if (p.aspect > 0)
                name = tr("%1 (its %2 point)").arg(name, transitAspectName(p.aspect));
            if (!names.contains(name))
                names << name;
        }
        parts << tr("Left out, never rising or setting at the birth latitude or not computed: %1.")
                     .arg(names.join(QStringLiteral(", ")));
    }
    if (selectsNothing(m_kind == DirectionKind::Primary ? m_ctx.options().directions : m_ctx.options().secdirs,
                       m_kind))
        parts << tr("The selection leaves nothing to direct: choose the promissors, the significators and the "
                    "aspects with Selection...");
    if (!m_failure.isEmpty())
        parts << m_failure;
    return parts.join(QLatin1Char(' '));
}

void TDirectionsWindow::fillEvents() {
    m_eventsView->clear();
    m_eventsLabel->setText(tr("Marked life events, with the directions within %1 of each:").arg(yearsSpan(m_distance)));
    if (m_matches.empty()) {
        auto* none = new QTreeWidgetItem(m_eventsView);
        none->setText(0, tr("No life event is marked for correction (Personal data, Life events)."));
        none->setFirstColumnSpanned(true);
        return;
    }
    for (const EventMatch& match : m_matches) {
        const LifeEvent& event = m_lifeEvents.events[static_cast<std::size_t>(match.event)];
        auto* item = new QTreeWidgetItem(m_eventsView);
        item->setText(0, fromCp1250(fixedText(event.name)));
        item->setText(1, fromCp1250(compactDateText(event.date, m_ctx.strings())));
        // The event's own line sums it up: how far the closest direction is, whether within the
        // distance or not. The directions within it follow, closest first.
        if (match.hasClosest) {
            item->setText(2, yearsText(match.closest.years));
            item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        }
        QFont bold = item->font(0);
        bold.setBold(true);
        for (int c = 0; c < 3; ++c)
            item->setFont(c, bold);
        for (const NearDirection& near : match.near) {
            const DirectionRow& row = m_rows[static_cast<std::size_t>(near.direction.index)];
            auto* child = new QTreeWidgetItem(item);
            child->setText(0, directionText(row));
            child->setText(1, dateText(near.direction.index));
            child->setText(2, yearsText(near.years));
            child->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        }
        if (match.near.empty()) {
            auto* child = new QTreeWidgetItem(item);
            // Greyed: farther than the distance.
            if (match.hasClosest) {
                const DirectionRow& closest = m_rows[static_cast<std::size_t>(match.closest.direction.index)];
                child->setText(0, tr("closest: %1").arg(directionText(closest)));
                child->setText(1, dateText(match.closest.direction.index));
                child->setText(2, yearsText(match.closest.years));
                child->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
                child->setToolTip(0, tr("No direction within %1 of this event.").arg(yearsSpan(m_distance)));
            } else {
                child->setText(0, tr("no direction in the list"));
            }
            for (int c = 0; c < 3; ++c)
                child->setForeground(c, palette().brush(QPalette::Disabled, QPalette::Text));
        }
    }
    m_eventsView->expandAll();
    for (int c = 0; c < 3; ++c)
        m_eventsView->resizeColumnToContents(c);
}

ListPageContent TDirectionsWindow::listContent() const {
    ListPageContent content;
    content.title = title();
    content.subtitle = fromCp1250(momentText(m_natal.moment, m_ctx.strings())) + QStringLiteral("   ") + noteText();
    for (int c = 0; c < DirectionColumnCount; ++c)
        content.headers << m_model->headerData(c, Qt::Horizontal).toString();
    for (int r = 0; r < m_model->rowCount(); ++r) {
        QStandardItem* top = m_model->item(r, 0);
        const auto addRow = [&](QStandardItem* parent, int row) {
            const int index = (parent ? parent->child(row, 0) : m_model->item(row, 0))->data(DirectionRowRole).toInt();
            content.rows.push_back({rowCells(index), false});
        };
        if (top->data(DirectionRowRole).toInt() < 0) {
            content.rows.push_back({{top->text()}, true});
            for (int c = 0; c < top->rowCount(); ++c)
                addRow(top, c);
        } else {
            addRow(nullptr, r);
        }
    }
    return content;
}

bool TDirectionsWindow::exportTo(const QString& path) {
    const ListPageContent content = listContent();
    const QString file = QDir::toNativeSeparators(path);
    QSaveFile out(path);
    bool written = out.open(QIODevice::WriteOnly);
    if (written) {
        if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
            QPdfWriter pdf(&out);
            pdf.setResolution(PdfResolution);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setPageOrientation(QPageLayout::Landscape);
            pdf.setPageMargins(QMarginsF(PdfMarginMm, PdfMarginMm, PdfMarginMm, PdfMarginMm), QPageLayout::Millimeter);
            pdf.setTitle(content.title);
            QPainter painter(&pdf);
            written = painter.isActive();
            if (written)
                paintListPages(painter, QRectF(painter.viewport()), content, [&pdf] { return pdf.newPage(); });
        } else {
            written = out.write(listCsv(content)) >= 0;
        }
    }
    if (written)
        written = out.commit();
    if (!written) {
        m_ctx.errors.error(this, tr("The list could not be written to %1: %2").arg(file, out.errorString()));
        return false;
    }
    m_ctx.showStatus(tr("Directions exported to %1").arg(file));
    return true;
}

void TDirectionsWindow::exportChosen() {
    const QString name = fromCp1250(fixedText(m_natal.name)).trimmed();
    const QString proposed = QDir(fromCp1250(fixedText(m_ctx.options().last_directory)))
                                 .filePath(m_kind == DirectionKind::Primary ? tr("%1 primary directions.csv").arg(name)
                                                                            : tr("%1 secondary directions.csv").arg(name));
    const QString path = m_ctx.prompts().saveFile(this, tr("Export Directions"), proposed,
                                                  tr("Comma-separated values (*.csv);;PDF document (*.pdf)"),
                                                  QStringLiteral("csv"));
    if (!path.isEmpty())
        exportTo(path);
}

void TDirectionsWindow::print() {
    printLandscape(this, m_ctx, title(), tr("The list could not be printed."),
                   [this](QPainter& painter, const std::function<bool()>& newPage) {
                       paintListPages(painter, QRectF(painter.viewport()), listContent(), newPage);
                   });
}

void TDirectionsWindow::editSelection() {
    const bool primary = m_kind == DirectionKind::Primary;
    TDirectionFilter& selection = primary ? m_ctx.options().directions : m_ctx.options().secdirs;
    TDirectionSelectionDialog dialog(this,
                                     primary ? TDirectionSelectionDialog::Kind::Primary
                                             : TDirectionSelectionDialog::Kind::Secondary,
                                     selection);
    if (m_ctx.prompts().runModal(dialog) != QDialog::Accepted)
        return;
    const TOptions before = m_ctx.options();
    selection = dialog.selection();
    m_ctx.autosaveOptions(this, before);
    {
        const QSignalBlocker a(m_filter), b(m_dispmode);
        m_filter->setText(fromCp1250(fixedText(selection.filter)));
        m_dispmode->setCurrentIndex(selection.dispmode < DirectionDisplayModeCount ? selection.dispmode : 0);
    }
    recompute();
}

void TDirectionsWindow::retranslate() {
    m_fromLabel->setText(tr("&Ages from"));
    m_toLabel->setText(tr("&to"));
    m_filterLabel->setText(tr("&Filter:"));
    m_dispmodeLabel->setText(tr("&Display:"));
    m_dispmode->setItemText(DirectionsByDate, tr("By date"));
    m_dispmode->setItemText(DirectionsBySignificator, tr("By significator"));
    m_dispmode->setItemText(DirectionsByPromissor,
                            m_kind == DirectionKind::Primary ? tr("By promissor") : tr("By progressed body"));
    m_selectionButton->setText(tr("&Selection..."));
    m_printButton->setText(tr("&Print..."));
    m_exportButton->setText(tr("&Export..."));
    m_model->setHorizontalHeaderLabels({tr("Date"), tr("Age"),
                                        m_kind == DirectionKind::Primary ? tr("Promissor") : tr("Progressed"),
                                        tr("Aspect"), tr("Significator"), tr("Arc"), tr("Method"), tr("Sense")});
    m_eventsView->setHeaderLabels({tr("Life event / direction"), tr("Date"), tr("Difference (years)")});
}

void TDirectionsWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        setWindowTitle(title());
        refill();
        fillEvents();
    }
    QWidget::changeEvent(event);
}
