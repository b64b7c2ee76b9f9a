#include "TPrefixDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPrefixDialog::TPrefixDialog(QWidget* parent, QString& prefix)
    : TMyDialog(parent), m_prefix(prefix), m_edit(new QLineEdit(this)) {
    setWindowTitle(tr("Town"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(tr(" Partial name:"), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_edit);
    layout->addWidget(group);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &TPrefixDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(m_edit, &QLineEdit::textChanged, this, [this](const QString& t) { m_ok->setEnabled(!t.isEmpty()); });
    m_edit->setText(m_prefix);
    m_ok->setEnabled(!m_edit->text().isEmpty());
    m_edit->selectAll();
    m_edit->setFocus();
    setMinimumWidth(280);
}

void TPrefixDialog::accept() {
    m_prefix = m_edit->text().left(MaxPrefix);
    QDialog::accept();
}
