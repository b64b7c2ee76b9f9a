#include "TAstroFrame.h"

#include <QCloseEvent>

#include "SettingsFile.h"
#include "TAstroApp.h"
#include "WindowPlacementQt.h"
#include "TAstroClient.h"
#include "TAstroControlBar.h"
#include "TAstroStatusBar.h"

TAstroFrame::TAstroFrame(QWidget* parent)
    : QMainWindow(parent),
      m_client(new TAstroClient(this)),
      m_controlBar(new TAstroControlBar(m_client, this)),
      m_statusBar(new TAstroStatusBar(this)) {
    setWindowTitle(TAstroApp::Name);
    setCentralWidget(m_client);
    addToolBar(Qt::LeftToolBarArea, m_controlBar);
    setStatusBar(m_statusBar);
    connect(m_client, &TAstroClient::commandStarting, this, [this] { m_statusBar->setMessage(QString()); });
    // Smaller than this the wheel and the tables cannot be used.
    setMinimumSize(600, 450);
}

void TAstroFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    m_client->centreIntro();
}

void TAstroFrame::closeEvent(QCloseEvent* event) {
    // Every chart window is asked first; one that refuses keeps the program open.
    m_client->closeAllSubWindows();
    if (!m_client->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    AppState& s = TAstroApp::instance()->state();
    if (!s.StartupFailed) {
        s.Options.window_placements[PlacementFrame] = placementOf(*this);
        m_client->storeShifterPlacement();
        WriteSettings(s.Options, s.ProgramFolder, true);
    }
    event->accept();
}
