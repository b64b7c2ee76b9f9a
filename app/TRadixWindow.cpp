#include "TRadixWindow.h"

#include "BiWheel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHelpEvent>
#include <QToolTip>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QPicture>
#include <cstdlib>

#include "BirthText.h"
#include "ChartDirectionOptions.h"
#include "ChartIndex.h"
#include "ChartView.h"
#include "Angles.h"
#include "Houses.h"
#include "RadixWheel.h"
#include "BiWheel.h"
#include "ComputeRadix.h"
#include "HoroscopeFile.h"
#include "HoroscopeReadMessage.h"
#include "JoinPath.h"
#include "MomentSteps.h"
#include "FileFilterQt.h"
#include "QtText.h"
#include "RadixData.h"
#include "SettingsFile.h"
#include "AppContext.h"
#include "Prompts.h"
#include "StringIds.h"
#include "TDatabaseDialog.h"
#include "AngleFormats.h"
#include "DirectionKeyText.h"
#include "WhenCharts.h"

// A progressions window's own part: what was asked and what was found for it.
struct TRadixWindow::ProgressionState {
    ProgressionRequest request;
    BirthMoment target;  // the target instant on the clock of the natal place
    Progression result;
};

TRadixWindow::TRadixWindow(AppContext& ctx) : m_ctx(ctx), m_chart(std::make_unique<RadixData>()) {
    setAttribute(Qt::WA_DeleteOnClose);
}

TRadixWindow::~TRadixWindow() = default;

TRadixWindow* TRadixWindow::fromFile(AppContext& ctx, const QString& path, QString* error) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::unique_ptr<TRadixWindow> w(new TRadixWindow(ctx));
    w->m_blocks.directions = chartDirectionSettings(ctx.options());
    HoroscopeProblem problem;
    const HoroscopeRead result = ReadHoroscopeFile(QFile::encodeName(path).toStdString(), ctx.strings(),
                                                   w->m_blocks.directions, *w->m_chart, w->m_blocks, &problem);
    QApplication::restoreOverrideCursor();
    if (result != HoroscopeRead::Ok) {
        if (error)
            *error = horoscopeReadMessage(QDir::toNativeSeparators(path), result, problem);
        return nullptr;
    }
    w->m_path = path;
    w->m_diskContent = diskContent(path);
    w->recompute();
    return w.release();
}

QByteArray TRadixWindow::diskContent(const QString& path) {
    QFile f(path);
    // No layout is longer than the current one; what follows is not ours either way.
    return f.open(QIODevice::ReadOnly) ? f.read(qint64(HoroscopeFileSize) + 1) : QByteArray();
}

bool TRadixWindow::mayReplace(const QString& path) {
    if (m_path.isEmpty() || !isSameFile(path))
        return true;  // a new file, or one the save dialog already asked about
    const QByteArray now = diskContent(path);
    if (now.isEmpty() || now == m_diskContent)
        return true;  // gone, or as this window left it
    const QString question =
        tr("%1 has been changed on disk since this chart was opened or last saved, perhaps in another window.\n\n"
           "Replace it with this chart?")
            .arg(QDir::toNativeSeparators(path));
    // Keeping the other version is the safe answer.
    return m_ctx.prompts().askYesNo(this, QString(), question, Prompts::Answer::No);
}

TRadixWindow* TRadixWindow::fromData(AppContext& ctx, const RadixData& personal, const ChartBlocks& blocks) {
    auto* w = new TRadixWindow(ctx);
    *w->m_chart = personal;
    w->m_blocks = blocks;
    w->m_modified = true;
    w->recompute();
    return w;
}

TRadixWindow* TRadixWindow::collationOf(AppContext& ctx, const TRadixWindow& natal,
                                        std::unique_ptr<Collation> collation) {
    return collationOf(ctx, *natal.m_chart, natal.m_blocks, std::move(collation));
}

TRadixWindow* TRadixWindow::collationOf(AppContext& ctx, const RadixData& natal, const ChartBlocks& blocks,
                                        std::unique_ptr<Collation> collation) {
    auto* w = new TRadixWindow(ctx);
    *w->m_chart = natal;
    w->m_blocks = blocks;
    w->m_collation = std::move(collation);
    w->THoroWindow::setViewKind(ChartView::Collation);
    w->recompute();
    return w;
}

