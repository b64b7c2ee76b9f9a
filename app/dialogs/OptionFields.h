#pragma once
// The numeric edits of the option dialogs. Their validators let through only digits and one
// decimal point (or comma), so nothing typed can turn into a different number; a field that
// is still not a value (empty, or a whole number over 255) is refused when it is read, with a
// message, and the field gets the focus.
#include <QString>
#include <optional>

class ErrorReporter;
class QLineEdit;
class QWidget;

// An edit for a non-negative decimal number such as 2.50, at most four digits before the point.
QLineEdit* decimalField(QWidget* parent, const QString& objectName);
// An edit for a whole number 0..255.
QLineEdit* byteField(QWidget* parent, const QString& objectName);

// A decimal as the option dialogs show it: two decimals ("%4.2f").
QString decimalText(double value);

// The number in a decimal field, or nothing when it holds none.
std::optional<double> decimalValue(const QLineEdit* field);
// The number in a whole-number field, or nothing when it holds none in 0..255.
std::optional<int> byteValue(const QLineEdit* field);

// As above; when the field holds no valid value the error box says what is expected and the
// field gets the focus with its text selected.
std::optional<double> takeDecimal(const ErrorReporter& errors, QLineEdit* field);
std::optional<int> takeByte(const ErrorReporter& errors, QLineEdit* field);

// A value as the options keep these numbers: rounded to single precision.
inline double singlePrecision(double value) { return static_cast<double>(static_cast<float>(value)); }
