#pragma once
// The document area of the frame. It owns the command table: one QAction per command id,
// with its handler, enabler and check state; the menu, the accelerators and the tool bar
// all use these actions, and one update pass sets their states.
#include <QHash>
#include <QMdiArea>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QMainWindow;
class TIntroWindow;
class TRadixWindow;
class THoroWindow;
struct PrintSession;

// A recently-used entry for the menu: the caption part is Windows-1250, the path native.
QString lastFileDisplay(const std::string& entry);

class TAstroClient : public QMdiArea {
    Q_OBJECT
public:
    explicit TAstroClient(QWidget* parent = nullptr);
    ~TAstroClient() override;

    struct Command {
        std::function<void()> run;
        std::function<bool()> enabled;  // empty: always enabled
        std::function<bool()> checked;  // empty: not checkable
    };
    // Adds or replaces the handler of a command id.
    void setCommand(int id, Command command);
    bool hasHandler(int id) const { return m_commands.contains(id); }

    // The action of a command id (created on first use, owned by the client).
    QAction* action(int id);
    // Runs a command as the menu would: the intro goes, the status message is cleared first.
    void dispatch(int id);
    // One pass over every action: enabled and checked states from the enablers.
    void updateActions();

    // Builds the menu bar of `frame` in the current language from the pruned menu, with the
    // recently-used entries at the end of the first popup.
    void installMenu(QMainWindow* frame);
    // Rebuilds the recently-used entries of the first popup.
    void rebuildLastFiles();

    // The chart window with the focus, or none.
    THoroWindow* activeWindow() const;
    TRadixWindow* activeChart() const;
    QList<TRadixWindow*> charts() const;
    // Shows a new chart window: maximised when it is the first one.
    void addChart(TRadixWindow* window);
    // Opens entry `index` of the recently-used list; a stale entry is dropped silently.
    void openLastFile(int index);
    // Recomputes and repaints every chart (after an option or language change).
    void recomputeAll();
    // Refills the status bar's chart fields from the active chart.
    void refreshStatus();
    // A chart window became the active one (or none is active any more).
    void chartActivated();

    void showIntro();
    void centreIntro();
    TIntroWindow* intro() const { return m_intro; }

signals:
    // Emitted before every command, so the status bar can clear its message.
    void commandStarting();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void defineCommands();
    void defineChartCommands();
    void defineOpenCommand();
    void defineOptionCommands();
    void definePersonalCommands();
    void optionsChanged();
    void defineNavigationKeys();
    QString commandText(int id) const;

    QHash<int, Command> m_commands;
    QHash<int, QAction*> m_actions;
    QHash<int, const char*> m_texts;  // id -> English source text of the menu item
    class QMenu* m_firstPopup = nullptr;
    int m_firstPopupBaseCount = 0;
    TIntroWindow* m_intro = nullptr;
    std::unique_ptr<PrintSession> m_printSession;  // printer and page set-up of the Print command
};
