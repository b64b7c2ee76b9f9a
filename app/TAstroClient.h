#pragma once
// The document area of the frame. It owns the command table: one QAction per command id,
// with its handler, enabler and check state; the menu, the accelerators and the tool bar
// all use these actions, and one update pass sets their states.
#include <QHash>
#include <QMdiArea>
#include <functional>

class QAction;
class QMainWindow;
class TIntroWindow;

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
    void defineNavigationKeys();
    QString commandText(int id) const;

    QHash<int, Command> m_commands;
    QHash<int, QAction*> m_actions;
    QHash<int, const char*> m_texts;  // id -> English source text of the menu item
    class QMenu* m_firstPopup = nullptr;
    int m_firstPopupBaseCount = 0;
    TIntroWindow* m_intro = nullptr;
};
