#pragma once
// The one way the application tells the user that something failed: a message box with the
// caption "Error" and the exclamation icon. Tests replace the box with a sink that records.
#include <QSet>
#include <QString>
#include <functional>

class QWidget;
class StringTable;

class ErrorReporter {
public:
    using Sink = std::function<void(const QString& caption, const QString& text)>;

    explicit ErrorReporter(const StringTable& strings) : m_strings(strings) {}

    // Shows `text` under the caption "Error", or under `caption` where a command names its
    // failure itself; the action that failed is abandoned by the caller.
    void error(QWidget* parent, const QString& text, const QString& caption = {}) const;
    // The same with text `messageId` of the string table.
    void errorId(QWidget* parent, int messageId) const;
    // Said only the first time for `key` in a run (a folder that cannot be written is
    // reported once, not at every attempt).
    void errorOnce(const QString& key, QWidget* parent, const QString& text);

    // Replaces the message box (tests); an empty sink restores it.
    void setSink(Sink sink) { m_sink = std::move(sink); }

private:
    const StringTable& m_strings;
    Sink m_sink;
    QSet<QString> m_told;
};