TRadixWindow* TRadixWindow::progressionOf(AppContext& ctx, const TRadixWindow& natal,
                                          const ProgressionRequest& request) {
    auto* w = new TRadixWindow(ctx);
    *w->m_chart = *natal.m_chart;
    w->m_blocks = natal.m_blocks;
    w->m_collation = std::make_unique<Collation>();
    // The natal chart stands still; only the progressed one moves.
    w->m_collation->kind = CollationKind::Transit;
    w->m_progression = std::make_unique<ProgressionState>();
    w->m_progression->request = request;
    w->m_progression->target = momentAtUT(ctx.towns, natal.m_chart->moment, nullptr, request.targetUT);
    w->THoroWindow::setViewKind(ChartView::Collation);
    w->recompute();
    return w;
}

const Progression* TRadixWindow::progression() const { return m_progression ? &m_progression->result : nullptr; }

const BirthMoment* TRadixWindow::progressionTarget() const {
    return m_progression ? &m_progression->target : nullptr;
}

void TRadixWindow::progress() {
    ProgressionState& p = *m_progression;
    // The target's clock is the natal place's at that instant, whatever a step crossed.
    p.target = momentAtUT(m_ctx.towns, m_chart->moment, nullptr, p.target.julianDayUT());
    p.request.targetUT = p.target.julianDayUT();
    p.request.key = directionKeyOf(m_blocks.directions);
    castProgression(m_ctx.towns, m_ctx.strings(), *m_chart, p.request, m_ctx.state.Options, p.result);
    m_collation->second = p.result.chart;
    m_collation->aspects = p.result.aspects;
}

void TRadixWindow::directionsChanged() {
    if (m_progression) {
        recompute();
        return;
    }
    if (!m_collation)
        chartChanged();
}

QString TRadixWindow::progressionText(bool brief) const {
    if (!m_progression)
        return {};
    const Progression& p = m_progression->result;
    const QString date = fromCp1250(longDateText(m_progression->target.localDate, m_ctx.strings())).trimmed();
    const QString arc = formatSignedAngle(p.arc, false).trimmed();
    if (brief) {
        const QString key = p.key == ProgressionKey::Quotidian ? tr("daily houses")
                                                                : directionKeyShortText(m_blocks.directions);
        return tr("%1 \u2022 %2 \u2022 arc %3").arg(date, key, arc);
    }
    const QString key = p.key == ProgressionKey::Quotidian ? tr("daily houses") : directionKeyText(m_blocks.directions);
    return tr("progressed to %1; key: %2; arc %3").arg(date, key, arc);
}

BirthMoment& TRadixWindow::shiftedMoment() {
    if (m_progression)
        return m_progression->target;
    return m_collation ? m_collation->second.moment : m_chart->moment;
}

void TRadixWindow::momentShifted() {
    if (m_progression) {
        progress();
        reportGaps();
        updateCaption();
        update();
        emit changed();
    } else if (m_collation) {
        m_collation->second.moment.universalToLocal();
        computeCollation(*m_chart, *m_collation, m_ctx.state.Options);
        reportGaps();
        update();
        emit changed();
    } else {
        chartChanged();
    }
}

QString TRadixWindow::shiftedMomentText() {
    if (m_progression)
        return fromCp1250(longDateText(m_progression->target.localDate, m_ctx.strings())).trimmed();
    return fromCp1250(momentText(shiftedMoment(), m_ctx.strings()));
}

std::string TRadixWindow::lastFileEntry() const {
    // The name and type are Windows-1250 like every text; the path keeps the file system's bytes.
    const QString head = QStringLiteral("%1,  %2;   ").arg(fromCp1250(m_chart->name.data()), fromCp1250(m_chart->horType.data()));
    return toCp1250(head) + m_path.toStdString();
}

QString TRadixWindow::caption(bool withMarker) const {
    if (m_progression)
        return QStringLiteral("%1,  %2;   %3")
            .arg(fromCp1250(m_chart->name.data()), fromCp1250(m_collation->second.horType.data()), progressionText());
    if (m_collation) {
        const RadixData& second = m_collation->second;
        return m_ctx.text(StrId::CollationCaption)
            .arg(fromCp1250(m_chart->name.data()), fromCp1250(m_chart->horType.data()),
                 fromCp1250(second.name.data()), fromCp1250(second.horType.data()));
    }
    const QString marker = withMarker && m_modified ? QStringLiteral("* ") : QString();
    return QStringLiteral("%1%2,  %3;   %4")
        .arg(marker, fromCp1250(m_chart->name.data()), fromCp1250(m_chart->horType.data()),
             m_path.isEmpty() ? m_ctx.text(StrId::Untitled) : m_path);
}

