#include "TTransitsWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QBuffer>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QStackedWidget>
#include <QSvgGenerator>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "AppContext.h"
#include "ChartFonts.h"
#include "Ephemeris.h"
#include "FixedText.h"
#include "JulianMoment.h"
#include "LandscapePrint.h"
#include "Prompts.h"
#include "QtText.h"
#include "StringIds.h"
#include "TransitMoment.h"
#include "TransitTexts.h"
#include "TransitTimeLineView.h"

namespace {

// Progress in thousandths.
constexpr int ProgressSteps = 1000;
// The width of the printed and exported time line in the drawing's units; pages are scaled
// to it, so a page holds about as much as a wide window.
constexpr int PageUnits = 1100;
constexpr int ExportWidth = 1400;
constexpr int HeaderHeight = 34;
constexpr int FooterHeight = 24;
constexpr int SymbolPixels = 18;
constexpr int WindowWidth = 1040, WindowHeight = 640;

// Midnight starting `date` on the clock of the chart's place, as a UT Julian day; the date is
// read in the calendar of its day, as the list shows its dates.
double localMidnightUT(const AppContext& ctx, const BirthMoment& natal, QDate date) {
    return dayStartAtPlace(ctx.towns, natal, civilDate(date.year(), date.month(), date.day()));
}

std::vector<QString> monthNames(const AppContext& ctx) {
    std::vector<QString> months;
    for (int m = StrId::January; m <= StrId::December; ++m)
        months.push_back(ctx.text(m));
    return months;
}

}  // namespace

