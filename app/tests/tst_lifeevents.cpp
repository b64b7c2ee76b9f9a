#include <QtTest>
#include <QListWidget>
#include <QSettings>

#include "DialogDriver.h"
#include "FixedText.h"
#include "LifeEventEdit.h"
#include "ProgramFolderFixture.h"
#include "TAstroApp.h"
#include "TEventsDialog.h"
#include "TLifeEventDialog.h"

namespace {

LifeEvent lifeEvent(const char* name, int y, int m, int d) {
    LifeEvent e = newLifeEvent();
    setFixedText(e.name, name);
    e.date = CalDate(y, m, d, true);
    return e;
}

LifeEventList threeEvents() {
    LifeEventList list;
    insertLifeEvent(list, lifeEvent("School", 1981, 9, 1));
    insertLifeEvent(list, lifeEvent("Wedding", 1999, 6, 12));
    insertLifeEvent(list, lifeEvent("Move", 2005, 3, 3));
    return list;
}

QStringList lines(QDialog& d) {
    QStringList out;
    auto* list = field<QListWidget>(d, "events");
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void select(QDialog& d, int row) { field<QListWidget>(d, "events")->setCurrentRow(row); }
void click(QDialog& d, const char* button) { field<QPushButton>(d, button)->click(); }

// The event editor filled in and confirmed.
std::function<int(QDialog&)> typeEvent(const QString& name, const QString& year, const QString& month = "1",
                                       const QString& day = "1") {
    return [=](QDialog& d) {
        field<QComboBox>(d, "eventName")->setEditText(name);
        setText(d, "year", year);
        setText(d, "month", month);
        setText(d, "day", day);
        return press(d);
    };
}

}  // namespace

class TestLifeEvents : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    QTemporaryDir m_settings;

private slots:
    void initTestCase() {
        QVERIFY(startTestApp(m_folder, m_settings));
    }

    void newEventsGoInDateOrder() {
        LifeEventList list = threeEvents();
        TEventsDialog dialog(nullptr, testApp().context(), list);
        QCOMPARE(dialog.currentRow(), 0);
        FakePrompts script;
        script.steps = {typeEvent("Divorce", "2001"), typeEvent("Birth of Anna", "1999", "6", "12"),
                        [](QDialog& d) { return press(d); }};  // the defaults: 1 January 1900
        script.install();
        click(dialog, "new");
        QCOMPARE(dialog.currentRow(), 2);
        click(dialog, "new");  // same date as the wedding: after it
        QCOMPARE(dialog.currentRow(), 2);
        click(dialog, "new");
        QCOMPARE(dialog.currentRow(), 0);
        QCOMPARE(lines(dialog), (QStringList{" -> 01/01/1900   ", " -> 09/01/1981   School", " -> 06/12/1999   Wedding",
                                             " -> 06/12/1999   Birth of Anna", " -> 01/01/2001   Divorce",
                                             " -> 03/03/2005   Move"}));
        QCOMPARE(int(list.count), 3);  // not before OK
        QCOMPARE(press(dialog), int(QDialog::Accepted));
        QCOMPARE(int(list.count), 6);
        QCOMPARE(QString(list.events[3].name.data()), QString("Birth of Anna"));
    }

    void aFullListRefusesANewEvent() {
        LifeEventList list;
        for (int i = 0; i < LifeEventList::Capacity; ++i)
            insertLifeEvent(list, lifeEvent("e", 1900 + i, 1, 1));
        TEventsDialog dialog(nullptr, testApp().context(), list);
        FakePrompts script;
        script.install();
        click(dialog, "new");
        QCOMPARE(script.errors, QStringList{"No more life events can be stored"});
        QCOMPARE(script.run, 0);
        QCOMPARE(lines(dialog).size(), LifeEventList::Capacity);
    }

