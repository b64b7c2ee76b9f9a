#include "ErrorReporter.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include "QtText.h"
#include "StringIds.h"
#include "StringTable.h"

void ErrorReporter::error(QWidget* parent, const QString& text, const QString& caption) const {
    const QString title = caption.isEmpty() ? fromCp1250(m_strings[StrId::Error]) : caption;
    if (m_sink) {
        m_sink(title, text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    // A short text makes a box so narrow that the window manager cuts its caption ("Er…e"):
    // a blank row across the whole box keeps it wide enough, and the text keeps its place.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(box.fontMetrics().averageCharWidth() * 40, 0, QSizePolicy::Minimum,
                                      QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
}

void ErrorReporter::errorId(QWidget* parent, int messageId) const { error(parent, fromCp1250(m_strings[messageId])); }

void ErrorReporter::errorOnce(const QString& key, QWidget* parent, const QString& text) {
    if (m_told.contains(key))
        return;
    m_told.insert(key);
    error(parent, text);
}
