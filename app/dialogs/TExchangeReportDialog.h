#pragma once
// The report of an import or export: a summary line and the list of records refused or noted,
// one per line, in a read-only list the user can scroll, select and copy.
#include <QString>
#include <QStringList>

#include "TMyDialog.h"

class QLabel;
class QPlainTextEdit;

class TExchangeReportDialog : public TMyDialog {
    Q_OBJECT
public:
    TExchangeReportDialog(QWidget* parent, const QString& caption, const QString& summary, const QStringList& lines);

    QString summary() const;
    QStringList lines() const;

private:
    QLabel* m_summary;
    QPlainTextEdit* m_list;
};
