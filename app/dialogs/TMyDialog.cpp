#include "TMyDialog.h"

#include <QMdiArea>
#include <QScreen>

#include <QMainWindow>

TMyDialog::TMyDialog(QWidget* parent, const QString& caption) : QDialog(parent), m_caption(caption) {}

void TMyDialog::showEvent(QShowEvent* event) {
    if (!m_caption.isEmpty())
        setWindowTitle(m_caption);
    QDialog::showEvent(event);
    centreOverClient(this);
}

void centreOverClient(QWidget* window) {
    // The document area is the central widget of the main window the dialog belongs to.
    QRect area;
    const QMainWindow* frame = nullptr;
    for (const QWidget* w = window->parentWidget(); w && !frame; w = w->window()->parentWidget())
        frame = qobject_cast<const QMainWindow*>(w->window());
    const QWidget* client = frame ? frame->centralWidget() : nullptr;
    if (client && client->isVisible()) {
        area = QRect(client->mapToGlobal(QPoint(0, 0)), client->size());
    } else if (const QScreen* screen = window->screen()) {
        area = screen->availableGeometry();
    }
    if (area.isEmpty())
        return;
    const QSize size = window->frameSize().isEmpty() ? window->size() : window->frameSize();
    window->move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}
