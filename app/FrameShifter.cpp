// The frame's radix shifter and progression shifter: each shown and hidden by its command, kept
// where the user put it, rebuilt in a new language.
#include <QAction>
#include <QScreen>

#include "AppContext.h"
#include "CommandIds.h"
#include "CommandTable.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TBirthShifter.h"
#include "TProgressionShifter.h"
#include "WindowPlacementQt.h"

namespace {

// A placement stored with a narrower shifter (the other language's labels) or on a larger
// screen must not leave part of the window out of reach.
void keepOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QRect frame = window.frameGeometry();
    if (frame.right() > area.right())
        frame.moveRight(area.right());
    if (frame.bottom() > area.bottom())
        frame.moveBottom(area.bottom());
    if (frame.left() < area.left())
        frame.moveLeft(area.left());
    if (frame.top() < area.top())
        frame.moveTop(area.top());
    if (frame.topLeft() != window.frameGeometry().topLeft())
        window.move(frame.topLeft());
}

}  // namespace

TBirthShifter* TAstroFrame::shifter() const { return m_shifter; }

bool TAstroFrame::shifterVisible() const { return m_shifter && m_shifter->isVisible(); }

void TAstroFrame::showShifter(bool show, bool destroy) {
    if (!show) {
        if (!m_shifter)
            return;
        if (destroy) {
            storeShifterPlacement();
            delete m_shifter.data();
        } else {
            m_shifter->hide();
        }
        m_commands->updateActions();
        return;
    }
    const bool created = !m_shifter;
    if (created) {
        m_shifter = new TBirthShifter(this, this, accelerators(), [this] { return m_client->activeChart(); });
        connect(m_shifter, &TMyFloatingDialog::visibilityChanged, m_commands, &CommandTable::updateActions);
    }
    showFloating(*m_shifter, m_ctx.options().window_placements[PlacementRadixShifter], created, 0);
}

QList<QAction*> TAstroFrame::accelerators() const {
    // The program's keys work in the shifters too: every command action that has a shortcut.
    QList<QAction*> list;
    for (const int id : m_commands->ids())
        if (QAction* a = m_commands->action(id); a && !a->shortcuts().isEmpty())
            list << a;
    return list;
}

void TAstroFrame::showFloating(TMyFloatingDialog& window, const WindowPlacement& stored, bool created, int below) {
    window.adjustSize();
    if (stored.showCmd != 0) {
        applyPlacement(window, stored);
        keepOnScreen(window);
    } else {
        if (created) {
            // First showing: beside the charts in the document area's top right corner (below
            // `below` pixels of another tool window there), not over the wheel.
            const QWidget* area = m_client->viewport();
            const QPoint corner = area->mapToGlobal(QPoint(area->width(), 0));
            window.move(corner.x() - window.frameGeometry().width() - 8, corner.y() + 8 + below);
        }
        window.showNormal();
    }
    // The keyboard stays with the main window.
    window.activateFrame();
    m_commands->updateActions();
}

void TAstroFrame::storeShifterPlacement() {
    if (m_shifter)
        m_ctx.options().window_placements[PlacementRadixShifter] = placementOf(*m_shifter);
    if (m_progressionShifter)
        m_ctx.options().window_placements[PlacementProgressionShifter] = placementOf(*m_progressionShifter);
}

void TAstroFrame::rebuildShifter() {
    if (m_shifter) {
        const bool visible = m_shifter->isVisible();
        showShifter(false, true);
        if (visible)
            showShifter(true);
    }
    if (m_progressionShifter) {
        const bool visible = m_progressionShifter->isVisible();
        showProgressionShifter(false, true);
        if (visible)
            showProgressionShifter(true);
    }
}

TProgressionShifter* TAstroFrame::progressionShifter() const { return m_progressionShifter; }

bool TAstroFrame::progressionShifterVisible() const {
    return m_progressionShifter && m_progressionShifter->isVisible();
}

void TAstroFrame::showProgressionShifter(bool show, bool destroy) {
    if (!show) {
        if (!m_progressionShifter)
            return;
        if (destroy) {
            m_ctx.options().window_placements[PlacementProgressionShifter] = placementOf(*m_progressionShifter);
            delete m_progressionShifter.data();
        } else {
            m_progressionShifter->hide();
        }
        m_commands->updateActions();
        return;
    }
    const bool created = !m_progressionShifter;
    if (created) {
        m_progressionShifter =
            new TProgressionShifter(this, this, accelerators(), [this] { return m_client->activeChart(); });
        connect(m_progressionShifter, &TMyFloatingDialog::visibilityChanged, m_commands, &CommandTable::updateActions);
    }
    // Shown first under the radix shifter when that one stands in the corner.
    const int below = shifterVisible() ? m_shifter->frameGeometry().height() + 8 : 0;
    showFloating(*m_progressionShifter, m_ctx.options().window_placements[PlacementProgressionShifter], created,
                 below);
}
