#pragma once
#include <array>

#include "TMyDialog.h"

class Prompts;
class QLabel;

// Progress dialog of a long run (printing): four lines of text and a Cancel button that asks
// before it sets the cancel flag, which the running work polls.
class TWaitDialog : public TMyDialog {
    Q_OBJECT
public:
    TWaitDialog(QWidget* parent, const QString& line1, const QString& line2, const QString& line3,
                const QString& cancelQuestion, Prompts& prompts, bool* cancelFlag);

public slots:
    void reject() override;

private:
    std::array<QLabel*, 4> m_lines{};
    QString m_question;
    Prompts& m_prompts;
    bool* m_cancel;
};