TTransitsWindow::TTransitsWindow(QWidget* parent, AppContext& ctx, const RadixData& natal,
                                 std::function<void(double)> openCollation)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_natal(natal), m_openCollation(std::move(openCollation)),
      m_names(transitFilterNames(ctx.strings())), m_toolBar(new QToolBar(this)), m_pages(new QStackedWidget(this)),
      m_list(new QTreeView(this)), m_model(new TransitListModel(this)), m_scroll(new QScrollArea(this)),
      m_timeLine(new TransitTimeLineView(ctx.options(), this)), m_filter(new QLineEdit(this)),
      m_dispmode(new QComboBox(this)), m_heading(new QLabel(this)), m_statusLabel(new QLabel(this)),
      m_progress(new QProgressBar(this)), m_cancelButton(new QPushButton(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("transitsWindow"));
    resize(WindowWidth, WindowHeight);

    m_list->setObjectName(QStringLiteral("transitList"));
    m_list->setModel(m_model);
    m_list->setSortingEnabled(true);
    m_list->sortByColumn(ColumnDate, Qt::AscendingOrder);
    m_list->setUniformRowHeights(true);
    m_list->setAlternatingRowColors(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    connect(m_list, &QTreeView::activated, this, &TTransitsWindow::activateIndex);
    m_scroll->setWidget(m_timeLine);
    m_scroll->setWidgetResizable(true);
    m_scroll->setBackgroundRole(QPalette::Base);
    connect(m_timeLine, &TransitTimeLineView::eventActivated, this, [this](int i) {
        m_openCollation(m_events[static_cast<std::size_t>(i)].exactUT);
    });
    m_pages->addWidget(m_list);
    m_pages->addWidget(m_scroll);

    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setMaxLength(FilterTextSize - 1);
    m_filter->setClearButtonEnabled(true);
    m_filter->setText(fromCp1250(fixedText(ctx.options().transits.filter)));
    m_dispmode->setObjectName(QStringLiteral("dispmode"));
    m_dispmode->addItems({QString(), QString(), QString()});
    const std::uint8_t mode = ctx.options().transits.dispmode;
    m_dispmode->setCurrentIndex(mode <= TransitsByTransiting ? int(mode) : int(TransitsByDate));
    connect(m_filter, &QLineEdit::textChanged, this, &TTransitsWindow::refill);
    connect(m_dispmode, &QComboBox::currentIndexChanged, this, &TTransitsWindow::refill);
    buildToolBar();

    m_progress->setRange(0, ProgressSteps);
    m_progress->hide();
    m_cancelButton->setObjectName(QStringLiteral("cancelSearch"));
    m_cancelButton->hide();
    connect(m_cancelButton, &QPushButton::clicked, this, &TTransitsWindow::cancelSearch);
    auto* status = new QHBoxLayout;
    status->addWidget(m_statusLabel, 1);
    status->addWidget(m_progress);
    status->addWidget(m_cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_heading);
    layout->addWidget(m_pages, 1);
    layout->addLayout(status);
    retranslate();
}

TTransitsWindow::~TTransitsWindow() = default;

void TTransitsWindow::buildToolBar() {
    m_periodAction = m_toolBar->addAction(QString(), this, &TTransitsWindow::choosePeriod);
    m_toolBar->addSeparator();
    auto* views = new QActionGroup(this);
    m_listAction = m_toolBar->addAction(QString(), this, [this] { setView(View::List); });
    m_timeLineAction = m_toolBar->addAction(QString(), this, [this] { setView(View::TimeLine); });
    for (QAction* a : {m_listAction, m_timeLineAction}) {
        a->setCheckable(true);
        views->addAction(a);
    }
    m_listAction->setChecked(true);
    m_listAction->setShortcut(Qt::CTRL | Qt::Key_1);
    m_timeLineAction->setShortcut(Qt::CTRL | Qt::Key_2);
    m_toolBar->addSeparator();
    m_printAction = m_toolBar->addAction(QString(), this, &TTransitsWindow::print);
    m_exportAction = m_toolBar->addAction(QString(), this, &TTransitsWindow::exportChosen);
    m_printAction->setShortcut(QKeySequence::Print);
    m_exportAction->setShortcut(Qt::CTRL | Qt::Key_E);
    m_toolBar->addSeparator();
    m_filterLabel = new QLabel(m_toolBar);
    m_filterLabel->setBuddy(m_filter);
    m_toolBar->addWidget(m_filterLabel);
    m_toolBar->addWidget(m_filter);
    m_dispmodeLabel = new QLabel(m_toolBar);
    m_dispmodeLabel->setBuddy(m_dispmode);
    m_toolBar->addWidget(m_dispmodeLabel);
    m_toolBar->addWidget(m_dispmode);
}

void TTransitsWindow::retranslate() {
    setWindowTitle(title());
    m_periodAction->setText(tr("&Period..."));
    m_listAction->setText(tr("&List"));
    m_timeLineAction->setText(tr("&Time line"));
    m_printAction->setText(tr("P&rint..."));
    m_exportAction->setText(tr("&Export..."));
    m_filterLabel->setText(tr(" &Filter: "));
    m_filter->setPlaceholderText(tr("e.g. sat>sun  mars/venus  -moon"));
    m_filter->setToolTip(tr("A word finds the names starting with it; a/b either of them; left of > the "
                            "transiting body, right of it the natal point; a minus leaves out what it finds."));
    m_dispmodeLabel->setText(tr(" &Display: "));
    m_dispmode->setItemText(TransitsByDate, tr("By date"));
    m_dispmode->setItemText(TransitsByNatalPoint, tr("Grouped by natal point"));
    m_dispmode->setItemText(TransitsByTransiting, tr("Grouped by transiting body"));
    m_cancelButton->setText(tr("Cancel"));
    m_names = transitFilterNames(m_ctx.strings());
    if (!m_events.empty())
        m_texts = transitMomentTexts(m_events, m_ctx.towns, m_natal.moment, m_ctx.strings());
    m_heading->setText(periodText());
    m_model->retranslate();
    refill();
}

double TTransitsWindow::clockOffsetAt(double jdUT) const {
    const BirthMoment local = transitLocalMoment(m_ctx.towns, m_natal.moment, jdUT);
    const ClockTime& t = local.localTime;
    const double hours = t.hour + t.minute / 60.0 + t.second / 3600.0;
    return calendarToJulianDay(local.localDate.year, local.localDate.month, local.localDate.day, hours,
                               local.localDate.gregorian != 0) -
           jdUT;
}

QString TTransitsWindow::title() const {
    return tr("Transits: %1").arg(fromCp1250(fixedText(m_natal.name)));
}

QString TTransitsWindow::periodText() const {
    if (!m_period.from.isValid())
        return {};
    return tr("%1 to %2, on the clock of %3")
        .arg(m_period.from.toString(Qt::ISODate), m_period.to.toString(Qt::ISODate),
             fromCp1250(fixedText(m_natal.moment.town)));
}

void TTransitsWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void TTransitsWindow::closeEvent(QCloseEvent* event) {
    // The search's slice may still be on the stack: the window hides at once and is deleted
    // once the slice has returned. The close is accepted, so that leaving the program while a
    // search runs ends the program (a refused close would stop the program from quitting).
    if (m_searching) {
        m_cancel = true;
        m_closeWhenDone = true;
        setAttribute(Qt::WA_DeleteOnClose, false);
    }
    QWidget::closeEvent(event);
}

TTransitsWindow::View TTransitsWindow::view() const {
    return m_pages->currentIndex() == 0 ? View::List : View::TimeLine;
}

void TTransitsWindow::setView(View view) {
    m_pages->setCurrentIndex(view == View::List ? 0 : 1);
    (view == View::List ? m_listAction : m_timeLineAction)->setChecked(true);
}

void TTransitsWindow::setFilterText(const QString& text) { m_filter->setText(text); }
void TTransitsWindow::setDisplayMode(int dispmode) { m_dispmode->setCurrentIndex(dispmode); }
QString TTransitsWindow::statusText() const { return m_statusLabel->text(); }

void TTransitsWindow::choosePeriod() {
    TTransitPeriodDialog dialog(this, m_ctx.errors, m_period, QDate::currentDate());
    if (m_ctx.prompts().runModal(dialog) == QDialog::Accepted)
        search(dialog.period());
}

void TTransitsWindow::search(const TransitPeriod& period) {
    if (m_searching)
        return;
    m_period = period;
    m_fromUT = localMidnightUT(m_ctx, m_natal.moment, period.from);
    m_toUT = localMidnightUT(m_ctx, m_natal.moment, period.to.addDays(1));
    m_clockOffset = clockOffsetAt(m_fromUT);
    m_query = transitQueryFromSelection(m_ctx.options().transits, m_fromUT, m_toUT);
    m_slices.clear();
    m_fits = {};
    for (int b = 0; b < BodyCount; ++b)
        if (m_query.transiting[static_cast<std::size_t>(b)])
            m_slices.push_back(b);
    m_slice = 0;
    m_events.clear();
    m_texts.clear();
    m_cancel = false;
    m_searching = true;
    m_heading->setText(periodText());
    for (QAction* a : {m_periodAction, m_printAction, m_exportAction})
        a->setEnabled(false);
    m_progress->setValue(0);
    m_progress->show();
    m_cancelButton->show();
    m_statusLabel->setText(tr("Searching..."));
    refill();
    QTimer::singleShot(0, this, &TTransitsWindow::runNextSlice);
}

void TTransitsWindow::runNextSlice() {
    if (m_cancel) {
        finishSearch(tr("Cancelled: %1 transits found until then.").arg(m_events.size()));
        return;
    }
    if (m_slice >= m_slices.size()) {
        finishSearch(tr("%1 transits.").arg(m_events.size()));
        return;
    }
    TransitQuery query = m_query;
    query.transiting.fill(false);
    query.transiting[static_cast<std::size_t>(m_slices[m_slice])] = true;
    const double slices = static_cast<double>(m_slices.size());
    // Of a slice's part of the bar, the search takes the first three fifths, telling its moments
    // on the clock the rest (a million Moon transits take as long to tell as to find).
    constexpr double SearchShare = 0.6;
    const auto showDone = [this, slices](double ofSlice) {
        m_progress->setValue(static_cast<int>((static_cast<double>(m_slice) + ofSlice) / slices * ProgressSteps));
    };
    const auto progress = [this, showDone](double done) {
        showDone(SearchShare * done);
        QCoreApplication::processEvents();
        return !m_cancel;
    };
    TransitResult result = searchTransits(m_natal, query, m_ctx.options(), progress, &m_fits);
    // The moments are told on the place's clock in steps, answering the window between them: a
    // century of every Moon transit holds a million. A cancel keeps what was told so far.
    constexpr std::size_t TextsPerStep = 8192;
    std::vector<TransitMomentTexts> texts;
    texts.reserve(result.events.size());
    for (std::size_t at = 0; at < result.events.size() && !m_cancel; at += TextsPerStep) {
        const auto first = result.events.begin() + static_cast<std::ptrdiff_t>(at);
        const std::vector<TransitEvent> step(first, first + static_cast<std::ptrdiff_t>(
                                                                std::min(TextsPerStep, result.events.size() - at)));
        const std::vector<TransitMomentTexts> told =
            transitMomentTexts(step, m_ctx.towns, m_natal.moment, m_ctx.strings());
        texts.insert(texts.end(), told.begin(), told.end());
        showDone(SearchShare + (1 - SearchShare) * static_cast<double>(texts.size()) /
                                   static_cast<double>(result.events.size()));
        QCoreApplication::processEvents();
    }
    result.events.resize(texts.size());
    m_events.insert(m_events.end(), result.events.begin(), result.events.end());
    m_texts.insert(m_texts.end(), texts.begin(), texts.end());
    if (result.status == TransitStatus::OutsideEphemeris) {
        const QString message = tr("The ephemeris files do not reach over the whole period for %1: choose a shorter "
                                   "period.")
                                    .arg(transitingName(result.body));
        finishSearch(message);
        if (!m_closeWhenDone)
            m_ctx.errors.error(this, message);
        return;
    }
    ++m_slice;
    m_progress->setValue(static_cast<int>(static_cast<double>(m_slice) / slices * ProgressSteps));
    if (result.status == TransitStatus::Cancelled)
        m_cancel = true;
    QTimer::singleShot(0, this, &TTransitsWindow::runNextSlice);
}

void TTransitsWindow::finishSearch(const QString& status) {
    m_searching = false;
    m_status = status;
    m_progress->hide();
    m_cancelButton->hide();
    for (QAction* a : {m_periodAction, m_printAction, m_exportAction})
        a->setEnabled(true);
    refill();
    for (int c = 0; c < TransitColumnCount; ++c)
        m_list->resizeColumnToContents(c);
    emit searchFinished();
    if (m_closeWhenDone)
        deleteLater();
}

void TTransitsWindow::showEvents(std::vector<TransitEvent> events, double fromUT, double toUT) {
    m_events = std::move(events);
    m_fromUT = fromUT;
    m_toUT = toUT;
    m_clockOffset = clockOffsetAt(fromUT);
    m_texts = transitMomentTexts(m_events, m_ctx.towns, m_natal.moment, m_ctx.strings());
    m_status = tr("%1 transits.").arg(m_events.size());
    refill();
}

void TTransitsWindow::refill() {
    const std::uint8_t mode = static_cast<std::uint8_t>(std::max(0, m_dispmode->currentIndex()));
    const std::vector<TransitGroup> groups =
        groupTransits(m_events, mode, TransitFilter(toCp1250(m_filter->text())), m_names);
    m_model->setContent(&m_events, &m_texts, groups, mode, chartFont(FontTemplate::Symbol, SymbolPixels));
    // The groups' events come by date; another column chosen for sorting sorts them again.
    const int column = m_list->header()->sortIndicatorSection();
    const Qt::SortOrder order = m_list->header()->sortIndicatorOrder();
    if (column != ColumnDate || order != Qt::AscendingOrder)
        m_list->sortByColumn(column, order);
    if (mode == TransitsByNatalPoint || mode == TransitsByTransiting) {
        for (int r = 0; r < m_model->rowCount(); ++r)
            m_list->setFirstColumnSpanned(r, {}, true);
        m_list->expandAll();
    }

    TransitTimeLine line;
    line.events = &m_events;
    line.rows = timeLineRows(m_events, groups);
    line.from = m_fromUT;
    line.to = m_toUT;
    line.clockOffset = m_clockOffset;
    for (const std::vector<int>& row : line.rows) {
        const TransitEvent& e = m_events[static_cast<std::size_t>(row.front())];
        line.labels.push_back(QStringLiteral("%1  %2  %3").arg(transitingName(e.transiting), transitAspectName(e.aspect),
                                                               natalName(e.natal)));
        line.aspects.push_back(e.aspect);
    }
    m_timeLine->setLine(std::move(line), monthNames(m_ctx));

    std::size_t listed = 0;
    for (const TransitGroup& g : groups)
        listed += g.events.size();
    QString status = m_status;
    if (!m_searching && listed != m_events.size())
        status += QLatin1Char(' ') + tr("%1 of them listed.").arg(listed);
    if (!m_searching)
        m_statusLabel->setText(status);
}

void TTransitsWindow::activateIndex(const QModelIndex& index) {
    const QVariant event = index.siblingAtColumn(ColumnDate).data(TransitEventRole);
    if (event.isValid() && event.toInt() >= 0 && static_cast<std::size_t>(event.toInt()) < m_events.size())
        m_openCollation(m_events[static_cast<std::size_t>(event.toInt())].exactUT);
}

void TTransitsWindow::paintTimeLinePages(QPainter& painter, const QSize& pageSize,
                                         const std::function<bool()>& newPage) const {
    const TransitTimeLine& line = m_timeLine->line();
    const TimeLineMetrics& m = m_timeLine->metrics();
    const int total = static_cast<int>(line.rows.size());
    const int perPage = std::max(1, (pageSize.height() - HeaderHeight - FooterHeight - m.axisHeight - m.margin) / m.rowHeight);
    const int pages = std::max(1, (total + perPage - 1) / perPage);
    QFont font = painter.font();
    font.setPixelSize(m.rowHeight * 3 / 4);
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !newPage())
            return;
        painter.save();
        painter.fillRect(QRect(QPoint(0, 0), pageSize), Qt::white);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(m.margin, 0, pageSize.width() - 2 * m.margin, HeaderHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         title() + QStringLiteral("   ") + periodText());
        // In the page's font: the device's own default is sized for its resolution, which on a
        // printer or PDF page drew the footer a hundred times too large.
        painter.drawText(QRect(0, pageSize.height() - FooterHeight, pageSize.width(), FooterHeight), Qt::AlignCenter,
                         tr("Page %1 of %2").arg(page + 1).arg(pages));
        painter.translate(0, HeaderHeight);
        drawTransitTimeLine(painter, line, m, pageSize.width(), page * perPage, perPage, m_ctx.options(),
                            TimeLineStyle{m_ctx.options().print_black}, monthNames(m_ctx));
        painter.restore();
    }
}