void TRadixWindow::updateCaption() {
    // The stored form keeps its wide separators (the recent files are split on them); on the
    // screen one blank between the parts reads better.
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    setWindowTitle(caption().replace(blanks, QStringLiteral(" ")));
}

void TRadixWindow::recompute() {
    m_chart->moment.universalToLocal();
    computeRadix(*m_chart, m_ctx.state.Options);
    if (m_progression) {
        progress();
    } else if (m_collation) {
        m_collation->second.moment.universalToLocal();
        computeCollation(*m_chart, *m_collation, m_ctx.state.Options);
    }
    m_rows.clear();  // the positions table is rebuilt from the new chart when it is shown
    reportGaps();
    updateCaption();
    update();
    emit changed();
}

void TRadixWindow::reportGaps() {
    // Said once for each new situation, in the status bar: bodies the ephemeris could not
    // compute for this date, and a house system the latitude does not allow.
    QStringList missing;
    const auto collect = [&](const RadixData& chart) {
        for (const int i : unavailableBodies(chart))
            if (const QString name = m_ctx.text(chartPointNameId(i)); !missing.contains(name))
                missing << name;
    };
    collect(*m_chart);
    if (m_collation)
        collect(m_collation->second);  // a transit date may lie outside the ephemeris files
    const bool houseFallback = m_chart->houseSystemUsed != m_ctx.state.Options.housecalc;
    const QString key = missing.join(',') + (houseFallback ? QStringLiteral("|h") : QString());
    if (key == m_reportedGaps)
        return;
    m_reportedGaps = key;
    QStringList parts;
    if (!missing.isEmpty())
        parts << tr("Not computed for this date (outside the ephemeris files): %1").arg(missing.join(QStringLiteral(", ")));
    if (houseFallback)
        parts << tr("The house system cannot be used at this latitude: Porphyrius houses are shown");
    if (!parts.isEmpty())
        m_ctx.showStatus(parts.join(QStringLiteral("; ")));
}

void TRadixWindow::chartChanged() {
    m_modified = true;
    recompute();
}

void TRadixWindow::keypadStep(int step) {
    if (m_progression) {
        // A minute of life moves the progressed chart by a fraction of a second: the keys step
        // the target by a day, or ten.
        const int days = step == 5 || step == -5 ? 2 * step : step;
        CalDate& date = m_progression->target.utDate;
        for (int i = 0; i < std::abs(days); ++i)
            days > 0 ? date.nextDay() : date.previousDay();
        momentShifted();
        return;
    }
    stepMinutes(shiftedMoment(), step == 5 || step == -5 ? 2 * step : step);
    momentShifted();
}

ChartView TRadixWindow::shownView(ChartView kind) const {
    if (!m_collation)
        return kind == ChartView::Collation || kind == ChartView::CollationGrid ? ChartView::Wheel : kind;
    // A collation shows the two charts together: as a bi-wheel, as the grid of their aspects, or
    // as their positions side by side.
    if (kind == ChartView::Positions)
        return ChartView::Positions;
    return kind == ChartView::Aspects || kind == ChartView::CollationGrid ? ChartView::CollationGrid
                                                                          : ChartView::Collation;
}

void TRadixWindow::setViewKind(ChartView kind) {
    THoroWindow::setViewKind(shownView(kind));
    emit changed();
}

bool TRadixWindow::writeTo(const QString& path) {
    if (!mayReplace(path))
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = WriteHoroscopeFile(path.toStdString(), m_ctx.state.Strings, *m_chart, m_blocks);
    QApplication::restoreOverrideCursor();
    if (!ok) {
        m_ctx.errors.error(this, m_ctx.text(StrId::FailedToCreateFile), m_ctx.text(StrId::SaveHoroscope));
        return false;
    }
    m_path = path;
    m_diskContent = diskContent(path);
    m_modified = false;
    discardHoroscopeListing(m_ctx.memory.browser);
    updateCaption();
    m_ctx.showStatus(m_ctx.text(StrId::HoroscopeSavedTo).replace(QStringLiteral("%s"), path));
    emit changed();
    return true;
}

bool TRadixWindow::save() {
    if (m_collation)
        return false;  // a collation is a view of two charts, kept in their own files
    QString path = m_path;
    if (path.isEmpty()) {
        const AppState& s = m_ctx.state;
        const std::string proposed =
            JoinPath(s.Options.last_directory.data(), DefaultHoroscopeFileName(m_chart->name.data()));
        path = m_ctx.prompts().saveFile(this, m_ctx.text(StrId::SaveHoroscope), QString::fromStdString(proposed),
                                        horoscopeFilter(), HoroscopeSuffix);
        if (path.isEmpty())
            return false;
    }
    return writeTo(path);
}

