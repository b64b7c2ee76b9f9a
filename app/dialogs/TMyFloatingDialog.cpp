#include "TMyFloatingDialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

TMyFloatingDialog::TMyFloatingDialog(QWidget* parent, QWidget* frame, const QList<QAction*>& accelerators)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_frame(frame) {
    setModal(false);
    // The actions keep their window-wide shortcuts; being added here makes them match while
    // this window is the active one as well.
    addActions(accelerators);
}

void TMyFloatingDialog::activateFrame() {
    if (!m_frame)
        return;
    m_frame->raise();
    m_frame->activateWindow();
}

void TMyFloatingDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            activateFrame();
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

void TMyFloatingDialog::closeEvent(QCloseEvent* event) {
    // The title bar's close button hides the window, as the command that shows it would;
    // a dialog's own close would count as a rejection.
    event->accept();
}

void TMyFloatingDialog::showEvent(QShowEvent* event) {
    // Enter belongs to the frame: no button of a tool window is a default button.
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);
    QDialog::showEvent(event);
    emit visibilityChanged(true);
}

void TMyFloatingDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    emit visibilityChanged(false);
}
