#include <QtTest>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSettings>

#include "ChartBlocks.h"
#include "CommandIds.h"
#include "DialogDriver.h"
#include "FixedText.h"
#include "HoroscopeFile.h"
#include "ProgramFolderFixture.h"
#include "RadixData.h"
#include "SettingsFile.h"
#include "TAstroApp.h"
#include "TestApp.h"
#include "CommandTable.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TAstroStatusBar.h"
#include "TBirthDialog.h"
#include "TPrefixDialog.h"
#include "TRadixWindow.h"
#include "TTownsDialog.h"

namespace {

TAstroClient* client() { return testFrame().client(); }
CommandTable* commands() { return testFrame().commands(); }
AppState& state() { return testApp().state(); }

// A birth typed into the dialog: 17 May 1975, 14:30:15, zone 1:00 East, 19°05'E 47°30'N.
void typeBirth(QDialog& d) {
    setText(d, "name", "Kiss Anna");
    choose(d, "sex", 1);
    choose(d, "era", 1);
    setText(d, "year", "1975");
    setText(d, "month", "5");
    setText(d, "day", "17");
    setText(d, "hour", "14");
    setText(d, "minute", "30");
    setText(d, "second", "15");
    choose(d, "calendar", 1);
    choose(d, "timeKind", 2);
    setText(d, "zoneHours", "1");
    setText(d, "zoneMinutes", "0");
    setText(d, "zoneLetter", "E");
    setText(d, "lonDegrees", "19");
    setText(d, "lonMinutes", "5");
    setText(d, "lonLetter", "E");
    setText(d, "latDegrees", "47");
    setText(d, "latMinutes", "30");
    setText(d, "latLetter", "N");
}

RadixData chartRecord(const char* name) {
    RadixData r;
    setFixedText(r.name, name);
    setFixedText(r.horType, "radix");
    r.moment = BirthMoment(CalDate(1990, 7, 1, true), ClockTime{12, 0, 0}, GeoAngle(19, 5, 0, false),
                           GeoAngle(47, 30, 0, false), TimeZone, 2, 0, false);
    r.moment.localToUniversal();
    return r;
}

// Picks the first town the search text finds, through the prefix and the towns dialogs.
QList<std::function<int(QDialog&)>> pickTown(const QString& search) {
    return {[search](QDialog& d) {
                setText(d, "", search);  // the prefix dialog's only edit
                return press(d);
            },
            [](QDialog& d) { return press(d); }};
}

}  // namespace

class TestPersonalData : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    QTemporaryDir m_settings;

