#pragma once
#include "TMyDialog.h"

class QLabel;

// The About dialog: the intro picture, the version and the information lines. OK or Esc closes it.
class TAboutDialog : public TMyDialog {
    Q_OBJECT
public:
    explicit TAboutDialog(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    QLabel* m_version;
    QLabel* m_info;
};
