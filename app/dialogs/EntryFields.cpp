#include "EntryFields.h"

#include "BirthEntry.h"
#include "QtText.h"
#include "StringTable.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QKeyEvent>
#include <algorithm>
#include <QFontMetrics>
#include <QLineEdit>
#include <QWidget>
#include <QRegularExpressionValidator>

#include "BirthEntry.h"
#include "QtText.h"
#include "StringIds.h"
#include "StringTable.h"

namespace {

constexpr int EraBC = 0;  // list order: string 14 "B.C.", string 15 "A.D."
constexpr int EraAD = 1;

// Accepts one letter of a set, whatever its case, and shows it as a capital.
class LetterValidator : public QValidator {
public:
    LetterValidator(const QString& letters, QObject* parent) : QValidator(parent), m_letters(letters) {}
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        if (input.isEmpty())
            return Intermediate;
        return input.size() == 1 && m_letters.contains(input) ? Acceptable : Invalid;
    }

private:
    QString m_letters;
};

void fitWidth(QLineEdit* edit, int characters) {
    const QFontMetrics fm(edit->font());
    const int text = fm.horizontalAdvance(QString(characters, QLatin1Char('0')));
    edit->setFixedWidth(text + 2 * fm.horizontalAdvance(QLatin1Char(' ')) + 8);
}

class EnterAccepts : public QObject {
public:
    EnterAccepts(QDialog* dialog, QObject* parent) : QObject(parent), m_dialog(dialog) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
                for (QDialogButtonBox* box : m_dialog->findChildren<QDialogButtonBox*>())
                    if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) {
                        if (ok->isEnabled())
                            ok->click();
                        return true;
                    }
                return false;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QDialog* m_dialog;
};

}  // namespace

void acceptOnEnter(QComboBox* combo, QDialog* dialog) {
    // The combo box has the focus and hands its keys to its edit field: the key is caught there.
    combo->installEventFilter(new EnterAccepts(dialog, combo));
}

QLineEdit* numberField(QWidget* parent, int digits, const QString& objectName) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,%1}").arg(digits)), edit));
    edit->setAlignment(Qt::AlignRight);
    fitWidth(edit, std::max(digits, 2));
    return edit;
}

QLineEdit* letterField(QWidget* parent, const QString& letters, const QString& objectName) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setValidator(new LetterValidator(letters, edit));
    edit->setMaxLength(1);
    edit->setAlignment(Qt::AlignCenter);
    fitWidth(edit, 2);
    return edit;
}

int fieldNumber(const QLineEdit* field) {
    bool ok = false;
    const int value = field->text().trimmed().toInt(&ok);
    return ok ? value : 0;
}

char fieldLetter(const QLineEdit* field) {
    const QString text = field->text().trimmed().toUpper();
    return text.isEmpty() ? '\0' : text.at(0).toLatin1();
}

void DateFields::create(QWidget* parent) {
    era = new QComboBox(parent);
    era->setObjectName(QStringLiteral("era"));
    year = numberField(parent, 4, QStringLiteral("year"));
    month = numberField(parent, 2, QStringLiteral("month"));
    day = numberField(parent, 2, QStringLiteral("day"));
}

void DateFields::fillEras(const StringTable& strings) {
    const int current = era->currentIndex();
    era->clear();
    era->addItem(fromCp1250(strings[StrId::EraBC]));
    era->addItem(fromCp1250(strings[StrId::EraAD]));
    era->setCurrentIndex(current < 0 ? EraAD : current);
}

void DateFields::show(const CalDate& date) {
    const bool ad = date.year > 0;
    era->setCurrentIndex(ad ? EraAD : EraBC);
    year->setText(QString::number(ad ? date.year : 1 - date.year));
    month->setText(QString::number(date.month));
    day->setText(QString::number(date.day));
}

void DateFields::read(BirthEntry& entry) const {
    entry.beforeChrist = era->currentIndex() == EraBC;
    entry.year = fieldNumber(year);
    entry.month = fieldNumber(month);
    entry.day = fieldNumber(day);
}

int checkEntryDate(const BirthEntry& entry, CalDate& date) {
    // Only the date of the entry matters here: the other groups are given valid values.
    BirthEntry dateOnly;
    dateOnly.beforeChrist = entry.beforeChrist;
    dateOnly.year = entry.year;
    dateOnly.month = entry.month;
    dateOnly.day = entry.day;
    dateOnly.gregorian = entry.gregorian;
    BirthMoment moment;
    const int result = checkBirthEntry(dateOnly, moment);
    if (result == EntryValid)
        date = moment.localDate;
    return result;
}

void chainTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

QString entryErrorText(const StringTable& strings, int messageId) {
    const auto tr = [](const char* text) { return QCoreApplication::translate("EntryFields", text); };
    QString range;
    switch (messageId) {
    case InvalidYear: range = tr("Years go from 5000 B.C. to A.D. 5000 (astronomical -4999 to 5000)."); break;
    case InvalidDate: range = tr("The day must exist in the month and calendar chosen."); break;
    case InvalidTime: range = tr("Hours go from 0 to 23, minutes and seconds from 0 to 59."); break;
    case InvalidLongitude: range = tr("The longitude goes up to 180\u00b0 East or West, minutes from 0 to 59."); break;
    case InvalidLatitude: range = tr("The latitude goes up to 89\u00b059' North or South."); break;
    case InvalidZone: range = tr("The zone goes up to 23:59 hours East or West of Greenwich."); break;
    default: break;
    }
    const QString message = fromCp1250(strings[messageId]);
    return range.isEmpty() ? message : message + QStringLiteral("\n") + range;
}
