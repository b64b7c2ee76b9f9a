#pragma once
// The small numeric and letter fields of the entry dialogs. The validators only keep out
// what could never be a value (letters in a number, a third digit in a minute); whether a
// value is in range is still checked with the program's messages when the dialog closes.
#include <QString>
#include <initializer_list>

#include "BirthData.h"

class QComboBox;
class QDialog;
class QLineEdit;
class QWidget;
struct BirthEntry;
class StringTable;

// An edit for a whole number of at most `digits` digits, sized to them.
QLineEdit* numberField(QWidget* parent, int digits, const QString& objectName);
// An edit for one letter of `letters` (for example "EW"), typed letters shown in capitals.
QLineEdit* letterField(QWidget* parent, const QString& letters, const QString& objectName);

// The number in a field; an empty field counts as 0.
int fieldNumber(const QLineEdit* field);
// The letter in a field, or 0 when it is empty.
char fieldLetter(const QLineEdit* field);

// Era, year, month and day of a date as the entry dialogs show them: the year counted from 1
// in its era (astronomical year 0 is 1 B.C.).
struct DateFields {
    QComboBox* era = nullptr;
    QLineEdit* year = nullptr;
    QLineEdit* month = nullptr;
    QLineEdit* day = nullptr;

    void create(QWidget* parent);
    void fillEras(const StringTable& strings);
    void show(const CalDate& date);
    // Era, year, month and day into `entry`.
    void read(BirthEntry& entry) const;
};

// Checks a date as the personal data dialog does: message 38 "Invalid year" or 21 "Invalid
// date" (0 when valid, with `date` set).
int checkEntryDate(const BirthEntry& entry, CalDate& date);
class StringTable;
// The message of an entry check with the valid range of the field group beneath it.
QString entryErrorText(const StringTable& strings, int messageId);

// Sets the tab order of `widgets` as listed.
void chainTabOrder(std::initializer_list<QWidget*> widgets);

// Enter in an editable combo box closes `dialog` with OK as it does in every other field
// (the combo box would otherwise keep the key for itself).
void acceptOnEnter(QComboBox* combo, QDialog* dialog);
