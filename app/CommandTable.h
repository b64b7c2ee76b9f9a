#pragma once
// The commands of the program, one row each: id, menu text, keys, tool-bar picture and place,
// handler, enabler and check state. The QActions are made once from the rows; the menus, the
// tool bar and the shortcuts use these actions, and one update pass sets their states.
#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <functional>
#include <vector>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QPainter;
class QToolBar;
class QWidget;

struct CommandRow {
    int id = 0;
    const char* text = nullptr;  // English menu text, translated in the "Menu" context
    QList<QKeySequence> keys;
    // Draws the tool-bar picture on a 32 x 32 canvas; null: no picture.
    void (*icon)(QPainter&) = nullptr;
    // Tool-bar group 1..3 (0: not on the tool bar); buttons appear in row order.
    int toolGroup = 0;
    std::function<void()> run;
    std::function<bool()> enabled;  // empty: always enabled
    std::function<bool()> checked;  // empty: not checkable
    // Rows with the same non-zero group are exclusive choices (radio items).
    int radioGroup = 0;
};

class CommandTable : public QObject {
    Q_OBJECT
public:
    explicit CommandTable(QObject* parent = nullptr);

    // Makes the action of every row; a row with an id already present replaces it.
    void add(std::vector<CommandRow> rows);
    bool has(int id) const { return m_rows.contains(id); }
    const CommandRow* row(int id) const;

    // The action of a command id (null for an id without a row).
    QAction* action(int id) const { return m_actions.value(id); }
    QList<int> ids() const { return m_order; }

    // Runs a command as the menu would: commandStarting first, then the handler when the
    // command is enabled, then the update pass.
    void dispatch(int id);
    // One pass over every action: enabled and checked states from the enablers.
    void updateActions();
    // Menu texts in the current language (after a language switch).
    void retranslate();

    // The actions of the tool bar, in groups, for the control bar to lay out.
    std::vector<std::vector<QAction*>> toolGroups() const;
    // Adds every action with keys to `window`, so the keys work wherever the focus is in it.
    void installShortcuts(QWidget* window) const;

signals:
    void commandStarting(int id);

private:
    QHash<int, CommandRow> m_rows;
    QHash<int, QAction*> m_actions;
    QHash<int, QActionGroup*> m_radioGroups;
    QList<int> m_order;
};

// The menu text of a row in the current language.
QString commandText(const CommandRow& row);
