#include "TAstroFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenuBar>

#include "AppCommands.h"
#include "AppContext.h"
#include "CommandIds.h"
#include "CommandTable.h"
#include "HoroscopeFile.h"
#include "MainMenu.h"
#include "QtText.h"
#include "SettingsFile.h"
#include "TAstroClient.h"
#include "TAstroControlBar.h"
#include "TAstroStatusBar.h"
#include "TBirthShifter.h"
#include "TProgressionShifter.h"
#include "TRadixWindow.h"
#include "WindowPlacementQt.h"

namespace {

constexpr const char* ProgramName = "Zodikeon Free";

// The key combination of a key event as a shortcut would spell it.
QKeyCombination combinationOf(const QKeyEvent& e) {
    const Qt::KeyboardModifiers mods =
        e.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::KeypadModifier);
    return QKeyCombination(mods, Qt::Key(e.key()));
}

}  // namespace

QString lastFileDisplay(const std::string& entry) {
    const auto cut = entry.find(";   ");
    if (cut == std::string::npos)
        return fromCp1250(entry);
    return fromCp1250(entry.substr(0, cut + 4)) + QString::fromStdString(entry.substr(cut + 4));
}

std::string lastFilePath(const std::string& entry) {
    if (const auto cut = entry.find(";   "); cut != std::string::npos)
        return entry.substr(cut + 4);
    if (const auto blank = entry.rfind(' '); blank != std::string::npos)
        return entry.substr(blank + 1);
    return entry;
}

TAstroFrame::TAstroFrame(AppContext& ctx, std::function<void(std::uint16_t)> switchLanguage, QWidget* parent)
    : QMainWindow(parent),
      m_ctx(ctx),
      m_commands(new CommandTable(this)),
      m_client(new TAstroClient(ctx, this)),
      m_handlers(new AppCommands(ctx, *this, std::move(switchLanguage))),
      m_statusBar(new TAstroStatusBar(this)) {
    setWindowTitle(QString::fromLatin1(ProgramName));
    m_commands->add(m_handlers->rows());
    m_controlBar = new TAstroControlBar(m_commands->toolGroups(), this);
    setCentralWidget(m_client);
    addToolBar(Qt::LeftToolBarArea, m_controlBar);
    setStatusBar(m_statusBar);
    m_commands->installShortcuts(this);
    connect(m_commands, &CommandTable::commandStarting, this, [this] {
        m_client->hideIntro();
        m_statusBar->setMessage(QString());
    });
    connect(m_client, &TAstroClient::chartsChanged, this, [this] {
        refreshStatus();
        m_commands->updateActions();
        if (m_shifter)
            m_shifter->showMoment();
        if (m_progressionShifter)
            m_progressionShifter->showMoment();
    });
    connect(&m_ctx, &AppContext::statusMessage, m_statusBar, &TAstroStatusBar::setMessage);
    connect(&m_ctx, &AppContext::lastFilesChanged, this, &TAstroFrame::rebuildLastFiles);
    connect(&m_ctx, &AppContext::optionsUnsavedChanged, m_statusBar, &TAstroStatusBar::setOptionsUnsaved);
    m_statusBar->setOptionsUnsaved(m_ctx.optionsUnsaved());
    // Keypad keys: some platforms never match a shortcut that names the keypad, so the frame
    // looks at the keys itself before they reach a window.
    qApp->installEventFilter(this);
    // Smaller than this the wheel and the tables cannot be used.
    setMinimumSize(600, 450);
}

TAstroFrame::~TAstroFrame() { qApp->removeEventFilter(this); }

void TAstroFrame::installMenu() {
    m_commands->retranslate();
    std::vector<MenuNode> menu = mainMenu();
    PruneMenu(menu, [this](int id) {
        const CommandRow* r = m_commands->row(id);
        return r && r->run;
    });
    QMenuBar* bar = menuBar();
    bar->clear();
    std::function<void(QMenu*, const std::vector<MenuNode>&)> fill = [&](QMenu* m, const std::vector<MenuNode>& nodes) {
        for (const MenuNode& n : nodes) {
            switch (n.kind) {
            case MenuNode::Separator:
                m->addSeparator();
                break;
            case MenuNode::Command:
                if (QAction* a = m_commands->action(n.id))
                    m->addAction(a);
                break;
            case MenuNode::Popup:
                fill(m->addMenu(QCoreApplication::translate("Menu", n.text)), n.children);
                break;
            }
        }
    };
    m_firstPopup = m_windowPopup = nullptr;
    for (const MenuNode& top : menu) {
        QMenu* m = bar->addMenu(QCoreApplication::translate("Menu", top.text));
        connect(m, &QMenu::aboutToShow, m_commands, &CommandTable::updateActions);
        fill(m, top.children);
        if (!m_firstPopup) {
            m_firstPopup = m;
            m_firstPopupBaseCount = static_cast<int>(m->actions().size());
        }
        const bool isWindowMenu = std::any_of(top.children.begin(), top.children.end(),
                                              [](const MenuNode& n) { return n.id == CM_CASCADE; });
        if (isWindowMenu) {
            m_windowPopup = m;
            m_windowPopupBaseCount = static_cast<int>(m->actions().size());
            connect(m, &QMenu::aboutToShow, this, &TAstroFrame::fillWindowList);
        }
    }
    rebuildLastFiles();
    m_commands->updateActions();
}

