#pragma once
#include <QDialog>

// Base of every dialog of the program: an optional caption replaces the designed one, and the
// dialog centres itself over the frame's document area when it opens.
class TMyDialog : public QDialog {
    Q_OBJECT
public:
    explicit TMyDialog(QWidget* parent = nullptr, const QString& caption = {});

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString m_caption;
};

// Centres a top-level window over the frame's document area when it is visible, else over
// the screen; the window keeps its size.
void centreOverClient(QWidget* window);
