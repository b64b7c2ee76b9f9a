#include "TMyDialog.h"

#include <QMdiArea>
#include <QScreen>

#include "TAstroApp.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"

TMyDialog::TMyDialog(QWidget* parent, const QString& caption) : QDialog(parent), m_caption(caption) {}

void TMyDialog::showEvent(QShowEvent* event) {
    if (!m_caption.isEmpty())
        setWindowTitle(m_caption);
    QDialog::showEvent(event);
    centreOverClient(this);
}

void centreOverClient(QWidget* window) {
    QRect area;
    const TAstroApp* app = TAstroApp::instance();
    if (app && app->frame() && app->frame()->client()->isVisible()) {
        const QWidget* client = app->frame()->client();
        area = QRect(client->mapToGlobal(QPoint(0, 0)), client->size());
    } else if (const QScreen* screen = window->screen()) {
        area = screen->availableGeometry();
    }
    if (area.isEmpty())
        return;
    const QSize size = window->frameSize().isEmpty() ? window->size() : window->frameSize();
    window->move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}
