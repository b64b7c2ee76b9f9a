#pragma once
#include <QMainWindow>

class TAstroClient;
class TAstroControlBar;
class TAstroStatusBar;

// The main multiple-document window; its document area holds the chart windows.
class TAstroFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit TAstroFrame(QWidget* parent = nullptr);
    TAstroClient* client() const { return m_client; }
    TAstroStatusBar* astroStatusBar() const { return m_statusBar; }
    TAstroControlBar* controlBar() const { return m_controlBar; }

protected:
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    TAstroClient* m_client;
    TAstroControlBar* m_controlBar;
    TAstroStatusBar* m_statusBar;
};