bool TRadixWindow::saveAs() {
    if (m_collation)
        return false;
    const QString path =
        m_ctx.prompts().saveFile(this, m_ctx.text(StrId::SaveHoroscopeAs), m_path, horoscopeFilter(), HoroscopeSuffix);
    if (path.isEmpty())
        return false;
    return writeTo(path);
}

bool TRadixWindow::queryClose() {
    AppState& s = m_ctx.state;
    // Every changed chart is asked about, whatever its type: closing must never lose an edit.
    if (!s.StartupFailed && m_modified) {
        const QString question = fromCp1250(s.Strings[StrId::SaveChangedChartQuestion]).replace(QStringLiteral("%s"), caption(false));
        const Prompts::Answer answer = m_ctx.prompts().askYesNoCancel(this, QString(), question);
        if (answer == Prompts::Answer::Cancel)
            return false;
        if (answer == Prompts::Answer::Yes && !save())
            return false;
    }
    return true;
}

QString TRadixWindow::horoscopeFilter() const { return qtFileFilter(m_ctx.state.FileFilters[FilterHoroscope]); }

bool TRadixWindow::isSameFile(const QString& path) const {
    if (m_path.isEmpty() || path.isEmpty())
        return false;
    const QFileInfo a(m_path), b(path);
    return a.exists() && b.exists() ? a.canonicalFilePath() == b.canonicalFilePath() : a.absoluteFilePath() == b.absoluteFilePath();
}

void TRadixWindow::closeWithoutQuery() {
    m_closeQueried = true;
    if (QWidget* sub = parentWidget())
        sub->close();
    else
        close();
}

void TRadixWindow::closeEvent(QCloseEvent* event) {
    if (m_closeQueried || queryClose()) {
        m_closeQueried = true;
        // A closed chart goes to the front of the recent files.
        if (!m_path.isEmpty() && !m_ctx.state.StartupFailed) {
            AddLastFile(m_ctx.options(), lastFileEntry());
            m_ctx.notifyLastFiles();
        }
        event->accept();
    } else {
        event->ignore();
    }
}

void TRadixWindow::focusInEvent(QFocusEvent* event) {
    THoroWindow::focusInEvent(event);
    emit activated(this);
}

ContentBounds TRadixWindow::contentBounds() const {
    const int w = width(), h = height();
    if (isWheelView(viewKind())) {
        // As the painter sizes it: 96% of the half of the smaller side, times the zoom.
        const int r = static_cast<int>(std::min(w, h) / 2.0 * 0.96 * offset().zoom);
        return {w / 2 - r, h / 2 - r, w / 2 + r, h / 2 + r};
    }
    // A table's extent is what it draws: recorded once without the background, unpanned.
    const AppState& s = m_ctx.state;
    ViewRequest request = viewRequestFor(viewKind());
    request.offsetX = request.offsetY = 0;
    request.zoom = offset().zoom;
    request.strings = &s.Strings;
    request.collation = m_collation.get();
    if (viewKind() == ChartView::Positions && !m_rows.empty())
        request.rows = &m_rows;
    QPicture picture;
    QPainter painter(&picture);
    DrawContext dc(painter);
    paintChartView(dc, QSize(1, 1), 1, *m_chart, s.Options, request);
    painter.end();
    const QRect b = picture.boundingRect();
    return {b.left(), b.top(), b.right() + 1, b.bottom() + 1};
}

int TRadixWindow::smoothingFactor() const {
    return viewSmoothingFactor(viewKind(), m_ctx.options());
}

ViewRequest TRadixWindow::screenRequest() const {
    // The view as the screen shows it: scrolled, zoomed and at the device's resolution, so the
    // painting and the hit test of the tooltips agree on where everything is.
    const qreal ratio = devicePixelRatioF();
    ViewRequest request = viewRequestFor(viewKind());
    request.offsetX = qRound(offset().x * ratio);
    request.offsetY = qRound(offset().y * ratio);
    request.zoom = offset().zoom;
    request.dpi = 96 * ratio;
    return request;
}

