#include "TWaitDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Prompts.h"

TWaitDialog::TWaitDialog(QWidget* parent, const QString& line1, const QString& line2, const QString& line3,
                         const QString& cancelQuestion, Prompts& prompts, bool* cancelFlag)
    : TMyDialog(parent), m_question(cancelQuestion), m_prompts(prompts), m_cancel(cancelFlag) {
    if (m_cancel)
        *m_cancel = false;
    setWindowTitle(tr("Please wait..."));
    auto* layout = new QVBoxLayout(this);
    const QString texts[4] = {line1, line2, line3, QString()};
    for (int i = 0; i < 4; ++i) {
        m_lines[i] = new QLabel(texts[i], this);
        m_lines[i]->setAlignment(Qt::AlignHCenter);
        layout->addWidget(m_lines[i]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &TWaitDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

void TWaitDialog::reject() {
    // Cancel and Esc do not close the dialog: they ask, and the work stops at its next check.
    if (m_prompts.askYesNo(this, QString(), m_question) && m_cancel)
        *m_cancel = true;
}
