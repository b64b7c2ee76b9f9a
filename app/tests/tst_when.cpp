// Returns, progressions and the midtime chart as a person reaches them: the Direction settings
// dialog storing into the options and the active chart, the commands opening windows of their
// types, the progression shifter stepping the active progressions window, and its placement.
#include <QtTest>
#include <QCheckBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "ChartDirectionOptions.h"
#include "CommandIds.h"
#include "CommandTable.h"
#include "DialogDriver.h"
#include "FixedText.h"
#include "HoroscopeFile.h"
#include "Midtime.h"
#include "ProgramFolderFixture.h"
#include "RadixData.h"
#include "TAstroApp.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TAstroStatusBar.h"
#include "TDatabaseDialog.h"
#include "THoroComboBox.h"
#include "TProgressionShifter.h"
#include "TRadixWindow.h"
#include "TestApp.h"
#include "WindowPlacementQt.h"

namespace {

TAstroClient* client() { return testFrame().client(); }
CommandTable* commands() { return testFrame().commands(); }
AppState& state() { return testApp().state(); }
TOptions& options() { return state().Options; }
TAstroStatusBar* statusBar() { return testFrame().astroStatusBar(); }

ChartDirectionSettings directions(bool truesolar, bool onequ, int degrees, int minutes, double seconds, int type) {
    ChartDirectionSettings s;
    s.truesolar = truesolar;
    s.onequ = onequ;
    s.angleDegrees = static_cast<std::int16_t>(degrees);
    s.angleMinutes = static_cast<std::uint8_t>(minutes);
    s.angleSeconds = seconds;
    s.type = static_cast<std::uint8_t>(type);
    return s;
}

QString dateOf(const CalDate& d) { return QString::asprintf("%d-%02d-%02d", d.year, d.month, d.day); }

// The Direction settings dialog filled in with `s` and `follow`, then OK (or Cancel).
std::function<int(QDialog&)> fillDirections(ChartDirectionSettings s, bool follow, bool ok = true) {
    return [s, follow, ok](QDialog& d) {
        field<QCheckBox>(d, "truesolar")->setChecked(s.truesolar);
        field<QCheckBox>(d, "onequ")->setChecked(s.onequ);
        field<QSpinBox>(d, "keyDegrees")->setValue(s.angleDegrees);
        field<QSpinBox>(d, "keyMinutes")->setValue(s.angleMinutes);
        field<QDoubleSpinBox>(d, "keySeconds")->setValue(s.angleSeconds);
        choose(d, "type", s.type);
        field<QCheckBox>(d, "dirkeyasgntohoro")->setChecked(follow);
        return press(d, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
    };
}

// The Progressions dialog: the target date and the kind, then OK.
std::function<int(QDialog&)> progressTo(QDate target, ProgressionKind kind, bool quotidian = false) {
    return [target, kind, quotidian](QDialog& d) {
        field<QDateEdit>(d, "target")->setDate(target);
        field<QRadioButton>(d, kind == ProgressionKind::Secondary ? "secondary" : "tertiary")->click();
        field<QCheckBox>(d, "quotidian")->setChecked(quotidian);
        return press(d);
    };
}

}  // namespace

Q_DECLARE_METATYPE(ChartDirectionSettings)

class TestWhen : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    QTemporaryDir m_settings;

    QString saveChart(const char* name, QDate date, int hour, const ChartDirectionSettings& dirs = {}) {
        RadixData r;
        setFixedText(r.name, name);
        setFixedText(r.horType, "radix");
        r.moment = BirthMoment(CalDate(date.year(), date.month(), date.day(), true),
                               ClockTime{static_cast<std::uint8_t>(hour), 0, 0.0}, GeoAngle(19, 5, 0, false),
                               GeoAngle(47, 30, 0, false), TimeGMT, 0, 0, false);
        r.moment.localToUniversal();
        ChartBlocks blocks;
        blocks.directions = dirs;
        const QString path = m_folder.path() + QStringLiteral("/horo/%1.hor").arg(QLatin1String(name));
        return WriteHoroscopeFile(path.toStdString(), state().Strings, r, blocks) ? path : QString();
    }
    // A natal chart in Greenwich time, saved and opened: unchanged until something edits it.
    TRadixWindow* openChart(const char* name, QDate date = QDate(1980, 7, 1), int hour = 10,
                            const ChartDirectionSettings& dirs = {}) {
        TRadixWindow* w = TRadixWindow::fromFile(testApp().context(), saveChart(name, date, hour, dirs));
        if (w)
            client()->addChart(w);
        return w;
    }
    TRadixWindow* openProgressions(QDate target, ProgressionKind kind = ProgressionKind::Secondary) {
        FakePrompts script;
        script.steps = {progressTo(target, kind)};
        script.install();
        commands()->dispatch(CM_PROGRESSIONS);
        return script.allRun() ? client()->activeChart() : nullptr;
    }
    TProgressionShifter* showShifter() {
        if (!testFrame().progressionShifterVisible())
            commands()->dispatch(CM_PROGRESSIONSHIFTER);
        return testFrame().progressionShifter();
    }
    static void activate(TRadixWindow* w) {
        client()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(w->parentWidget()));
    }

