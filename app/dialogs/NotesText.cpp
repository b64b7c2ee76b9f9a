#include "NotesText.h"

#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>

#include "FixedText.h"
#include "QtText.h"

namespace {

// Bytes a text takes when stored: one per character, two per line end.
qsizetype storedLength(const QString& text) {
    return text.size() + text.count(QLatin1Char('\n'));
}

}  // namespace

QString notesForEditing(const std::array<char, RadixData::NotesSize>& notes) {
    QString text = fromCp1250(fixedText(notes));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void storeNotes(const QString& text, std::array<char, RadixData::NotesSize>& notes) {
    std::string bytes = toCp1250(QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
    std::size_t n = std::min(bytes.size(), RadixData::EnteredNotesLength);
    if (n > 0 && n < bytes.size() && bytes[n - 1] == '\r')
        --n;
    bytes.resize(n);
    setFixedText(notes, bytes, RadixData::EnteredNotesLength);
}

void limitNotes(QPlainTextEdit* editor) {
    const QString text = editor->toPlainText();
    const auto limit = static_cast<qsizetype>(RadixData::EnteredNotesLength);
    if (storedLength(text) <= limit)
        return;
    qsizetype keep = 0;
    for (qsizetype used = 0; keep < text.size(); ++keep) {
        used += text.at(keep) == QLatin1Char('\n') ? 2 : 1;
        if (used > limit)
            break;
    }
    const QSignalBlocker block(editor);
    QTextCursor cursor = editor->textCursor();
    const int position = std::min<int>(cursor.position(), int(keep));
    editor->setPlainText(text.left(keep));
    cursor = editor->textCursor();
    cursor.setPosition(position);
    editor->setTextCursor(cursor);
}
