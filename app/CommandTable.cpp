#include "CommandTable.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace {

QIcon iconOf(void (*draw)(QPainter&)) {
    constexpr int Size = 32;
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    return QIcon(pixmap);
}

}  // namespace

QString commandText(const CommandRow& row) {
    return row.text ? QCoreApplication::translate("Menu", row.text) : QString();
}

CommandTable::CommandTable(QObject* parent) : QObject(parent) {}

void CommandTable::add(std::vector<CommandRow> rows) {
    for (CommandRow& r : rows) {
        const int id = r.id;
        QAction* a = m_actions.value(id);
        if (!a) {
            a = new QAction(this);
            a->setData(id);
            connect(a, &QAction::triggered, this, [this, id] { dispatch(id); });
            m_actions.insert(id, a);
            m_order << id;
        }
        a->setText(commandText(r));
        a->setShortcuts(r.keys);
        a->setShortcutContext(Qt::WindowShortcut);
        a->setCheckable(bool(r.checked));
        if (r.icon)
            a->setIcon(iconOf(r.icon));
        if (r.radioGroup != 0) {
            QActionGroup*& group = m_radioGroups[r.radioGroup];
            if (!group) {
                group = new QActionGroup(this);
                group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
            }
            group->addAction(a);
        }
        m_rows.insert(id, std::move(r));
    }
}

const CommandRow* CommandTable::row(int id) const {
    const auto it = m_rows.constFind(id);
    return it == m_rows.constEnd() ? nullptr : &*it;
}

void CommandTable::dispatch(int id) {
    emit commandStarting(id);
    const CommandRow* r = row(id);
    if (r && r->run && (!r->enabled || r->enabled()))
        r->run();
    updateActions();
}

void CommandTable::updateActions() {
    for (auto it = m_actions.constBegin(); it != m_actions.constEnd(); ++it) {
        const CommandRow* r = row(it.key());
        QAction* a = it.value();
        if (!r || !r->run) {
            a->setEnabled(false);  // nothing would happen: grey it
            continue;
        }
        a->setEnabled(!r->enabled || r->enabled());
        if (r->checked)
            a->setChecked(r->checked());
    }
}

void CommandTable::retranslate() {
    for (auto it = m_actions.constBegin(); it != m_actions.constEnd(); ++it)
        if (const CommandRow* r = row(it.key()); r && r->text)
            it.value()->setText(commandText(*r));
}

std::vector<std::vector<QAction*>> CommandTable::toolGroups() const {
    std::vector<std::vector<QAction*>> groups;
    for (const int id : m_order) {
        const CommandRow* r = row(id);
        if (!r || r->toolGroup <= 0)
            continue;
        if (groups.size() < static_cast<std::size_t>(r->toolGroup))
            groups.resize(static_cast<std::size_t>(r->toolGroup));
        groups[static_cast<std::size_t>(r->toolGroup - 1)].push_back(m_actions.value(id));
    }
    return groups;
}

void CommandTable::installShortcuts(QWidget* window) const {
    for (const int id : m_order)
        if (QAction* a = m_actions.value(id); a && !a->shortcuts().isEmpty())
            window->addAction(a);
}
