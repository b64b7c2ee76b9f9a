#include "OptionFields.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "ErrorReporter.h"

namespace {

QLineEdit* numericField(QWidget* parent, const QString& objectName, const QString& pattern, const QString& widest) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
    edit->setAlignment(Qt::AlignRight);
    const int text = edit->fontMetrics().horizontalAdvance(widest);
    edit->setFixedWidth(text + 2 * edit->fontMetrics().averageCharWidth() + 8);
    return edit;
}

void refuse(const ErrorReporter& errors, QLineEdit* field, const QString& message) {
    errors.error(field->window(), message);
    field->setFocus();
    field->selectAll();
}

}  // namespace

QLineEdit* decimalField(QWidget* parent, const QString& objectName) {
    return numericField(parent, objectName, QStringLiteral("[0-9]{0,4}([.,][0-9]{0,2})?"), QStringLiteral("0000.00"));
}

QLineEdit* byteField(QWidget* parent, const QString& objectName) {
    return numericField(parent, objectName, QStringLiteral("[0-9]{0,3}"), QStringLiteral("000"));
}

QString decimalText(double value) {
    return QString::asprintf("%*.*f", 4, 2, value);
}

std::optional<double> decimalValue(const QLineEdit* field) {
    static const QRegularExpression number(QStringLiteral("^([0-9]{1,4}([.,][0-9]{0,2})?|[.,][0-9]{1,2})$"));
    const QString text = field->text().trimmed();
    if (!number.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(QString(text).replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<int> byteValue(const QLineEdit* field) {
    static const QRegularExpression number(QStringLiteral("^[0-9]{1,3}$"));
    const QString text = field->text().trimmed();
    if (!number.match(text).hasMatch())
        return std::nullopt;
    const int value = text.toInt();
    return value <= 255 ? std::optional<int>(value) : std::nullopt;
}

std::optional<double> takeDecimal(const ErrorReporter& errors, QLineEdit* field) {
    const std::optional<double> value = decimalValue(field);
    if (!value)
        refuse(errors, field, QCoreApplication::translate(
                          "OptionFields", "Enter a number of at least 0 with at most two decimals, such as 2.50."));
    return value;
}

std::optional<int> takeByte(const ErrorReporter& errors, QLineEdit* field) {
    const std::optional<int> value = byteValue(field);
    if (!value)
        refuse(errors, field, QCoreApplication::translate("OptionFields", "Enter a whole number from 0 to 255."));
    return value;
}
