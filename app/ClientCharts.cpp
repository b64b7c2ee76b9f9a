// The chart-window side of the document area: active chart, recent files, view commands.
#include <QAction>
#include <QFileInfo>
#include <QMdiSubWindow>

#include "ChartDirectionOptions.h"
#include "CommandIds.h"
#include "HoroscopeFile.h"
#include "OpenCharts.h"
#include "QtText.h"
#include "SettingsFile.h"
#include "TAstroApp.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TAstroStatusBar.h"
#include "TRadixWindow.h"

namespace {

AppState& state() { return TAstroApp::instance()->state(); }

}  // namespace

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

void TAstroClient::addChart(TRadixWindow* window) {
    const bool first = subWindowList().isEmpty();
    QMdiSubWindow* sub = addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(QIcon(QStringLiteral(":/zodikeon/zodikeon.png")));
    window->setWindowTitle(window->caption());
    connect(window, &TRadixWindow::changed, this, [this, window] {
        if (activeChart() == window)
            refreshStatus();
        updateActions();
    });
    connect(sub, &QObject::destroyed, this, [this] {
        // The last window left fills the area again.
        const QList<QMdiSubWindow*> left = subWindowList();
        if (left.size() == 1)
            left.first()->showMaximized();
        refreshStatus();
        updateActions();
    });
    // Opening a chart takes its caption out of the recent files: it is open now.
    RemoveLastFile(state().Options, window->lastFileEntry());
    rebuildLastFiles();
    if (first)
        sub->showMaximized();
    else
        sub->show();
    setActiveSubWindow(sub);
    window->setFocus();
    refreshStatus();
    updateActions();
}

void TAstroClient::openLastFile(int index) {
    TOptions& o = state().Options;
    if (index < 0 || index >= o.lastfile_count)
        return;
    const std::string entry = o.lastfiles[static_cast<std::size_t>(index)].data();
    // The path is what follows the caption's "type;   " part; without it, the text after the
    // last blank (an entry without a blank is a path as a whole).
    std::string path = entry;
    if (const auto cut = entry.find(";   "); cut != std::string::npos)
        path = entry.substr(cut + 4);
    else if (const auto blank = entry.rfind(' '); blank != std::string::npos)
        path = entry.substr(blank + 1);
    if (TRadixWindow* open = chartShowingFile(charts(), QString::fromStdString(path))) {
        RemoveLastFile(o, entry);  // an open chart is not a recent one
        rebuildLastFiles();
        activateChart(open);
        return;
    }
    // An entry that no longer opens goes from the list, and the status bar says why.
    QString error;
    TRadixWindow* window = TRadixWindow::fromFile(QString::fromStdString(path), &error);
    if (!window) {
        RemoveLastFile(o, entry);
        rebuildLastFiles();
        if (auto* frame = qobject_cast<TAstroFrame*>(this->window()))
            frame->astroStatusBar()->setMessage(tr("Removed from the recent files: %1").arg(error.simplified()));
        return;
    }
    addChart(window);
}

QString lastFileDisplay(const std::string& entry) {
    const auto cut = entry.find(";   ");
    if (cut == std::string::npos)
        return fromCp1250(entry);
    return fromCp1250(entry.substr(0, cut + 4)) + QString::fromStdString(entry.substr(cut + 4));
}

void TAstroClient::chartActivated() {
    TOptions& o = state().Options;
    // While the options follow the charts, the active chart's direction settings become theirs.
    if (TRadixWindow* chart = activeChart(); chart && o.dirkeyasgntohoro)
        setChartDirectionSettings(o, chart->blocks().directions);
    refreshStatus();
    updateActions();
}

void TAstroClient::recomputeAll() {
    for (TRadixWindow* w : charts())
        w->recompute();
    refreshStatus();
}

void TAstroClient::refreshStatus() {
    TAstroApp* app = TAstroApp::instance();
    if (!app || !app->frame())
        return;
    TRadixWindow* chart = activeChart();
    app->frame()->astroStatusBar()->refresh(chart ? &chart->chart() : nullptr, state().Strings);
}

void TAstroClient::defineChartCommands() {
    const auto hasChart = [this] { return activeWindow() != nullptr; };
    const auto hasNatal = [this] { return activeWindow() && activeWindow()->isNatalChart(); };

    setCommand(CM_SAVE, {[this] { activeChart()->save(); },
                         [this] { return activeChart() && activeChart()->isModified(); }, {}});
    setCommand(CM_SAVEAS, {[this] { activeChart()->saveAs(); },
                           [this] { return activeChart() && !activeChart()->isUntitled(); }, {}});

    const std::pair<int, int> views[] = {{CM_VIEWWHEEL, ViewWheel},     {CM_VIEWPOSITIONS, ViewPositions},
                                         {CM_VIEWSIGNS, ViewSigns},     {CM_VIEWASPECTS, ViewAspects},
                                         {CM_VIEWDETAILS, ViewDetails}, {CM_VIEWCOMBINED, ViewCombined}};
    for (const auto& [id, kind] : views) {
        setCommand(id, {[this, kind = kind] { activeWindow()->setViewKind(kind); },
                        id == CM_VIEWPOSITIONS ? std::function<bool()>(hasNatal) : std::function<bool()>(hasChart),
                        [this, kind = kind] { return activeWindow() && activeWindow()->viewKind() == kind; }});
    }

    for (int i = 0; i < LastFileCount; ++i)
        setCommand(CM_LASTFILE0 + i, {[this, i] { openLastFile(i); }, {}, {}});
}

void TAstroClient::defineNavigationKeys() {
    struct Nav {
        int id;
        std::function<void(THoroWindow*)> run;
    };
    const Nav keys[] = {
        {41000, [](THoroWindow* w) { w->pan(0, 20); }},
        {41001, [](THoroWindow* w) { w->pan(0, -20); }},
        {41002, [](THoroWindow* w) { w->pan(20, 0); }},
        {41003, [](THoroWindow* w) { w->pan(-20, 0); }},
        {41004, [](THoroWindow* w) { w->pan(0, 200); }},
        {41005, [](THoroWindow* w) { w->pan(0, -200); }},
        {41006, [](THoroWindow* w) { w->pan(200, 0); }},
        {41007, [](THoroWindow* w) { w->pan(-200, 0); }},
        {41008, [](THoroWindow* w) { w->keypadStep(1); }},
        {41009, [](THoroWindow* w) { w->keypadStep(-1); }},
        {41010, [](THoroWindow* w) { w->keypadStep(5); }},
        {41011, [](THoroWindow* w) { w->keypadStep(-5); }},
        {41012, [](THoroWindow*) {}},
        {41013, [](THoroWindow*) {}},
        {41014, [](THoroWindow* w) { w->zoomBy(0.2); }},
        {41015, [](THoroWindow* w) { w->zoomBy(-0.2); }},
        {41016, [this](THoroWindow*) {
             // Which chart lies outside when two are collated; no view draws two, the switch is kept.
             TOptions& o = state().Options;
             o.display.outerradix = !o.display.outerradix;
             if (QWidget* frame = window())
                 frame->update();
         }},
        {41017, [](THoroWindow* w) { w->resetCurrentOffset(); }},
    };
    QWidget* frame = window();
    for (const Nav& k : keys) {
        setCommand(k.id, {[this, run = k.run] {
                              if (THoroWindow* w = activeWindow())
                                  run(w);
                          }, {}, {}});
        if (frame)
            frame->addAction(action(k.id));
    }
}
