#include "TAstroClient.h"

#include <QIcon>
#include <QMdiSubWindow>

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
    const QSize area = viewport()->size();
    sub->resize(std::max(480, area.width() * 2 / 3), std::max(400, area.height() * 2 / 3));
    if (first)
        sub->showMaximized();
    else
        sub->show();
    setActiveSubWindow(sub);
    window->setFocus();
    emit chartsChanged();
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
