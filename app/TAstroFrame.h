#pragma once
// The main multiple-document window: the menu and tool bar built from the command table, the
// document area with the chart windows, the status bar, the recent files and the Window menu's
// list of charts.
#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <functional>

class AppCommands;
class AppContext;
class CommandTable;
class QMenu;
class TAstroClient;
class TAstroControlBar;
class TAstroStatusBar;
class QAction;
class TBirthShifter;
class TMyFloatingDialog;
class TProgressionShifter;
struct WindowPlacement;

class TAstroFrame : public QMainWindow {
    Q_OBJECT
public:
    TAstroFrame(AppContext& ctx, std::function<void(std::uint16_t)> switchLanguage, QWidget* parent = nullptr);
    ~TAstroFrame() override;

    TAstroClient* client() const { return m_client; }
    CommandTable* commands() const { return m_commands; }
    AppCommands* handlers() const { return m_handlers; }
    TAstroStatusBar* astroStatusBar() const { return m_statusBar; }
    TAstroControlBar* controlBar() const { return m_controlBar; }

    // Builds the menu bar in the current language, with the recent files at the end of the
    // first popup and the chart windows at the end of the Window popup.
    void installMenu();
    // Everything the frame shows in words, again in the current language.
    void retranslate();
    // Refills the status bar's chart fields from the active chart.
    void refreshStatus();
    // A display option changed: the status bar's layout and every window are drawn again.
    void optionsLookChanged();
    // Opens entry `index` of the recently-used list; an entry that no longer opens is dropped.
    void openLastFile(int index);
    // Rebuilds the recently-used entries of the first popup.
    void rebuildLastFiles();

    // The radix shifter, or none.
    TBirthShifter* shifter() const;
    bool shifterVisible() const;
    // Shows the shifter (created when none exists, at the stored placement if there is one,
    // the frame keeping the keyboard), or hides it; hiding with `destroy` stores its placement
    // and destroys it.
    void showShifter(bool show, bool destroy = false);
    // Stores the placement of each shifter that exists.
    void storeShifterPlacement();
    // A new language: the shifters are built again in it, each visible only if it was.
    void rebuildShifter();

    // The progression shifter, shown and hidden as the radix shifter is; its placement is kept
    // in the progression shifter's entry.
    TProgressionShifter* progressionShifter() const;
    bool progressionShifterVisible() const;
    void showProgressionShifter(bool show, bool destroy = false);

protected:
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillWindowList();
    // The command actions with keys, which the tool windows take over.
    QList<QAction*> accelerators() const;
    // Shows a tool window at its stored placement, or on its first showing in the document
    // area's top right corner, `below` pixels down; the frame keeps the keyboard.
    void showFloating(TMyFloatingDialog& window, const WindowPlacement& stored, bool created, int below);

    AppContext& m_ctx;
    CommandTable* m_commands;
    TAstroClient* m_client;
    AppCommands* m_handlers;
    TAstroControlBar* m_controlBar;
    TAstroStatusBar* m_statusBar;
    QMenu* m_firstPopup = nullptr;
    int m_firstPopupBaseCount = 0;
    QMenu* m_windowPopup = nullptr;
    QPointer<TBirthShifter> m_shifter;
    QPointer<TProgressionShifter> m_progressionShifter;
    int m_windowPopupBaseCount = 0;
};

// A recently-used entry for the menu: the caption part is Windows-1250, the path native.
QString lastFileDisplay(const std::string& entry);
// The path of a recently-used entry: what follows the caption's "type;   " part; without it,
// the text after the last blank (an entry without a blank is a path as a whole).
std::string lastFilePath(const std::string& entry);
