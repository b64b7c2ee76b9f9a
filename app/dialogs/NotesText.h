#pragma once
// The notes of a chart in the notes editor. Stored notes keep Windows line ends ("\r\n"), as
// the horoscope files of every installation have them, and at most 1999 bytes.
#include <QString>
#include <array>

#include "RadixData.h"

class QPlainTextEdit;

QString notesForEditing(const std::array<char, RadixData::NotesSize>& notes);
// Stores the edited text with "\r\n" line ends, cut to 1999 bytes (never inside a line end).
void storeNotes(const QString& text, std::array<char, RadixData::NotesSize>& notes);
// Keeps an editor's text within what can be stored, so nothing typed is lost silently on OK.
void limitNotes(QPlainTextEdit* editor);
