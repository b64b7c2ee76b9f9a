#pragma once
#include <QMainWindow>

class TAstroClient;

// The main multiple-document window; its document area holds the chart windows.
class TAstroFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit TAstroFrame(QWidget* parent = nullptr);
    TAstroClient* client() const { return m_client; }

protected:
    void moveEvent(QMoveEvent* event) override;

private:
    TAstroClient* m_client;
};
