#pragma once
// The one way the application tells the user that something failed: an error message with
// the caption "Error", shown by the prompts of the run (tests record it there).
#include <QSet>
#include <QString>

class Prompts;
class QWidget;
class StringTable;

class ErrorReporter {
public:
    ErrorReporter(const StringTable& strings, Prompts& prompts) : m_strings(strings), m_prompts(&prompts) {}

    // Shows `text` under the caption "Error", or under `caption` where a command names its
    // failure itself; the action that failed is abandoned by the caller.
    void error(QWidget* parent, const QString& text, const QString& caption = {}) const;
    // The same with text `messageId` of the string table.
    void errorId(QWidget* parent, int messageId) const;
    // Said only the first time for `key` in a run (a folder that cannot be written is
    // reported once, not at every attempt).
    void errorOnce(const QString& key, QWidget* parent, const QString& text);

    // The prompts that show the messages from now on.
    void setPrompts(Prompts& prompts) { m_prompts = &prompts; }

private:
    const StringTable& m_strings;
    Prompts* m_prompts;
    QSet<QString> m_told;
};
