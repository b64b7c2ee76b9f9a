#pragma once
#include <QDialog>
#include <QPointer>

class QAction;

// Base of the program's modeless tool windows. It floats above the frame and shares the
// frame's keyboard commands, so F5, F9 or Ctrl+R work while it has the focus. Enter and Esc
// hand the keyboard back to the frame instead of closing it; its close button hides it.
class TMyFloatingDialog : public QDialog {
    Q_OBJECT
public:
    // `accelerators`: the program's actions whose shortcuts must work here too.
    TMyFloatingDialog(QWidget* parent, QWidget* frame, const QList<QAction*>& accelerators);

    // Makes the frame the active window again.
    void activateFrame();

signals:
    // Shown or hidden, whoever did it: the command's check mark follows.
    void visibilityChanged(bool visible);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QPointer<QWidget> m_frame;
};
