#include "TAstroClient.h"

#include <QIcon>
#include <QMdiSubWindow>
#include <QStyle>

#include "AppContext.h"
#include "ChartDirectionOptions.h"
#include "SettingsFile.h"
#include "TIntroWindow.h"
#include "TRadixWindow.h"

TAstroClient::TAstroClient(AppContext& ctx, QWidget* parent) : QMdiArea(parent), m_ctx(ctx) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(this, &QMdiArea::subWindowActivated, this, [this] { chartActivated(); });
}

TAstroClient::~TAstroClient() = default;

THoroWindow* TAstroClient::activeWindow() const {
    QMdiSubWindow* sub = activeSubWindow();
    return sub ? qobject_cast<THoroWindow*>(sub->widget()) : nullptr;
}

TRadixWindow* TAstroClient::activeChart() const {
    QMdiSubWindow* sub = activeSubWindow();
    return sub ? qobject_cast<TRadixWindow*>(sub->widget()) : nullptr;
}

QList<TRadixWindow*> TAstroClient::charts() const {
    QList<TRadixWindow*> list;
    for (QMdiSubWindow* sub : subWindowList())
        if (auto* w = qobject_cast<TRadixWindow*>(sub->widget()))
            list << w;
    return list;
}

TRadixWindow* TAstroClient::chartOfFile(const QString& path) const {
    for (TRadixWindow* w : charts())
        if (w->isSameFile(path))
            return w;
    return nullptr;
}

void TAstroClient::addChart(TRadixWindow* window) {
    hideIntro();
    const bool first = subWindowList().isEmpty();
    QMdiSubWindow* sub = addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(QIcon(QStringLiteral(":/zodikeon/zodikeon.png")));
    window->updateCaption();
    connect(window, &TRadixWindow::changed, this, &TAstroClient::chartsChanged);
    connect(sub, &QObject::destroyed, this, [this] {
        // The last window left fills the area again.
        const QList<QMdiSubWindow*> left = subWindowList();
        if (left.size() == 1)
            left.first()->showMaximized();
        emit chartsChanged();
    });
    // Opening a chart takes its caption out of the recent files: it is open now.
    RemoveLastFile(m_ctx.options(), window->lastFileEntry());
    m_ctx.notifyLastFiles();
    // A window restored or cascaded later keeps a size at which the chart can be read.
    sub->resize(usableWindowSize());
    if (first)
        sub->showMaximized();
    else
        sub->show();
    setActiveSubWindow(sub);
    window->setFocus();
    emit chartsChanged();
}

QSize TAstroClient::usableWindowSize() const {
    const QSize area = viewport()->size();
    return {std::max(MinimumChartWidth, area.width() * 2 / 3), std::max(MinimumChartHeight, area.height() * 2 / 3)};
}

void TAstroClient::cascade() {
    // QMdiArea's own cascade shrinks every window to a small fixed size.
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : subWindowList(QMdiArea::StackingOrder))
        if (!sub->isMinimized() && !sub->isHidden())
            windows << sub;
    if (windows.isEmpty())
        return;
    const QSize size = usableWindowSize();
    const QSize area = viewport()->size();
    const int step = std::max(1, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.first()));
    // Once a window would leave the area, the next one starts again at the top left.
    const int fitting = std::max(1, std::min((area.width() - size.width()) / step, (area.height() - size.height()) / step) + 1);
    QMdiSubWindow* active = activeSubWindow();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* sub = windows[i];
        if (sub->isMaximized())
            sub->showNormal();
        sub->resize(size);
        const int place = i % fitting;
        sub->move(place * step, place * step);
        sub->raise();
    }
    if (active && windows.contains(active))
        setActiveSubWindow(active);
}

bool TAstroClient::closeAllCharts() {
    // Every changed chart is asked before any window goes, so Cancel leaves the desktop as it was.
    const QList<TRadixWindow*> list = charts();
    for (TRadixWindow* w : list)
        if (!w->queryClose())
            return false;
    for (TRadixWindow* w : list)
        w->closeWithoutQuery();
    for (QMdiSubWindow* sub : subWindowList())
        sub->close();
    return subWindowList().isEmpty();
}

void TAstroClient::chartActivated() {
    TOptions& o = m_ctx.options();
    // While the options follow the charts, the active chart's direction settings become theirs.
    if (TRadixWindow* chart = activeChart(); chart && o.dirkeyasgntohoro)
        setChartDirectionSettings(o, chart->blocks().directions);
    emit chartsChanged();
}

void TAstroClient::recomputeAll() {
    for (TRadixWindow* w : charts())
        w->recompute();
    emit chartsChanged();
    emit optionsApplied();
}

void TAstroClient::repaintAll() {
    for (TRadixWindow* w : charts())
        w->update();
}

void TAstroClient::showIntro() {
    if (m_intro)
        return;
    m_intro = new TIntroWindow(m_ctx, viewport());
    centreIntro();
    m_intro->show();
    m_intro->raise();
}

void TAstroClient::hideIntro() {
    if (!m_intro)
        return;
    m_intro->deleteLater();
    m_intro = nullptr;
}

void TAstroClient::centreIntro() {
    if (!m_intro)
        return;
    const QSize area = viewport()->size();
    m_intro->move((area.width() - m_intro->width()) / 2, (area.height() - m_intro->height()) / 2);
}

void TAstroClient::resizeEvent(QResizeEvent* event) {
    QMdiArea::resizeEvent(event);
    centreIntro();
}