void TAstroFrame::retranslate() {
    m_commands->retranslate();
    installMenu();
    // The shifter is built anew in the new language, where it was and only if it was shown.
    rebuildShifter();
    if (m_statusBar->builtWithWineWorkaround() != bool(m_ctx.options().display.wine_workaround))
        m_statusBar->rebuild(m_ctx.options().display.wine_workaround);
    // Every chart is computed again so that its texts appear in the new language.
    m_client->recomputeAll();
}

void TAstroFrame::refreshStatus() {
    TRadixWindow* chart = m_client->activeChart();
    const Collation* collation = chart ? chart->collation() : nullptr;
    m_statusBar->refresh(chart ? &chart->chart() : nullptr, m_ctx.strings(), collation ? &collation->second : nullptr);
    m_statusBar->setProgressionText(chart ? chart->progressionText(true) : QString());
}

void TAstroFrame::optionsLookChanged() {
    if (m_statusBar->builtWithWineWorkaround() != bool(m_ctx.options().display.wine_workaround))
        m_statusBar->rebuild(m_ctx.options().display.wine_workaround);
    refreshStatus();
    update();
    m_client->repaintAll();
}

void TAstroFrame::rebuildLastFiles() {
    if (!m_firstPopup)
        return;
    QList<QAction*> items = m_firstPopup->actions();
    for (int i = m_firstPopupBaseCount; i < items.size(); ++i) {
        m_firstPopup->removeAction(items[i]);
        if (items[i]->parent() == m_firstPopup)  // the separator belongs to the menu
            delete items[i];
    }
    const TOptions& o = m_ctx.options();
    const int count = std::clamp<int>(o.lastfile_count, 0, LastFileCount);
    if (count == 0)
        return;
    m_firstPopup->addSeparator();
    for (int i = 0; i < count; ++i) {
        QAction* a = m_commands->action(CM_LASTFILE0 + i);
        a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(lastFileDisplay(o.lastfiles[static_cast<std::size_t>(i)].data())));
        m_firstPopup->addAction(a);
    }
}

void TAstroFrame::fillWindowList() {
    if (!m_windowPopup)
        return;
    QList<QAction*> items = m_windowPopup->actions();
    for (int i = m_windowPopupBaseCount; i < items.size(); ++i) {
        m_windowPopup->removeAction(items[i]);
        delete items[i];
    }
    const QList<QMdiSubWindow*> windows = m_client->subWindowList();
    if (windows.isEmpty())
        return;
    m_windowPopup->addSeparator();
    int n = 0;
    for (QMdiSubWindow* sub : windows) {
        ++n;
        const QString title = sub->widget() ? sub->widget()->windowTitle() : sub->windowTitle();
        QAction* a = m_windowPopup->addAction(n < 10 ? QStringLiteral("&%1 %2").arg(n).arg(title) : title);
        a->setCheckable(true);
        a->setChecked(sub == m_client->activeSubWindow());
        connect(a, &QAction::triggered, m_client, [this, sub] {
            if (sub->isMinimized())
                sub->showNormal();
            m_client->setActiveSubWindow(sub);
        });
    }
}

void TAstroFrame::openLastFile(int index) {
    TOptions& o = m_ctx.options();
    if (index < 0 || index >= o.lastfile_count)
        return;
    const std::string entry = o.lastfiles[static_cast<std::size_t>(index)].data();
    const QString path = QString::fromStdString(lastFilePath(entry));
    if (TRadixWindow* open = m_client->chartOfFile(path)) {
        m_client->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
        return;
    }
    QString error;
    TRadixWindow* window = TRadixWindow::fromFile(m_ctx, path, &error);
    if (!window) {
        RemoveLastFile(o, entry);
        rebuildLastFiles();
        m_statusBar->setMessage(error);
        return;
    }
    m_client->addChart(window);
}

void TAstroFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    m_client->centreIntro();
}

void TAstroFrame::closeEvent(QCloseEvent* event) {
    // Options changed and not written are asked about first, then every chart window; Cancel
    // to either keeps the program and every window open.
    if (!m_ctx.mayDiscardOptions(this, tr("Exit")) || !m_client->closeAllCharts()) {
        event->ignore();
        return;
    }
    if (!m_ctx.state.StartupFailed) {
        m_ctx.options().window_placements[PlacementFrame] = placementOf(*this);
        storeShifterPlacement();
        m_ctx.saveSettings(this, true);
    }
    event->accept();
}

bool TAstroFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QMainWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (!(key->modifiers() & Qt::KeypadModifier) || QApplication::activeWindow() != this)
        return QMainWindow::eventFilter(watched, event);
    const QKeySequence pressed(combinationOf(*key));
    for (const int id : m_commands->ids()) {
        const CommandRow* r = m_commands->row(id);
        if (!r || !r->keys.contains(pressed))
            continue;
        if (event->type() == QEvent::ShortcutOverride) {
            // Claimed here, so no shortcut and no widget takes the key first.
            event->accept();
            return true;
        }
        m_commands->dispatch(id);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