void TRadixWindow::drawView(QPainter& painter, const QSize& size, int smoothing) {
    const AppState& s = m_ctx.state;
    const qreal ratio = devicePixelRatioF();
    ViewRequest request = screenRequest();
    request.strings = &s.Strings;
    request.collation = m_collation.get();
    if (viewKind() == ChartView::Positions) {
        if (m_rows.empty())
            buildPositionRows(*m_chart, s.Options, m_rows);
        request.rows = &m_rows;
    }
    if (smoothing < 2)
        m_renderer.releaseLarge();
    if (smoothing == 0) {
        DrawContext dc(painter);
        paintChartView(dc, size, 1, *m_chart, s.Options, request);
        return;
    }
    // Drawn into a kept image at the device's full resolution, then copied in one go.
    const QSize device = (QSizeF(size) * ratio).toSize();
    if (m_screen.size() != device)
        m_screen = QImage(device, QImage::Format_RGB32);
    m_renderer.render(m_screen, smoothing, *m_chart, s.Options, request);
    m_screen.setDevicePixelRatio(ratio);
    painter.drawImage(QPoint(0, 0), m_screen);
}

namespace {

const char* const SignNames[12] = {
    QT_TRANSLATE_NOOP("TRadixWindow", "Aries"),       QT_TRANSLATE_NOOP("TRadixWindow", "Taurus"),
    QT_TRANSLATE_NOOP("TRadixWindow", "Gemini"),      QT_TRANSLATE_NOOP("TRadixWindow", "Cancer"),
    QT_TRANSLATE_NOOP("TRadixWindow", "Leo"),         QT_TRANSLATE_NOOP("TRadixWindow", "Virgo"),
    QT_TRANSLATE_NOOP("TRadixWindow", "Libra"),       QT_TRANSLATE_NOOP("TRadixWindow", "Scorpio"),
    QT_TRANSLATE_NOOP("TRadixWindow", "Sagittarius"), QT_TRANSLATE_NOOP("TRadixWindow", "Capricorn"),
    QT_TRANSLATE_NOOP("TRadixWindow", "Aquarius"),    QT_TRANSLATE_NOOP("TRadixWindow", "Pisces"),
};

}  // namespace

QString TRadixWindow::bodyToolTipAt(QPoint pos) const {
    const bool biWheel = viewKind() == ChartView::Collation && m_collation;
    if (viewKind() != ChartView::Wheel && !biWheel)
        return {};
    const TOptions& o = m_ctx.options();
    const qreal ratio = devicePixelRatioF();
    const ViewRequest request = screenRequest();
    const ViewGeometry g = wheelViewGeometry((QSizeF(size()) * ratio).toSize(), 1, request);
    const double k = request.dpi / 254.0;
    const WheelPoint at{static_cast<int>(pos.x() * ratio / k), static_cast<int>(-pos.y() * ratio / k)};
    if (!biWheel) {
        const int body = wheelBodyAt(*m_chart, o, g.wheelX, g.wheelY, g.wheelRadius, at);
        return body < 0 ? QString() : bodyToolTip(*m_chart, body);
    }
    const BiWheelBody hit = biWheelBodyAt(g.wheelX, g.wheelY, g.wheelRadius, *m_chart, *m_collation, o, at);
    if (hit.body < 0)
        return {};
    const RadixData& chart = hit.radix ? *m_chart : m_collation->second;
    // Both charts have the same bodies: the chart's name tells whose it is.
    return tr("%1 (%2)").arg(bodyToolTip(chart, hit.body), fromCp1250(chart.name.data()));
}

QString TRadixWindow::bodyToolTip(const RadixData& chart, int body) const {
    const auto b = static_cast<std::size_t>(body);
    const double degrees = chart.lon[b] * RadToDeg + 1.0 / 3600000.0;
    const int sign = static_cast<int>(degrees / 30) % 12;
    const double within = degrees - 30.0 * static_cast<int>(degrees / 30);
    const int whole = static_cast<int>(within), minutes = static_cast<int>((within - whole) * 60);
    const int house = housePosition(chart.lon[b], chart.cusp, chart.houseStart).house;
    const int motion = chart.motion[b];
    const QString moving = motion < 0 ? tr("retrograde") : motion == 0 ? tr("stationary") : tr("direct");
    return tr("%1: %2\u00B0%3' %4, house %5, %6")
        .arg(m_ctx.text(chartPointNameId(body)))
        .arg(whole)
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(tr(SignNames[sign]))
        .arg(house + 1)
        .arg(moving);
}

bool TRadixWindow::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = bodyToolTipAt(help->pos());
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this);
        }
        return true;
    }
    return THoroWindow::event(event);
}