bool TTransitsWindow::exportTimeLine(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const TimeLineMetrics& m = m_timeLine->metrics();
    const int rows = static_cast<int>(m_timeLine->line().rows.size());
    const QSize whole(ExportWidth, HeaderHeight + timeLineHeight(m, rows) + FooterHeight);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const auto onePage = [] { return false; };
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(whole);
        svg.setViewBox(QRect(QPoint(0, 0), whole));
        svg.setTitle(title());
        QPainter painter(&svg);
        paintTimeLinePages(painter, whole, onePage);
    } else if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(&buffer);
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setTitle(title());
        QPainter painter(&pdf);
        const double scale = static_cast<double>(painter.viewport().width()) / PageUnits;
        painter.scale(scale, scale);
        paintTimeLinePages(painter, {PageUnits, static_cast<int>(painter.viewport().height() / scale)},
                           [&pdf] { return pdf.newPage(); });
    } else {
        QImage image(whole, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            paintTimeLinePages(painter, image.size(), onePage);
        }
        image.save(&buffer, "PNG");
    }
    buffer.close();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(buffer.data()) != buffer.data().size() || !file.commit()) {
        m_ctx.errors.error(this, tr("The time line could not be written to %1.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return true;
}

void TTransitsWindow::exportChosen() {
    const QString proposed =
        QDir(fromCp1250(fixedText(m_ctx.options().last_directory)))
            .filePath(tr("%1 transits.png").arg(fromCp1250(fixedText(m_natal.name)).trimmed()));
    const QString path =
        m_ctx.prompts().saveFile(this, tr("Export Time Line"), proposed,
                                 tr("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"), QStringLiteral("png"));
    if (!path.isEmpty() && exportTimeLine(path))
        m_ctx.showStatus(tr("Time line exported to %1").arg(QDir::toNativeSeparators(path)));
}

void TTransitsWindow::print() {
    printLandscape(this, m_ctx, title(), tr("The time line could not be printed."),
                   [this](QPainter& painter, const std::function<bool()>& newPage) {
                       const double scale = static_cast<double>(painter.viewport().width()) / PageUnits;
                       painter.scale(scale, scale);
                       paintTimeLinePages(painter, {PageUnits, static_cast<int>(painter.viewport().height() / scale)},
                                          newPage);
                   });
}