private slots:
    void initTestCase() {
        QVERIFY(startTestApp(m_folder, m_settings, addTownFiles));
    }
    void cleanup() {
        client()->closeAllCharts();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void newChartFromTypedDataEqualsTheCommandLineChart() {
        FakePrompts script;
        script.steps = {[](QDialog& d) {
            typeBirth(d);
            return press(d);
        }};
        script.install();
        commands()->dispatch(CM_NEW);
        QVERIFY(script.allRun());
        QCOMPARE(client()->charts().size(), 1);
        TRadixWindow* w = client()->charts().first();
        QVERIFY(w->isUntitled());
        QVERIFY(w->isModified());
        QVERIFY(w->windowTitle().startsWith("* Kiss Anna, radix; (Untitled)"));

        QProcess cli;
        cli.start(qEnvironmentVariable("ZDK_PROGRAM_DIR") + "/zodikeon-cli",
                  {"chart", "--json", "--name", "Kiss Anna", "--sex", "female", "--date", "1975-5-17", "--time",
                   "14:30:15", "--zone", "+1:00", "--lon", QString::number(19 + 5 / 60.0, 'f', 12), "--lat", "47.5"});
        QVERIFY(cli.waitForFinished(20000));
        QCOMPARE(cli.exitCode(), 0);
        const QJsonObject json = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        const BirthMoment& m = w->chart().moment;
        const QJsonObject moment = json["moment"].toObject();
        QCOMPARE(json["name"].toString(), QString("Kiss Anna"));
        QCOMPARE(json["horType"].toString(), QString::fromLatin1(w->chart().horType.data()));
        const QJsonObject ut = moment["utDate"].toObject();
        const QJsonObject utTime = moment["utTime"].toObject();
        QCOMPARE(ut["year"].toInt(), int(m.utDate.year));
        QCOMPARE(ut["month"].toInt(), int(m.utDate.month));
        QCOMPARE(ut["day"].toInt(), int(m.utDate.day));
        QCOMPARE(utTime["hour"].toInt(), int(m.utTime.hour));
        QCOMPARE(utTime["minute"].toInt(), int(m.utTime.minute));
        QCOMPARE(utTime["second"].toDouble(), double(m.utTime.second));
        QCOMPARE(moment["longitude"].toDouble(), std::round(m.longitude.decimal() * 1e9) / 1e9);
        QCOMPARE(moment["latitude"].toDouble(), m.latitude.decimal());
        QCOMPARE(moment["timeKind"].toInt(), int(m.timeKind));
        QCOMPARE(moment["sex"].toInt(), int(m.sex));
        QCOMPARE(int(m.utTime.hour), 13);
    }

    void entryChecksShowTheFirstFailingGroup_data() {
        QTest::addColumn<QStringList>("edits");  // "field=value", "calendar=0" chooses a list item
        QTest::addColumn<QString>("message");
        QTest::newRow("year 0") << QStringList{"year=0"} << "Invalid year\nYears go from 5000 B.C. to A.D. 5000 (astronomical -4999 to 5000).";
        QTest::newRow("year 0 BC") << QStringList{"era=0", "year=0"} << "Invalid year\nYears go from 5000 B.C. to A.D. 5000 (astronomical -4999 to 5000).";
        QTest::newRow("year beyond 5000") << QStringList{"year=5001"} << "Invalid year\nYears go from 5000 B.C. to A.D. 5000 (astronomical -4999 to 5000).";
        QTest::newRow("29 Feb 1900 Gregorian") << QStringList{"year=1900", "month=2", "day=29"} << "Invalid date\nThe day must exist in the month and calendar chosen.";
        QTest::newRow("month 13") << QStringList{"month=13"} << "Invalid date\nThe day must exist in the month and calendar chosen.";
        QTest::newRow("hour 24") << QStringList{"hour=24"} << "Invalid time\nHours go from 0 to 23, minutes and seconds from 0 to 59.";
        QTest::newRow("longitude 181") << QStringList{"lonDegrees=181"} << "Invalid geographic longitude\nThe longitude goes up to 180° East or West, minutes from 0 to 59.";
        QTest::newRow("longitude letter missing") << QStringList{"lonLetter="} << "Invalid geographic longitude\nThe longitude goes up to 180° East or West, minutes from 0 to 59.";
        QTest::newRow("latitude 90") << QStringList{"latDegrees=90"} << "Invalid geographic latitude\nThe latitude goes up to 89°59' North or South.";
        QTest::newRow("zone minutes 60") << QStringList{"zoneMinutes=60"} << "Invalid zone time\nThe zone goes up to 23:59 hours East or West of Greenwich.";
        // Several faults at once: the first in the order year, date, time, longitude, latitude, zone.
        QTest::newRow("date before time") << QStringList{"hour=25", "day=32"} << "Invalid date\nThe day must exist in the month and calendar chosen.";
        QTest::newRow("latitude before zone") << QStringList{"zoneHours=24", "latMinutes=60"} << "Invalid geographic latitude\nThe latitude goes up to 89°59' North or South.";
        QTest::newRow("time before longitude") << QStringList{"lonMinutes=75", "minute=60"} << "Invalid time\nHours go from 0 to 23, minutes and seconds from 0 to 59.";
    }
    void entryChecksShowTheFirstFailingGroup() {
        QFETCH(QStringList, edits);
        QFETCH(QString, message);
        RadixData r = chartRecord("Check");
        LifeEventList events;
        const RadixData before = r;
        TBirthDialog dialog(nullptr, testApp().context(), r, events);
        FakePrompts script;
        script.install();
        typeBirth(dialog);
        for (const QString& e : edits) {
            const QString name = e.section('=', 0, 0);
            const QString value = e.section('=', 1);
            if (auto* combo = dialog.findChild<QComboBox*>(name); combo && name != "horType")
                combo->setCurrentIndex(value.toInt());
            else
                setText(dialog, name.toLatin1().constData(), value);
        }
        QCOMPARE(press(dialog), -1);  // stays open
        QCOMPARE(script.errors, QStringList{message});
        QCOMPARE(std::memcmp(&r, &before, RadixPersonalSize), 0);
    }

    void yearOneBcAndJulianLeapDayAreAccepted() {
        RadixData r = chartRecord("Ancient");
        LifeEventList events;
        TBirthDialog dialog(nullptr, testApp().context(), r, events);
        FakePrompts script;
        script.install();
        typeBirth(dialog);
        choose(dialog, "era", 0);
        setText(dialog, "year", "1");
        choose(dialog, "calendar", 0);
        QCOMPARE(press(dialog), int(QDialog::Accepted));
        QCOMPARE(int(r.moment.localDate.year), 0);
        QCOMPARE(int(r.moment.localDate.gregorian), 0);

        TBirthDialog leap(nullptr, testApp().context(), r, events);
        typeBirth(leap);
        setText(leap, "year", "1900");
        setText(leap, "month", "2");
        setText(leap, "day", "29");
        choose(leap, "calendar", 0);
        QCOMPARE(press(leap), int(QDialog::Accepted));
        QVERIFY(script.errors.isEmpty());
        QCOMPARE(int(r.moment.localDate.day), 29);
    }

    void zoneFieldsAreNotCheckedWhileDisabled() {
        RadixData r = chartRecord("Lmt");
        LifeEventList events;
        TBirthDialog dialog(nullptr, testApp().context(), r, events);
        FakePrompts script;
        script.install();
        setText(dialog, "zoneHours", "99");
        choose(dialog, "timeKind", 1);  // the zone cannot be corrected now: it is not used
        QVERIFY(!field<QLineEdit>(dialog, "zoneHours")->isEnabled());
        QCOMPARE(press(dialog), int(QDialog::Accepted));
        QVERIFY(script.errors.isEmpty());
        QCOMPARE(int(r.moment.timeKind), 1);
        QCOMPARE(int(r.moment.zoneHours), 2);  // the zone the chart had
    }

    void notesKeepWindowsLineEndsAndTheirLimit() {
        RadixData r = chartRecord("Notes");
        LifeEventList events;
        TBirthDialog dialog(nullptr, testApp().context(), r, events);
        auto* notes = field<QPlainTextEdit>(dialog, "notes");
        notes->setPlainText(QString(1990, 'x') + "\n\n\nmore");
        // Each line end takes two bytes when stored: 1990 + 6 + 3 = 1999.
        QCOMPARE(notes->toPlainText(), QString(1990, 'x') + "\n\n\nmor");
        QCOMPARE(press(dialog), int(QDialog::Accepted));
        QCOMPARE(std::strlen(r.notes.data()), std::size_t(1999));
        QVERIFY(QByteArray(r.notes.data()).endsWith("x\r\n\r\n\r\nmor"));
        TBirthDialog again(nullptr, testApp().context(), r, events);
        QCOMPARE(field<QPlainTextEdit>(again, "notes")->toPlainText(), QString(1990, 'x') + "\n\n\nmor");
    }

    void emptyNameAndTypeStoreTheirPlaceholders() {
        RadixData r = chartRecord("Someone");
        LifeEventList events;
        TBirthDialog dialog(nullptr, testApp().context(), r, events);
        setText(dialog, "name", "");
        field<QComboBox>(dialog, "horType")->setEditText("");
        QCOMPARE(press(dialog), int(QDialog::Accepted));
        QCOMPARE(QString(r.name.data()), QString("(no name)"));
        QCOMPARE(QString(r.horType.data()), QString("(no type)"));
    }

    void townChoiceSetsTheZoneOfTheBirthDate_data() {
        QTest::addColumn<QString>("date");  // year-month-day
        QTest::addColumn<int>("timeKind");
        QTest::addColumn<int>("zoneHours");
        QTest::addColumn<bool>("blinks");
        QTest::newRow("summer time") << "1990-7-1" << 2 << 2 << true;
        QTest::newRow("winter time, zone unchanged") << "1990-1-15" << 2 << 1 << false;
        QTest::newRow("before standard time: local mean time") << "1850-6-1" << 1 << 1 << false;
    }
    void townChoiceSetsTheZoneOfTheBirthDate() {
        QFETCH(QString, date);
        QFETCH(int, timeKind);
        QFETCH(int, zoneHours);
        QFETCH(bool, blinks);
        RadixData r = chartRecord("Town");
        LifeEventList events;
        TBirthDialog dialog(nullptr, testApp().context(), r, events);
        typeBirth(dialog);  // zone time 1:00 East
        setText(dialog, "year", date.section('-', 0, 0));
        setText(dialog, "month", date.section('-', 1, 1));
        setText(dialog, "day", date.section('-', 2, 2));
        FakePrompts script;
        script.steps = pickTown("budapest");
        script.install();
        field<QPushButton>(dialog, "townButton")->click();
        QVERIFY(script.allRun());
        QVERIFY(field<QLineEdit>(dialog, "town")->text().startsWith("Budapest"));
        QCOMPARE(field<QLineEdit>(dialog, "lonDegrees")->text(), QString("19"));
        QCOMPARE(field<QLineEdit>(dialog, "latDegrees")->text(), QString("47"));
        QCOMPARE(field<QComboBox>(dialog, "timeKind")->currentIndex(), timeKind);
        QCOMPARE(field<QLineEdit>(dialog, "zoneHours")->text(), QString::number(zoneHours));
        QCOMPARE(field<QLineEdit>(dialog, "zoneLetter")->isEnabled(), timeKind == 2);
        QCOMPARE(dialog.blinkCounter() > 0, blinks);
        QCOMPARE(press(dialog), int(QDialog::Accepted));
        QVERIFY(QString(r.moment.town.data()).startsWith("Budapest"));
        QCOMPARE(int(r.moment.timeKind), timeKind);
        QCOMPARE(int(r.moment.zoneHours), zoneHours);
    }

    void commonTownNamesPickTheCity_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("town");
        QTest::addColumn<int>("zoneHours");  // on 1 July 1990
        QTest::addColumn<QString>("zoneLetter");
        QTest::newRow("London") << "London" << "London, United Kingdom" << 1 << "E";
        QTest::newRow("Paris") << "Paris" << "Paris, France" << 2 << "E";
        QTest::newRow("Moscow") << "Moscow" << "Moscow, Russia" << 4 << "E";
        QTest::newRow("Sydney") << "Sydney" << "Sydney, Australia" << 10 << "E";
        QTest::newRow("Toronto") << "Toronto" << "Toronto, Canada" << 4 << "W";
        QTest::newRow("Los Angeles") << "Los Angeles" << "Los Angeles, United States" << 7 << "W";
    }
    void commonTownNamesPickTheCity() {
        QFETCH(QString, typed);
        QFETCH(QString, town);
        QFETCH(int, zoneHours);
        QFETCH(QString, zoneLetter);
        RadixData r = chartRecord("City");
        LifeEventList events;
        TBirthDialog dialog(nullptr, testApp().context(), r, events);
        FakePrompts script;
        script.steps = pickTown(typed);
        script.install();
        field<QPushButton>(dialog, "townButton")->click();
        QVERIFY(script.allRun());
        QCOMPARE(field<QLineEdit>(dialog, "town")->text(), town);
        QCOMPARE(field<QLineEdit>(dialog, "zoneHours")->text(), QString::number(zoneHours));
        QCOMPARE(field<QLineEdit>(dialog, "zoneLetter")->text(), zoneLetter);
    }

    void clockChangeIsToldBesideTheZone_data() {
        QTest::addColumn<QString>("date");  // year-month-day
        QTest::addColumn<QString>("time");  // hour:minute
        QTest::addColumn<QString>("note");  // a part of the note, or empty for none
        QTest::addColumn<int>("zoneHours");
        QTest::newRow("spring forward: 02:30 never happened") << "2018-3-25" << "2:30" << "did not exist" << 2;
        QTest::newRow("fall back: 02:30 happened twice") << "2018-10-28" << "2:30" << "occurred twice" << 2;
        QTest::newRow("an hour after the change") << "2018-10-28" << "3:30" << "" << 1;
        QTest::newRow("a summer afternoon") << "2018-7-1" << "15:00" << "Summer time is in force" << 2;
        QTest::newRow("a summer without summer time") << "1975-7-1" << "15:00" << "" << 1;
    }
    void clockChangeIsToldBesideTheZone() {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, note);
        QFETCH(int, zoneHours);
        RadixData r = chartRecord("Change");
        LifeEventList events;
        TBirthDialog dialog(nullptr, testApp().context(), r, events);
        FakePrompts script;
        script.steps = pickTown("Budapest");
        script.install();
        field<QPushButton>(dialog, "townButton")->click();
        setText(dialog, "year", date.section('-', 0, 0));
        setText(dialog, "month", date.section('-', 1, 1));
        setText(dialog, "day", date.section('-', 2, 2));
        setText(dialog, "hour", time.section(':', 0, 0));
        setText(dialog, "minute", time.section(':', 1, 1));
        QLabel* label = field<QLabel>(dialog, "zoneNote");
        QCOMPARE(field<QLineEdit>(dialog, "zoneHours")->text(), QString::number(zoneHours));
        QCOMPARE(!label->isHidden(), !note.isEmpty());
        QVERIFY2(label->text().contains(note), qPrintable(label->text()));
        const bool change = note == "did not exist" || note == "occurred twice";
        if (change)
            QVERIFY2(label->text().contains("+02:00 CEST is applied"), qPrintable(label->text()));
        else if (!note.isEmpty())
            QVERIFY2(label->text().contains("+02:00 CEST"), qPrintable(label->text()));
        // Either change offers the other offset: a clock not yet put forward read the skipped hour.
        QPushButton* other = field<QPushButton>(dialog, "otherOffset");
        QCOMPARE(!other->isHidden(), change);
        if (change)
            QVERIFY2(other->text().contains("+01:00 CET"), qPrintable(other->text()));
    }

    void repeatedHourTakesTheOtherOffset() {
        RadixData r = chartRecord("Repeated");
        LifeEventList events;
        TBirthDialog dialog(nullptr, testApp().context(), r, events);
        FakePrompts script;
        script.steps = pickTown("Budapest");
        script.install();
        field<QPushButton>(dialog, "townButton")->click();
        setText(dialog, "year", "2018");
        setText(dialog, "month", "10");
        setText(dialog, "day", "28");
        setText(dialog, "hour", "2");
        setText(dialog, "minute", "30");
        QPushButton* other = field<QPushButton>(dialog, "otherOffset");
        QVERIFY(other->text().contains("+01:00 CET"));
        other->click();
        QCOMPARE(field<QLineEdit>(dialog, "zoneHours")->text(), QString("1"));
        QVERIFY(field<QLabel>(dialog, "zoneNote")->text().contains("+01:00 CET is applied"));
        QVERIFY(other->text().contains("+02:00 CEST"));
        setText(dialog, "zoneHours", "3");  // an offset typed by hand is the one applied
        QVERIFY(field<QLabel>(dialog, "zoneNote")->text().contains("+03:00 is applied"));
        setText(dialog, "zoneHours", "1");
        QVERIFY(field<QLabel>(dialog, "zoneNote")->text().contains("+01:00 CET is applied"));
        QCOMPARE(press(dialog), int(QDialog::Accepted));
        QCOMPARE(int(r.moment.zoneHours), 1);
        QCOMPARE(int(r.moment.utTime.hour), 1);  // 02:30 CET is 01:30 UT, an hour after 02:30 CEST
        QCOMPARE(int(r.moment.utTime.minute), 30);
    }

    void changedZoneBlinksFiveTimesAndEndsVisible() {
        RadixData r = chartRecord("Blink");
        LifeEventList events;
        TBirthDialog dialog(nullptr, testApp().context(), r, events);
        // The blinking is driven tick by tick here, so a slow machine cannot skip or add one.
        auto* timer = dialog.findChild<QTimer*>("blinkTimer");
        QVERIFY(timer);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 100);
        timer->stop();
        FakePrompts script;
        script.steps = pickTown("Budapest");
        script.install();
        field<QPushButton>(dialog, "townButton")->click();  // 1 July 1990 keeps +2:00: no blink
        QCOMPARE(dialog.blinkCounter(), 0);
        setText(dialog, "month", "12");  // a winter date of the same town
        QCOMPARE(field<QLineEdit>(dialog, "zoneHours")->text(), QString("1"));
        QCOMPARE(dialog.blinkCounter(), TBirthDialog::BlinkTicks);
        const QList<QLineEdit*> zone = {field<QLineEdit>(dialog, "zoneHours"), field<QLineEdit>(dialog, "zoneMinutes"),
                                        field<QLineEdit>(dialog, "zoneLetter")};
        QString seen;  // one letter a tick: + shown, - hidden
        for (int tick = 0; tick < TBirthDialog::BlinkTicks + 3; ++tick) {
            QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
            const bool hidden = zone[0]->isHidden();
            for (QLineEdit* edit : zone)
                QCOMPARE(edit->isHidden(), hidden);
            seen += hidden ? '-' : '+';
        }
        QCOMPARE(seen, QString("-+-+-+-+-++++"));  // five times off and on, then it stays
        QCOMPARE(dialog.blinkCounter(), 0);
        dialog.reject();
    }

    void greenwichTimeIgnoresDateEdits() {
        RadixData r = chartRecord("Gmt");
        LifeEventList events;
        TBirthDialog dialog(nullptr, testApp().context(), r, events);
        FakePrompts script;
        script.steps = pickTown("Budapest");
        script.install();
        field<QPushButton>(dialog, "townButton")->click();
        choose(dialog, "timeKind", 0);
        setText(dialog, "month", "12");
        QCOMPARE(field<QComboBox>(dialog, "timeKind")->currentIndex(), 0);
        QCOMPARE(field<QLineEdit>(dialog, "zoneHours")->text(), QString("2"));
        QVERIFY(!field<QLineEdit>(dialog, "zoneHours")->isEnabled());
        QCOMPARE(dialog.blinkCounter(), 0);
    }

    void cancelledTownListKeepsTheTownShown() {
        RadixData r = chartRecord("Keep");
        LifeEventList events;
        TBirthDialog dialog(nullptr, testApp().context(), r, events);
        FakePrompts script;
        script.steps = pickTown("Budapest");
        script.steps << [](QDialog& d) {
            setText(d, "", "Zzzzqx");
            return press(d);
        } << [](QDialog& d) {
            // Nothing matches: OK is disabled, only Cancel is left.
            [&] { QVERIFY(!field<QPushButton>(d, "edit")->isEnabled()); }();
            return press(d, QDialogButtonBox::Cancel);
        };
        script.install();
        field<QPushButton>(dialog, "townButton")->click();
        const TownRecord* chosen = dialog.currentTown();
        QVERIFY(chosen);
        field<QPushButton>(dialog, "townButton")->click();
        QVERIFY(script.allRun());
        QVERIFY(field<QLineEdit>(dialog, "town")->text().startsWith("Budapest"));
        QCOMPARE(dialog.currentTown(), chosen);
        QCOMPARE(testApp().context().memory.townPrefix, QString("Zzzzqx"));
    }

    void townButtonChecksTheEntryFirst() {
        RadixData r = chartRecord("Invalid");
        LifeEventList events;
        TBirthDialog dialog(nullptr, testApp().context(), r, events);
        setText(dialog, "year", "0");
        FakePrompts script;
        script.install();
        field<QPushButton>(dialog, "townButton")->click();
        QCOMPARE(script.errors, QStringList{"Invalid year\nYears go from 5000 B.C. to A.D. 5000 (astronomical -4999 to 5000)."});
        QCOMPARE(script.run, 0);  // no prefix dialog
    }

    void defaultTownButtonStoresTheShownTown() {
        RadixData r = chartRecord("Default");
        LifeEventList events;
        TBirthDialog dialog(nullptr, testApp().context(), r, events);
        setFixedText(state().Options.default_town, "Old Town");
        field<QPushButton>(dialog, "defaultTown")->click();  // no town shown: nothing changes
        QCOMPARE(QString(state().Options.default_town.data()), QString("Old Town"));
        FakePrompts script;
        script.steps = pickTown("Szeged");
        script.install();
        field<QPushButton>(dialog, "townButton")->click();
        field<QPushButton>(dialog, "defaultTown")->click();
        QVERIFY(QString(state().Options.default_town.data()).startsWith("Szeged"));
        TOptions reread;
        ReadSettings(reread, state().ProgramFolder);
        QCOMPARE(QString(reread.default_town.data()), QString(state().Options.default_town.data()));
    }

    void newChartStartsInTheDefaultTownAndCancelOpensNothing() {
        setFixedText(state().Options.default_town, "Budapest");
        FakePrompts script;
        script.steps = {[](QDialog& d) {
            auto& birth = static_cast<TBirthDialog&>(d);
            [&] {
                QVERIFY(QString(birth.workingMoment().town.data()).startsWith("Budapest"));
                QCOMPARE(field<QLineEdit>(d, "lonDegrees")->text(), QString("19"));
                QCOMPARE(field<QComboBox>(d, "horType")->currentText(), QString("radix"));
                // The dialog is never shown here, so ask which child takes the focus when it is.
                QCOMPARE(d.focusWidget(), static_cast<QWidget*>(field<QLineEdit>(d, "name")));
            }();
            return press(d, QDialogButtonBox::Cancel);
        }};
        script.install();
        commands()->dispatch(CM_NEW);
        QVERIFY(script.allRun());
        QVERIFY(client()->charts().isEmpty());
        setFixedText(state().Options.default_town, "");
    }

    void personalDataChangesTheActiveChart() {
        auto* w = TRadixWindow::fromData(testApp().context(), chartRecord("Before"), ChartBlocks{});
        client()->addChart(w);
        QVERIFY(commands()->action(CM_PERSONALDATA)->isEnabled());
        const double sunBefore = w->chart().lon[0];
        FakePrompts script;
        script.steps = {[](QDialog& d) { return press(d, QDialogButtonBox::Cancel); },
                        [](QDialog& d) {
                            setText(d, "name", "After");
                            setText(d, "month", "1");
                            return press(d);
                        }};
        script.install();
        commands()->dispatch(CM_PERSONALDATA);
        QCOMPARE(QString(w->chart().name.data()), QString("Before"));
        commands()->dispatch(CM_PERSONALDATA);
        QCOMPARE(QString(w->chart().name.data()), QString("After"));
        QCOMPARE(int(w->chart().moment.localDate.month), 1);
        QVERIFY(w->chart().lon[0] != sunBefore);  // recomputed
        QVERIFY(w->isModified());
        QVERIFY(w->windowTitle().startsWith("* After"));
        QCOMPARE(testFrame().astroStatusBar()->fieldText(0), QString("After"));
    }

    void lifeEventsOfAnOpenChartChangeOnTheirOwnOk() {
        const QString path = m_folder.path() + "/horo/events.hor";
        QVERIFY(WriteHoroscopeFile(path.toStdString(), state().Strings, chartRecord("Events"), ChartBlocks{}));
        auto* w = TRadixWindow::fromFile(testApp().context(), path);
        QVERIFY(w);
        client()->addChart(w);
        QVERIFY(!w->isModified());
        FakePrompts script;
        script.steps = {[](QDialog& d) {
                            field<QPushButton>(d, "lifeEvents")->click();
                            return press(d, QDialogButtonBox::Cancel);
                        },
                        [](QDialog& d) {
                            field<QPushButton>(d, "new")->click();
                            return press(d);
                        },
                        [](QDialog& d) {
                            field<QComboBox>(d, "eventName")->setEditText("Wedding");
                            return press(d);
                        }};
        script.install();
        commands()->dispatch(CM_PERSONALDATA);
        QVERIFY(script.allRun());
        // The list dialog's OK changed the chart's list; the cancelled personal data did not undo it.
        QCOMPARE(int(w->blocks().lifeEvents.count), 1);
        QCOMPARE(QString(w->blocks().lifeEvents.events[0].name.data()), QString("Wedding"));
        QVERIFY(w->isModified());  // so that closing the chart asks to save them
    }

    void newChartTakesItsLifeEventsOnlyOnOk() {
        FakePrompts script;
        script.steps = {[](QDialog& d) {
                            typeBirth(d);
                            field<QPushButton>(d, "lifeEvents")->click();
                            return press(d);
                        },
                        [](QDialog& d) {
                            field<QPushButton>(d, "new")->click();
                            field<QPushButton>(d, "new")->click();
                            return press(d);
                        },
                        [](QDialog& d) {
                            field<QComboBox>(d, "eventName")->setEditText("School");
                            setText(d, "year", "1981");
                            return press(d);
                        },
                        [](QDialog& d) {
                            field<QComboBox>(d, "eventName")->setEditText("Birth of a son");
                            setText(d, "year", "1979");
                            return press(d);
                        }};
        script.install();
        commands()->dispatch(CM_NEW);
        QVERIFY(script.allRun());
        QCOMPARE(client()->charts().size(), 1);
        const LifeEventList& list = client()->charts().first()->blocks().lifeEvents;
        QCOMPARE(int(list.count), 2);
        QCOMPARE(QString(list.events[0].name.data()), QString("Birth of a son"));
        QCOMPARE(QString(list.events[1].name.data()), QString("School"));
    }

    void newChartIsSavedAndOpensWithTheSameData() {
        FakePrompts script;
        script.steps = {[](QDialog& d) {
                            typeBirth(d);
                            field<QPlainTextEdit>(d, "notes")->setPlainText("first line\nsecond line");
                            field<QPushButton>(d, "townButton")->click();
                            field<QPushButton>(d, "lifeEvents")->click();
                            return press(d);
                        }};
        script.steps << pickTown("Debrecen");
        script.steps << [](QDialog& d) {
            field<QPushButton>(d, "new")->click();
            field<QPushButton>(d, "new")->click();
            return press(d);
        } << [](QDialog& d) {
            field<QComboBox>(d, "eventName")->setEditText("Graduation");
            setText(d, "year", "1997");
            return press(d);
        } << [](QDialog& d) {
            field<QComboBox>(d, "eventName")->setEditText("Wedding");
            setText(d, "year", "2001");
            return press(d);
        };
        script.install();
        commands()->dispatch(CM_NEW);
        QVERIFY(script.allRun());
        TRadixWindow* w = client()->charts().first();
        const QString path = m_folder.path() + "/horo/reopen.hor";
        script.chooseFile = [](const FakePrompts::FileRequest& r) { return QFileInfo(r.start).dir().filePath("reopen.hor"); };
        QVERIFY(w->save());
        const RadixData saved = w->chart();
        const ChartBlocks blocks = w->blocks();
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        std::unique_ptr<TRadixWindow> opened(TRadixWindow::fromFile(testApp().context(), path));
        QVERIFY(opened);
        QCOMPARE(std::memcmp(&opened->chart(), &saved, RadixPersonalSize), 0);
        QCOMPARE(std::memcmp(&opened->blocks().lifeEvents, &blocks.lifeEvents, sizeof(LifeEventList)), 0);
        QVERIFY(QString(opened->chart().moment.town.data()).startsWith("Debrecen"));
        QCOMPARE(QString(opened->chart().notes.data()), QString("first line\r\nsecond line"));
        QCOMPARE(int(opened->blocks().lifeEvents.count), 2);
        QCOMPARE(QString(opened->blocks().lifeEvents.events[1].name.data()), QString("Wedding"));
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestPersonalData test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_personaldata.moc"
