#pragma once
#include "TMyDialog.h"

class AppContext;

class QLabel;

// The About dialog: the intro picture, the version and the information lines. OK or Esc closes it.
class TAboutDialog : public TMyDialog {
    Q_OBJECT
public:
    TAboutDialog(QWidget* parent, const AppContext& ctx);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    const AppContext& m_ctx;
    QLabel* m_version;
    QLabel* m_info;
};
