#pragma once
#include <QString>

#include "TMyDialog.h"

class QLineEdit;
class QPushButton;

// Asks for the first letters of a town name before the towns list opens. The caller keeps the
// prefix for the whole run, so the next search starts from it.
class TPrefixDialog : public TMyDialog {
    Q_OBJECT
public:
    static constexpr int MaxPrefix = 29;

    // `prefix` is shown and selected; OK sets it to what was typed.
    TPrefixDialog(QWidget* parent, QString& prefix);

public slots:
    void accept() override;

private:
    QString& m_prefix;
    QLineEdit* m_edit;
    QPushButton* m_ok;
};
