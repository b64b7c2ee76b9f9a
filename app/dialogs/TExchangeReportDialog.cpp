#include "TExchangeReportDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TExchangeReportDialog::TExchangeReportDialog(QWidget* parent, const QString& caption, const QString& summary,
                                             const QStringList& lines)
    : TMyDialog(parent), m_summary(new QLabel(this)), m_list(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("exchangeReport"));
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    m_summary->setText(summary);
    layout->addWidget(m_summary);
    m_list->setObjectName(QStringLiteral("issues"));
    m_list->setReadOnly(true);
    m_list->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_list->setPlainText(lines.join(QLatin1Char('\n')));
    m_list->setMinimumSize(m_list->fontMetrics().averageCharWidth() * 80, m_list->fontMetrics().lineSpacing() * 14);
    layout->addWidget(m_list, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TExchangeReportDialog::accept);
}

QString TExchangeReportDialog::summary() const { return m_summary->text(); }

QStringList TExchangeReportDialog::lines() const { return m_list->toPlainText().split(QLatin1Char('\n')); }
