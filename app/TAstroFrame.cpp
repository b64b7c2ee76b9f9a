#include "TAstroFrame.h"

#include <QMdiArea>

#include "TAstroApp.h"

TAstroFrame::TAstroFrame(QWidget* parent) : QMainWindow(parent), m_client(new QMdiArea(this)) {
    setWindowTitle(TAstroApp::Name);
    setCentralWidget(m_client);
    // Smaller than this the wheel and the tables cannot be used.
    setMinimumSize(600, 450);
}
