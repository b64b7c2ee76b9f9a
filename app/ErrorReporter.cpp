#include "ErrorReporter.h"

#include <QMessageBox>

#include "QtText.h"
#include "StringTable.h"

void ErrorReporter::error(QWidget* parent, const QString& text, const QString& caption) const {
    const QString title = caption.isEmpty() ? fromCp1250(m_strings[319]) : caption;
    if (m_sink) {
        m_sink(title, text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void ErrorReporter::errorId(QWidget* parent, int messageId) const { error(parent, fromCp1250(m_strings[messageId])); }

void ErrorReporter::errorOnce(const QString& key, QWidget* parent, const QString& text) {
    if (m_told.contains(key))
        return;
    m_told.insert(key);
    error(parent, text);
}
