#include "TAstroClient.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QMainWindow>
#include <QMenuBar>
#include <QMdiSubWindow>
#include <QUrl>

#include "CommandIds.h"
#include "JoinPath.h"
#include "MainMenu.h"
#include "OptionsFile.h"
#include "PrintCommand.h"
#include "QtText.h"
#include "TAboutDialog.h"
#include "TAstroApp.h"
#include "TIntroWindow.h"
#include "TRadixWindow.h"

namespace {

AppState& state() { return TAstroApp::instance()->state(); }

// The accelerators of the commands; F-keys and letters as the program has always had them.
QList<QKeySequence> keysOf(int id) {
    switch (id) {
    case CM_PERSONALDATA: return {Qt::Key_F4, Qt::CTRL | Qt::Key_E};
    case CM_NEW: return {Qt::SHIFT | Qt::Key_F3, Qt::CTRL | Qt::Key_N};
    case CM_OPEN: return {Qt::Key_F3, Qt::CTRL | Qt::Key_O};
    case CM_SAVE: return {Qt::Key_F2, Qt::CTRL | Qt::Key_S};
    case CM_SAVEAS: return {Qt::SHIFT | Qt::Key_F2, Qt::CTRL | Qt::SHIFT | Qt::Key_S};
    case CM_PRINT: return {Qt::CTRL | Qt::Key_F2, Qt::CTRL | Qt::Key_P};
    case CM_EXIT: return {Qt::ALT | Qt::Key_F4};
    case CM_VIEWWHEEL: return {Qt::Key_F5};
    case CM_VIEWPOSITIONS: return {Qt::Key_F6};
    case CM_VIEWSIGNS: return {Qt::Key_F7};
    case CM_VIEWASPECTS: return {Qt::Key_F9};
    case CM_VIEWDETAILS: return {Qt::SHIFT | Qt::Key_F9};
    case CM_VIEWCOMBINED: return {Qt::SHIFT | Qt::Key_F5};
    case CM_CASCADE: return {Qt::CTRL | Qt::Key_F5};
    case CM_TILE: return {Qt::CTRL | Qt::Key_F7};
    case CM_RADIXSHIFTER: return {Qt::CTRL | Qt::Key_R};
    case CM_MANUAL: return {Qt::Key_F1};
    case 41000: return {Qt::Key_Up};
    case 41001: return {Qt::Key_Down};
    case 41002: return {Qt::Key_Left};
    case 41003: return {Qt::Key_Right};
    case 41004: return {Qt::Key_PageUp, Qt::CTRL | Qt::Key_Up};
    case 41005: return {Qt::Key_PageDown, Qt::CTRL | Qt::Key_Down};
    case 41006: return {Qt::CTRL | Qt::Key_Left};
    case 41007: return {Qt::CTRL | Qt::Key_Right};
    case 41008: return {Qt::KeypadModifier | Qt::Key_Plus};
    case 41009: return {Qt::KeypadModifier | Qt::Key_Minus};
    case 41010: return {Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus};
    case 41011: return {Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus};
    case 41012: return {Qt::KeypadModifier | Qt::Key_Asterisk};
    case 41013: return {Qt::KeypadModifier | Qt::Key_Slash};
    case 41014: return {Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Asterisk};
    case 41015: return {Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Slash};
    case 41016: return {Qt::CTRL | Qt::Key_I};
    case 41017: return {Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_0};
    default: return {};
    }
}

void collectTexts(const std::vector<MenuNode>& nodes, QHash<int, const char*>& texts) {
    for (const MenuNode& n : nodes) {
        if (n.kind == MenuNode::Command)
            texts.insert(n.id, n.text);
        collectTexts(n.children, texts);
    }
}

}  // namespace

TAstroClient::TAstroClient(QWidget* parent) : QMdiArea(parent), m_printSession(std::make_unique<PrintSession>()) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    collectTexts(mainMenu(), m_texts);
    defineCommands();
    connect(this, &QMdiArea::subWindowActivated, this, [this] { chartActivated(); });
}

TAstroClient::~TAstroClient() = default;

void TAstroClient::setCommand(int id, Command command) {
    m_commands.insert(id, std::move(command));
    QAction* a = action(id);
    a->setCheckable(bool(m_commands[id].checked));
}

QAction* TAstroClient::action(int id) {
    if (QAction* a = m_actions.value(id))
        return a;
    auto* a = new QAction(this);
    a->setData(id);
    a->setShortcuts(keysOf(id));
    a->setShortcutContext(Qt::WindowShortcut);
    a->setText(commandText(id));
    connect(a, &QAction::triggered, this, [this, id] { dispatch(id); });
    m_actions.insert(id, a);
    return a;
}

QString TAstroClient::commandText(int id) const {
    const char* text = m_texts.value(id);
    return text ? QCoreApplication::translate("Menu", text) : QString();
}

void TAstroClient::dispatch(int id) {
    if (m_intro) {
        m_intro->deleteLater();
        m_intro = nullptr;
    }
    emit commandStarting();
    const auto it = m_commands.constFind(id);
    if (it != m_commands.constEnd() && it->run && (!it->enabled || it->enabled()))
        it->run();
    updateActions();
}