private slots:
    void initTestCase() {
        QVERIFY(startTestApp(m_folder, m_settings));
        QVERIFY(QTest::qWaitForWindowExposed(&testFrame()));
    }
    void cleanup() {
        client()->closeAllCharts();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        testFrame().showProgressionShifter(false, true);
        options().window_placements[PlacementProgressionShifter] = WindowPlacement{};
        setChartDirectionSettings(options(), ChartDirectionSettings{});
        options().dirkeyasgntohoro = false;
        if (state().LanguageId != LanguageEnglish)
            testApp().SwitchLanguage(LanguageEnglish);
    }

    void directionDialogStoresItsSettings_data() {
        QTest::addColumn<bool>("withChart");
        QTest::addColumn<ChartDirectionSettings>("entered");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("chartChanged");
        const ChartDirectionSettings solarRA = directions(true, true, 0, 0, 0, 2);
        QTest::newRow("OK with a chart") << true << solarRA << true << true;
        const ChartDirectionSettings angle = directions(false, false, 1, 2, 3.45, 3);
        QTest::newRow("OK with a chart, a key angle") << true << angle << true << true;
        QTest::newRow("OK without a chart") << false << solarRA << true << false;
        QTest::newRow("Cancel") << true << solarRA << false << false;
        QTest::newRow("OK without a change") << true << ChartDirectionSettings{} << true << false;
    }
    void directionDialogStoresItsSettings() {
        QFETCH(bool, withChart);
        QFETCH(ChartDirectionSettings, entered);
        QFETCH(bool, ok);
        QFETCH(bool, chartChanged);
        TRadixWindow* w = withChart ? openChart("Dirs") : nullptr;
        QVERIFY(!withChart || w);
        options().autosave = false;
        testApp().context().setOptionsUnsaved(false);
        FakePrompts script;
        script.steps = {fillDirections(entered, true, ok)};
        script.install();
        commands()->dispatch(CM_DIRECTIONS);
        QVERIFY(script.allRun());

        const ChartDirectionSettings expected = ok ? entered : ChartDirectionSettings{};
        QVERIFY(chartDirectionSettings(options()) == expected);
        QCOMPARE(options().dirkeyasgntohoro, ok);
        // Options changed by the dialog count as unsaved while automatic saving is off.
        QCOMPARE(testApp().context().optionsUnsaved(), ok);
        if (!w)
            return;
        QVERIFY(w->blocks().directions == expected);
        QCOMPARE(w->isModified(), chartChanged);
        QCOMPARE(w->windowTitle().startsWith(QStringLiteral("* ")), chartChanged);
        if (!chartChanged)
            return;
        // Saved with the chart, read back the same.
        QVERIFY(w->save());
        RadixData read;
        ChartBlocks blocks;
        QCOMPARE(ReadHoroscopeFile(w->path().toStdString(), state().Strings, ChartDirectionSettings{}, read, blocks),
                 HoroscopeRead::Ok);
        QVERIFY(blocks.directions == entered);
    }

    void directionDialogQuickKeysAndNaibodNote() {
        FakePrompts script;
        QString zeroNote, naibodNote;
        ChartDirectionSettings naibod, ptolemy;
        script.steps = {[&](QDialog& d) {
            field<QCheckBox>(d, "truesolar")->setChecked(false);
            zeroNote = field<QLabel>(d, "keyNote")->text();
            field<QPushButton>(d, "naibod")->click();
            naibod = directions(false, false, field<QSpinBox>(d, "keyDegrees")->value(),
                                field<QSpinBox>(d, "keyMinutes")->value(),
                                field<QDoubleSpinBox>(d, "keySeconds")->value(), 0);
            naibodNote = field<QLabel>(d, "keyNote")->text();
            field<QPushButton>(d, "ptolemy")->click();
            ptolemy = directions(false, false, field<QSpinBox>(d, "keyDegrees")->value(),
                                 field<QSpinBox>(d, "keyMinutes")->value(),
                                 field<QDoubleSpinBox>(d, "keySeconds")->value(), 0);
            // The angle is no key while the true solar arc is; right ascension only matters to it.
            field<QCheckBox>(d, "truesolar")->setChecked(true);
            const bool angleOff = !field<QSpinBox>(d, "keyDegrees")->isEnabled();
            const bool raOn = field<QCheckBox>(d, "onequ")->isEnabled();
            return angleOff && raOn ? press(d) : int(QDialog::Rejected);
        }};
        script.install();
        commands()->dispatch(CM_DIRECTIONS);
        QVERIFY(script.allRun());
        QVERIFY2(zeroNote.contains(QStringLiteral("Naibod")) && zeroNote.contains(QStringLiteral("0\u00B059'08.33\"")),
                 qPrintable(zeroNote));
        QVERIFY(naibod == directions(false, false, 0, 59, 8.33, 0));
        QVERIFY2(naibodNote.contains(QStringLiteral("Naibod")), qPrintable(naibodNote));
        QVERIFY(ptolemy == directions(false, false, 1, 0, 0, 0));
        QVERIFY(options().truesolar);
    }

    void optionsFollowTheActiveChartWhileAsked_data() {
        QTest::addColumn<bool>("follow");
        QTest::newRow("dirkeyasgntohoro on") << true;
        QTest::newRow("dirkeyasgntohoro off") << false;
    }
    void optionsFollowTheActiveChartWhileAsked() {
        QFETCH(bool, follow);
        const ChartDirectionSettings first = directions(true, false, 0, 0, 0, 1);
        const ChartDirectionSettings second = directions(false, false, 1, 0, 0, 3);
        TRadixWindow* a = openChart("First", QDate(1980, 7, 1), 10, first);
        TRadixWindow* b = openChart("Second", QDate(1981, 7, 1), 10, second);
        QVERIFY(a && b);
        options().dirkeyasgntohoro = follow;
        const ChartDirectionSettings own = directions(false, true, 2, 0, 0, 0);
        setChartDirectionSettings(options(), own);
        activate(a);
        QVERIFY(chartDirectionSettings(options()) == (follow ? first : own));
        activate(b);
        QVERIFY(chartDirectionSettings(options()) == (follow ? second : own));
        QVERIFY(!a->isModified() && !b->isModified());
    }

    void commandsOpenWindowsOfTheirType_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("choice");  // the body of a return, the kind of a progression
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("progression");
        QTest::newRow("solar return") << int(CM_RETURN) << 0 << "solar ret" << false;
        QTest::newRow("lunar return") << int(CM_RETURN) << 1 << "lunar ret" << false;
        QTest::newRow("Saturn return") << int(CM_RETURN) << 6 << "Sat ret" << false;
        QTest::newRow("secondary progressions") << int(CM_PROGRESSIONS) << 0 << "sec dir" << true;
        QTest::newRow("tertiary progressions") << int(CM_PROGRESSIONS) << 1 << "tert dir" << true;
        QTest::newRow("midtime") << int(CM_MIDTIME) << 0 << "midtime" << false;
    }
    void commandsOpenWindowsOfTheirType() {
        QFETCH(int, command);
        QFETCH(int, choice);
        QFETCH(QString, type);
        QFETCH(bool, progression);
        const QString partner = saveChart("Partner", QDate(1978, 3, 5), 6);
        QVERIFY(!partner.isEmpty());
        TRadixWindow* natal = openChart("Natal");
        QVERIFY(natal);
        FakePrompts script;
        if (command == CM_RETURN)
            script.steps = {[choice](QDialog& d) {
                choose(d, "body", choice);
                field<QDateEdit>(d, "from")->setDate(QDate(2026, 1, 1));
                field<QCheckBox>(d, "until")->setChecked(false);
                field<QRadioButton>(d, "natalPlace")->click();
                return press(d);
            }};
        else if (command == CM_PROGRESSIONS)
            script.steps = {progressTo(QDate(2026, 12, 11), ProgressionKind(choice))};
        else
            script.steps = {[](QDialog& d) {
                auto& browser = static_cast<TDatabaseDialog&>(d);
                browser.show();
                if (!QTest::qWaitFor([&] { return browser.isListed(); }, 5000))
                    return int(QDialog::Rejected);
                QTest::keyClicks(browser.list()->edit(), "Partner");
                QTest::keyClick(browser.list()->edit(), Qt::Key_Return);
                return browser.result();
            }};
        script.install();
        commands()->updateActions();
        QVERIFY(commands()->action(command)->isEnabled());
        commands()->dispatch(command);
        QVERIFY(script.allRun());
        QVERIFY(script.errors.isEmpty());
        TRadixWindow* w = client()->activeChart();
        QVERIFY(w && w != natal);
        QCOMPARE(w->isProgression(), progression);
        const RadixData& shown = progression ? w->collation()->second : w->chart();
        QCOMPARE(QString::fromLatin1(shown.horType.data()), type);
        if (command == CM_MIDTIME) {
            RadixData other;
            ChartBlocks blocks;
            QCOMPARE(ReadHoroscopeFile(partner.toStdString(), state().Strings, {}, other, blocks), HoroscopeRead::Ok);
            QCOMPARE(shown.jdUT, midtimeUT(natal->chart().jdUT, other.moment.julianDayUT()));
        } else {
            QVERIFY(shown.jdUT > natal->chart().jdUT);
        }
        commands()->updateActions();
        if (progression) {
            // Two charts in one window: nothing to save, no command that needs a single chart.
            QVERIFY(w->isCollation() && !w->isModified());
            QCOMPARE(w->viewKind(), ChartView::Collation);
            for (int id : {CM_SAVE, CM_SAVEAS, CM_RETURN, CM_PROGRESSIONS, CM_MIDTIME})
                QVERIFY2(!commands()->action(id)->isEnabled(), qPrintable(QString::number(id)));
        } else {
            // An ordinary new chart: every view, and saved with its type.
            QVERIFY(!w->isCollation() && w->isUntitled() && w->isModified());
            for (int id : {CM_SAVE, CM_PRINT, CM_VIEWPOSITIONS, CM_VIEWCOMBINED, CM_RETURN, CM_PROGRESSIONS})
                QVERIFY2(commands()->action(id)->isEnabled(), qPrintable(QString::number(id)));
        }
    }

    void returnDialogOffersEveryCrossingOfALoop() {
        // Mars stood at about 22° Aries on 10 August 2020, before its retrograde loop of that
        // autumn: it came back over that degree retrograde in October and direct in December.
        TRadixWindow* natal = openChart("Loop", QDate(2020, 8, 10), 12);
        QVERIFY(natal);
        QStringList rows;
        FakePrompts script;
        script.steps = {[&rows](QDialog& d) {
            choose(d, "body", 4);
            field<QDateEdit>(d, "from")->setDate(QDate(2020, 8, 1));
            field<QCheckBox>(d, "until")->setChecked(true);
            field<QDateEdit>(d, "to")->setDate(QDate(2021, 1, 31));
            QListWidget* list = field<QListWidget>(d, "returns");
            for (int i = 0; i < list->count(); ++i)
                rows << list->item(i)->text();
            list->selectAll();
            return press(d);
        }};
        script.install();
        const int before = client()->charts().size();
        commands()->dispatch(CM_RETURN);
        QVERIFY(script.allRun());
        QCOMPARE(rows.size(), 3);
        QVERIFY2(rows[0].contains("August 10, 2020") && rows[0].endsWith("direct"), qPrintable(rows[0]));
        QVERIFY2(rows[1].contains("2020") && rows[1].endsWith("retrograde"), qPrintable(rows[1]));
        QVERIFY2(rows[2].contains("2020") && rows[2].endsWith("direct"), qPrintable(rows[2]));
        // Each chosen crossing opens as a chart of its own.
        QCOMPARE(client()->charts().size(), before + 3);
        for (TRadixWindow* w : client()->charts())
            if (w != natal)
                QCOMPARE(QString::fromLatin1(w->chart().horType.data()), QStringLiteral("Mars ret"));
    }

    void returnDialogSaysWhyNothingWasFound() {
        QVERIFY(openChart("Far"));
        QString problem;
        bool okEnabled = true;
        FakePrompts script;
        script.steps = {[&](QDialog& d) {
            field<QCheckBox>(d, "until")->setChecked(true);
            field<QDateEdit>(d, "from")->setDate(QDate(2026, 5, 1));
            field<QDateEdit>(d, "to")->setDate(QDate(2026, 4, 1));
            problem = field<QLabel>(d, "problem")->text();
            okEnabled = field<QDialogButtonBox>(d, "")->button(QDialogButtonBox::Ok)->isEnabled();
            return int(QDialog::Rejected);
        }};
        script.install();
        commands()->dispatch(CM_RETURN);
        QVERIFY(script.allRun());
        QVERIFY2(problem.contains("before its start"), qPrintable(problem));
        QVERIFY(!okEnabled);
    }

    void shifterStepsTheTargetDate_data() {
        QTest::addColumn<QDate>("target");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("expected");
        QTest::newRow("year +") << QDate(2026, 12, 11) << 101 << "2027-12-11";
        QTest::newRow("year -") << QDate(2026, 12, 11) << 102 << "2025-12-11";
        QTest::newRow("year ++") << QDate(2026, 12, 11) << 103 << "2036-12-11";
        QTest::newRow("year --") << QDate(2026, 12, 11) << 104 << "2016-12-11";
        QTest::newRow("month + from 31 January") << QDate(2027, 1, 31) << 110 << "2027-02-28";
        QTest::newRow("month - over the year's start") << QDate(2027, 1, 15) << 111 << "2026-12-15";
        QTest::newRow("month ++") << QDate(2026, 5, 15) << 112 << "2027-03-15";
        QTest::newRow("month --") << QDate(2026, 5, 15) << 113 << "2025-07-15";
        QTest::newRow("day + into a new year") << QDate(2026, 12, 31) << 120 << "2027-01-01";
        QTest::newRow("day - back into a leap day") << QDate(2028, 3, 1) << 121 << "2028-02-29";
        QTest::newRow("day ++") << QDate(2026, 12, 25) << 122 << "2027-01-04";
        QTest::newRow("day --") << QDate(2026, 12, 5) << 123 << "2026-11-25";
        QTest::newRow("year + refused at the calendar's end") << QDate(5000, 6, 1) << 101 << "5000-06-01";
    }
    void shifterStepsTheTargetDate() {
        QFETCH(QDate, target);
        QFETCH(int, button);
        QFETCH(QString, expected);
        QVERIFY(openChart("Shift"));
        TRadixWindow* w = openProgressions(target);
        QVERIFY(w && w->isProgression());
        TProgressionShifter* shifter = showShifter();
        QVERIFY(shifter && shifter->button(button));
        QSignalSpy recomputed(w, &TRadixWindow::changed);
        QTest::mouseClick(shifter->button(button), Qt::LeftButton);
        QCOMPARE(dateOf(w->progressionTarget()->utDate), expected);
        // Progressed again once, to the new target; the window has nothing to save.
        QCOMPARE(recomputed.count(), 1);
        const Progression& p = *w->progression();
        QCOMPARE(p.request.targetUT, w->progressionTarget()->julianDayUT());
        QCOMPARE(p.progressedUT, progressedMoment(w->chart().jdUT, p.request.targetUT, ProgressionKind::Secondary));
        QCOMPARE(w->collation()->second.jdUT, p.progressedUT);
        QVERIFY(!w->isModified());
        // The shifter, the caption and the status bar name the new target.
        const QString year = expected.left(4);
        QVERIFY2(shifter->shownMoment().contains(year), qPrintable(shifter->shownMoment()));
        QVERIFY2(w->windowTitle().contains(year), qPrintable(w->windowTitle()));
        QVERIFY2(statusBar()->progressionText().contains(year), qPrintable(statusBar()->progressionText()));
    }

    void shifterActsOnlyOnAProgressionsWindow() {
        TRadixWindow* natal = openChart("Still");
        QVERIFY(natal);
        TProgressionShifter* shifter = showShifter();
        const double before = natal->chart().jdUT;
        QTest::mouseClick(shifter->button(101), Qt::LeftButton);
        QCOMPARE(natal->chart().jdUT, before);
        QVERIFY(!natal->isModified());
        QVERIFY(statusBar()->progressionText().isEmpty());
    }

    void progressionsFollowTheDirectionSettings() {
        QVERIFY(openChart("Keyed", QDate(1980, 7, 1), 10));
        TRadixWindow* w = openProgressions(QDate(2020, 7, 1));
        QVERIFY(w);
        // A zero key is Naibod's.
        QCOMPARE(w->progression()->key, ProgressionKey::Angle);
        QVERIFY(qAbs(w->progression()->keyDegrees - NaibodKeyDegrees) < 1e-12);
        QVERIFY(w->windowTitle().contains("Naibod"));
        FakePrompts script;
        script.steps = {fillDirections(directions(false, false, 1, 0, 0, 0), false)};
        script.install();
        commands()->dispatch(CM_DIRECTIONS);
        QVERIFY(script.allRun());
        // Ptolemy's key: a degree for each year of age.
        const Progression& p = *w->progression();
        const double years = (p.request.targetUT - w->chart().jdUT) / TropicalYearDays;
        QVERIFY2(qAbs(p.arc - years) < 1e-6, qPrintable(QString::number(p.arc)));
        QVERIFY2(statusBar()->progressionText().contains(QStringLiteral("1\u00B000'00.00\"")),
                 qPrintable(statusBar()->progressionText()));
        QVERIFY(!w->isModified());
    }

    void shifterKeepsItsPlacement() {
        WindowPlacement& stored = options().window_placements[PlacementProgressionShifter];
        QAction* command = commands()->action(CM_PROGRESSIONSHIFTER);
        stored = WindowPlacement{sizeof(WindowPlacement), 0, ShowNormal, 0, 0, -1, -1, 140, 160, 540, 360};
        commands()->dispatch(CM_PROGRESSIONSHIFTER);
        TProgressionShifter* shifter = testFrame().progressionShifter();
        QVERIFY(shifter && shifter->isVisible());
        QVERIFY(command->isChecked());
        QCOMPARE(shifter->geometry().topLeft(), QPoint(140, 160));
        // Hidden and shown again: at the stored placement, not where it was moved.
        shifter->move(400, 300);
        commands()->dispatch(CM_PROGRESSIONSHIFTER);
        QVERIFY(!shifter->isVisible());
        QVERIFY(!command->isChecked());
        commands()->dispatch(CM_PROGRESSIONSHIFTER);
        QVERIFY(shifter->isVisible());
        QCOMPARE(shifter->geometry().topLeft(), QPoint(140, 160));

        // Esc leaves it open and gives the keyboard back to the frame.
        shifter->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shifter));
        QTest::keyClick(shifter, Qt::Key_Escape);
        QVERIFY(shifter->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&testFrame()));

        // A language switch stores where it stood and builds it again there, visible.
        shifter->move(210, 190);
        const QRect where = shifter->geometry();
        testApp().SwitchLanguage(LanguageHungarian);
        QCOMPARE(stored.left, where.left());
        shifter = testFrame().progressionShifter();
        QVERIFY(shifter && shifter->isVisible());
        QCOMPARE(shifter->windowTitle(), QStringLiteral("Progresszió-léptető"));
        QCOMPARE(shifter->geometry().topLeft(), where.topLeft());
    }

    // Last: the frame closes.
    void closingTheFrameStoresThePlacement() {
        TProgressionShifter* shifter = showShifter();
        shifter->move(230, 170);
        const QRect where = shifter->geometry();
        commands()->dispatch(CM_PROGRESSIONSHIFTER);  // a hidden shifter's placement is stored as well
        QVERIFY(testFrame().close());
        const WindowPlacement& p = options().window_placements[PlacementProgressionShifter];
        QCOMPARE(QRect(QPoint(p.left, p.top), QPoint(p.right - 1, p.bottom - 1)), where);
        QCOMPARE(p.showCmd, ShowNormal);
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestWhen test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_when.moc"
