// The frame's radix shifter: shown and hidden by Ctrl+R, kept where the user put it, rebuilt in
// a new language.
#include <QAction>
#include <QScreen>

#include "AppContext.h"
#include "CommandIds.h"
#include "CommandTable.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TBirthShifter.h"
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
        // The program's keys work in the shifter too: every command action that has a shortcut.
        QList<QAction*> accelerators;
        for (const int id : m_commands->ids())
            if (QAction* a = m_commands->action(id); a && !a->shortcuts().isEmpty())
                accelerators << a;
        m_shifter = new TBirthShifter(this, this, accelerators, [this] { return m_client->activeChart(); });
        connect(m_shifter, &TMyFloatingDialog::visibilityChanged, m_commands, &CommandTable::updateActions);
    }
    m_shifter->adjustSize();
    const WindowPlacement& stored = m_ctx.options().window_placements[PlacementRadixShifter];
    if (stored.showCmd != 0) {
        applyPlacement(*m_shifter, stored);
        keepOnScreen(*m_shifter);
    } else {
        if (created) {
            // First showing: beside the charts in the document area's top right corner, not over the wheel.
            const QWidget* area = m_client->viewport();
            const QPoint corner = area->mapToGlobal(QPoint(area->width(), 0));
            m_shifter->move(corner.x() - m_shifter->frameGeometry().width() - 8, corner.y() + 8);
        }
        m_shifter->showNormal();
    }
    // The keyboard stays with the main window.
    m_shifter->activateFrame();
    m_commands->updateActions();
}

void TAstroFrame::storeShifterPlacement() {
    if (m_shifter)
        m_ctx.options().window_placements[PlacementRadixShifter] = placementOf(*m_shifter);
}

void TAstroFrame::rebuildShifter() {
    if (!m_shifter)
        return;
    const bool visible = m_shifter->isVisible();
    showShifter(false, true);
    if (visible)
        showShifter(true);
}
