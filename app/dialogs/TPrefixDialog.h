#pragma once
#include <QString>

#include "TMyDialog.h"

class QLineEdit;
class QPushButton;

// Asks for the first letters of a town name before the towns list opens. The prefix is kept
// for the whole run so the next search starts from it.
class TPrefixDialog : public TMyDialog {
    Q_OBJECT
public:
    static constexpr int MaxPrefix = 29;

    explicit TPrefixDialog(QWidget* parent = nullptr);

    // The prefix of the run; empty at first.
    static QString& prefix();

public slots:
    void accept() override;

private:
    QLineEdit* m_edit;
    QPushButton* m_ok;
};
