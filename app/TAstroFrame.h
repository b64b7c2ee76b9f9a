#pragma once
#include <QMainWindow>

class QMdiArea;

// The main multiple-document window; its document area holds the chart windows.
class TAstroFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit TAstroFrame(QWidget* parent = nullptr);
    QMdiArea* client() const { return m_client; }

private:
    QMdiArea* m_client;
};
