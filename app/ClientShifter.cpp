// The radix shifter's command: shown and hidden by Ctrl+R, checked while it is visible.
#include <QAction>
#include <QScreen>

#include "CommandIds.h"
#include "Options.h"
#include "TAstroClient.h"
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

void TAstroClient::defineShifterCommand() {
    setCommand(CM_RADIXSHIFTER, {[this] { showShifter(!(m_shifter && m_shifter->isVisible())); }, {},
                                 [this] { return m_shifter && m_shifter->isVisible(); }});
}

TBirthShifter* TAstroClient::shifter() const {
    return m_shifter;
}

void TAstroClient::showShifter(bool show, bool destroy) {
    if (!show) {
        if (!m_shifter)
            return;
        if (destroy) {
            storeShifterPlacement();
            delete m_shifter.data();
        } else {
            m_shifter->hide();
        }
        updateActions();
        return;
    }
    QWidget* frame = window();
    const bool created = !m_shifter;
    if (created) {
        // The program's keys work in the shifter too: every command action that has a shortcut.
        QList<QAction*> accelerators;
        for (QAction* a : std::as_const(m_actions))
            if (!a->shortcuts().isEmpty())
                accelerators << a;
        m_shifter = new TBirthShifter(this, frame, accelerators, [this] { return activeChart(); });
        connect(m_shifter, &TMyFloatingDialog::visibilityChanged, this, [this] { updateActions(); });
    }
    m_shifter->adjustSize();
    if (m_shifterPlacement && m_shifterPlacement->showCmd != 0) {
        applyPlacement(*m_shifter, *m_shifterPlacement);
        keepOnScreen(*m_shifter);
    } else {
        if (created) {
            // First showing: beside the charts in the document area's top right corner, not over the wheel.
            const QPoint corner = viewport()->mapToGlobal(QPoint(viewport()->width(), 0));
            m_shifter->move(corner.x() - m_shifter->frameGeometry().width() - 8, corner.y() + 8);
        }
        m_shifter->showNormal();
    }
    // The keyboard stays with the main window.
    m_shifter->activateFrame();
    updateActions();
}

void TAstroClient::storeShifterPlacement() {
    if (m_shifter && m_shifterPlacement)
        *m_shifterPlacement = placementOf(*m_shifter);
}

void TAstroClient::rebuildShifter() {
    if (!m_shifter)
        return;
    const bool visible = m_shifter->isVisible();
    showShifter(false, true);
    if (visible)
        showShifter(true);
}
