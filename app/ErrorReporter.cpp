#include "ErrorReporter.h"

#include "Prompts.h"
#include "QtText.h"
#include "StringIds.h"
#include "StringTable.h"

void ErrorReporter::error(QWidget* parent, const QString& text, const QString& caption) const {
    const QString title = caption.isEmpty() ? fromCp1250(m_strings[StrId::Error]) : caption;
    m_prompts->message(parent, Prompts::Severity::Error, title, text);
}

void ErrorReporter::errorId(QWidget* parent, int messageId) const { error(parent, fromCp1250(m_strings[messageId])); }

void ErrorReporter::errorOnce(const QString& key, QWidget* parent, const QString& text) {
    if (m_told.contains(key))
        return;
    m_told.insert(key);
    error(parent, text);
}
