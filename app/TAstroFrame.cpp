#include "TAstroFrame.h"

#include "TAstroApp.h"
#include "TAstroClient.h"

TAstroFrame::TAstroFrame(QWidget* parent) : QMainWindow(parent), m_client(new TAstroClient(this)) {
    setWindowTitle(TAstroApp::Name);
    setCentralWidget(m_client);
    // Smaller than this the wheel and the tables cannot be used.
    setMinimumSize(600, 450);
}

void TAstroFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    m_client->centreIntro();
}