    void deleteSelectAndEditKeepTheirPlace() {
        LifeEventList list = threeEvents();
        TEventsDialog dialog(nullptr, testApp().context(), list);
        select(dialog, 2);
        click(dialog, "delete");  // the last one: the new last is selected
        QCOMPARE(dialog.currentRow(), 1);
        QCOMPARE(lines(dialog).size(), 2);
        click(dialog, "select");
        QCOMPARE(lines(dialog)[1], QString("     06/12/1999   Wedding"));
        click(dialog, "select");
        QCOMPARE(lines(dialog)[1], QString(" -> 06/12/1999   Wedding"));
        QCOMPARE(dialog.currentRow(), 1);

        FakePrompts script;
        script.steps = {typeEvent("School ends", "2010", "6", "15")};
        script.install();
        select(dialog, 0);
        click(dialog, "edit");  // a later date stays where it was
        QCOMPARE(lines(dialog), (QStringList{" -> 06/15/2010   School ends", " -> 06/12/1999   Wedding"}));
        QCOMPARE(dialog.currentRow(), 0);
    }

    void cancelLeavesTheListUnchanged_data() {
        QTest::addColumn<QString>("action");
        QTest::newRow("new") << "new";
        QTest::newRow("edit") << "edit";
        QTest::newRow("delete") << "delete";
        QTest::newRow("select") << "select";
    }
    void cancelLeavesTheListUnchanged() {
        QFETCH(QString, action);
        LifeEventList list = threeEvents();
        const LifeEventList before = list;
        TEventsDialog dialog(nullptr, testApp().context(), list);
        FakePrompts script;
        script.steps = {typeEvent("Changed", "1950")};
        script.install();
        select(dialog, 1);
        click(dialog, action.toLatin1().constData());
        QVERIFY(std::memcmp(&dialog.workingCopy(), &before, sizeof before) != 0);
        QCOMPARE(press(dialog, QDialogButtonBox::Cancel), int(QDialog::Rejected));
        QCOMPARE(std::memcmp(&list, &before, sizeof before), 0);
    }

    void eventEditorChecksTheDateAndKeepsItsCalendar_data() {
        QTest::addColumn<bool>("gregorian");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("message");
        QTest::newRow("year 0") << true << "0" << "5" << "1" << "Invalid year\nYears go from 5000 B.C. to A.D. 5000 (astronomical -4999 to 5000).";
        QTest::newRow("30 February") << true << "1990" << "2" << "30" << "Invalid date\nThe day must exist in the month and calendar chosen.";
        QTest::newRow("29 February 1900 Gregorian") << true << "1900" << "2" << "29" << "Invalid date\nThe day must exist in the month and calendar chosen.";
        QTest::newRow("29 February 1900 Julian") << false << "1900" << "2" << "29" << "";
    }
    void eventEditorChecksTheDateAndKeepsItsCalendar() {
        QFETCH(bool, gregorian);
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, message);
        LifeEvent e = lifeEvent("Old name", 1980, 1, 1);
        e.date.gregorian = gregorian ? 1 : 0;
        const LifeEvent before = e;
        TLifeEventDialog dialog(nullptr, testApp().context(), e);
        FakePrompts script;
        script.install();
        const int result = typeEvent("New name", year, month, day)(dialog);
        if (message.isEmpty()) {
            QCOMPARE(result, int(QDialog::Accepted));
            QCOMPARE(QString(e.name.data()), QString("New name"));
            QCOMPARE(int(e.date.day), day.toInt());
            QCOMPARE(int(e.date.gregorian), 0);
            QVERIFY(script.errors.isEmpty());
        } else {
            QCOMPARE(result, -1);
            QCOMPARE(script.errors, QStringList{message});
            QCOMPARE(std::memcmp(&e, &before, sizeof e), 0);
        }
    }

    void eventEditorShowsBcYearsInTheirEra() {
        LifeEvent e = lifeEvent("Battle", -43, 3, 15);
        TLifeEventDialog dialog(nullptr, testApp().context(), e);
        QCOMPARE(field<QComboBox>(dialog, "era")->currentIndex(), 0);
        QCOMPARE(field<QLineEdit>(dialog, "year")->text(), QString("44"));
        QCOMPARE(press(dialog), int(QDialog::Accepted));
        QCOMPARE(int(e.date.year), -43);
    }

    void enterInTheNameFieldConfirms() {
        LifeEvent e = lifeEvent("", 1980, 1, 1);
        TLifeEventDialog dialog(nullptr, testApp().context(), e);
        dialog.setResult(-1);
        auto* name = field<QComboBox>(dialog, "eventName");
        QTest::keyClicks(name, "Exam");
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QString(e.name.data()), QString("Exam"));
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestLifeEvents test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_lifeevents.moc"