void TAstroClient::updateActions() {
    for (auto it = m_actions.constBegin(); it != m_actions.constEnd(); ++it) {
        const auto cmd = m_commands.constFind(it.key());
        if (cmd == m_commands.constEnd()) {
            it.value()->setEnabled(false);  // nothing would happen: grey it
            continue;
        }
        it.value()->setEnabled(!cmd->enabled || cmd->enabled());
        if (cmd->checked)
            it.value()->setChecked(cmd->checked());
    }
}

void TAstroClient::defineCommands() {
    setCommand(CM_PRINT, {[this] {
                              if (TRadixWindow* chart = activeChart())
                                  PrintCommand{window(), *chart, state().Options, state().Strings,
                                               TAstroApp::instance()->printers(), *m_printSession,
                                               [] { return WriteOptions(state().Options); }}
                                      .run();
                          }, [this] { return activeChart() != nullptr; }, {}});
    setCommand(CM_EXIT, {[this] {
                   if (QWidget* w = window())
                       w->close();
               }, {}, {}});
    setCommand(CM_CASCADE, {[this] { cascadeSubWindows(); }, {}, {}});
    setCommand(CM_TILE, {[this] { tileSubWindows(); }, {}, {}});
    setCommand(CM_ARRANGEICONS, {[this] {
                   // Minimised windows line up along the bottom edge, left to right.
                   int x = 0;
                   for (QMdiSubWindow* w : subWindowList()) {
                       if (!w->isMinimized())
                           continue;
                       w->move(x, viewport()->height() - w->height());
                       x += w->width();
                   }
               }, {}, {}});
    setCommand(CM_CLOSEALL, {[this] {
                   // Each window may ask to save; one that refuses stays and the others go on.
                   for (QMdiSubWindow* w : subWindowList())
                       w->close();
               }, {}, {}});
    setCommand(CM_MANUAL, {[] {
                   const AppState& s = state();
                   const std::string path = JoinPath(s.ProgramFolder, nativeSeparators(s.Strings[667]));
                   QDesktopServices::openUrl(QUrl::fromLocalFile(fromCp1250(path)));
               }, {}, {}});
    setCommand(CM_WEBSITE, {[] { QDesktopServices::openUrl(QUrl(fromCp1250(state().Strings[664]))); }, {}, {}});
    setCommand(CM_ENGLISH, {[] { TAstroApp::instance()->SwitchLanguage(LanguageEnglish); }, {},
                            [] { return state().LanguageId == LanguageEnglish; }});
    setCommand(CM_HUNGARIAN, {[] { TAstroApp::instance()->SwitchLanguage(LanguageHungarian); }, {},
                              [] { return state().LanguageId == LanguageHungarian; }});
    setCommand(CM_ABOUT, {[this] {
                   TAboutDialog dialog(this);
                   dialog.exec();
               }, {}, {}});
    defineChartCommands();
    defineOpenCommand();
    defineOptionCommands();
    definePersonalCommands();
    defineNavigationKeys();
}

void TAstroClient::installMenu(QMainWindow* frame) {
    std::vector<MenuNode> menu = mainMenu();
    PruneMenu(menu, [this](int id) { return hasHandler(id); });
    QMenuBar* bar = frame->menuBar();
    bar->clear();
    std::function<void(QMenu*, const std::vector<MenuNode>&)> fill = [&](QMenu* m, const std::vector<MenuNode>& nodes) {
        for (const MenuNode& n : nodes) {
            switch (n.kind) {
            case MenuNode::Separator:
                m->addSeparator();
                break;
            case MenuNode::Command: {
                QAction* a = action(n.id);
                a->setText(commandText(n.id));
                m->addAction(a);
                break;
            }
            case MenuNode::Popup:
                fill(m->addMenu(QCoreApplication::translate("Menu", n.text)), n.children);
                break;
            }
        }
    };
    m_firstPopup = nullptr;
    for (const MenuNode& top : menu) {
        QMenu* m = bar->addMenu(QCoreApplication::translate("Menu", top.text));
        connect(m, &QMenu::aboutToShow, this, [this] { updateActions(); });
        fill(m, top.children);
        if (!m_firstPopup) {
            m_firstPopup = m;
            m_firstPopupBaseCount = static_cast<int>(m->actions().size());
        }
    }
    rebuildLastFiles();
    updateActions();
}

void TAstroClient::rebuildLastFiles() {
    if (!m_firstPopup)
        return;
    QList<QAction*> items = m_firstPopup->actions();
    for (int i = m_firstPopupBaseCount; i < items.size(); ++i) {
        m_firstPopup->removeAction(items[i]);
        if (items[i]->parent() == m_firstPopup)  // the separator belongs to the menu
            delete items[i];
    }
    const TOptions& o = state().Options;
    const int count = std::clamp<int>(o.lastfile_count, 0, LastFileCount);
    if (count == 0)
        return;
    m_firstPopup->addSeparator();
    for (int i = 0; i < count; ++i) {
        QAction* a = action(CM_LASTFILE0 + i);
        a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(lastFileDisplay(o.lastfiles[i].data())));
        m_firstPopup->addAction(a);
    }
}

void TAstroClient::showIntro() {
    if (m_intro)
        return;
    m_intro = new TIntroWindow(viewport());
    centreIntro();
    m_intro->show();
    m_intro->raise();
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
