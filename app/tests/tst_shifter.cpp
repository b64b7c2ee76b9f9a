// The radix shifter driven as a person would: its buttons, its keys and the command that shows
// and hides it, acting on whichever chart window is active.
#include <QtTest>
#include <QMdiSubWindow>
#include <QPushButton>

#include "CommandIds.h"
#include "FixedText.h"
#include "HoroscopeFile.h"
#include "ProgramFolderFixture.h"
#include "RadixData.h"
#include "TAstroApp.h"
#include "TAstroClient.h"
#include "TestApp.h"
#include "CommandTable.h"
#include "TAstroFrame.h"
#include "TBirthShifter.h"
#include "TRadixWindow.h"
#include "WindowPlacementQt.h"

namespace {

struct Moment {
    int year, month, day, hour, minute, second;
};

TAstroClient* client() { return testFrame().client(); }
CommandTable* commands() { return testFrame().commands(); }
AppState& state() { return testApp().state(); }
WindowPlacement& storedPlacement() { return state().Options.window_placements[PlacementRadixShifter]; }

Moment utOf(const TRadixWindow* w) {
    const BirthMoment& m = w->chart().moment;
    return {m.utDate.year, m.utDate.month, m.utDate.day, m.utTime.hour, m.utTime.minute, static_cast<int>(m.utTime.second)};
}

bool operator==(const Moment& a, const Moment& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
           a.second == b.second;
}

}  // namespace

namespace QTest {
template <>
char* toString(const Moment& m) {
    return qstrdup(QString::asprintf("%d-%02d-%02d %02d:%02d:%02d", m.year, m.month, m.day, m.hour, m.minute, m.second)
                       .toLatin1()
                       .constData());
}
}  // namespace QTest

Q_DECLARE_METATYPE(Moment)

class TestShifter : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    QTemporaryDir m_settings;
    int m_files = 0;

    // A saved chart in Greenwich time (so the entered clock is the Universal Time), opened from
    // its file: unchanged until something edits it.
    TRadixWindow* openChart(const char* name, Moment at) {
        RadixData r;
        setFixedText(r.name, name);
        setFixedText(r.horType, "radix");
        ClockTime t{static_cast<std::uint8_t>(at.hour), static_cast<std::uint8_t>(at.minute), double(at.second)};
        r.moment = BirthMoment(CalDate(at.year, at.month, at.day, true), t, GeoAngle(19, 5, 0, false),
                               GeoAngle(47, 30, 0, false), TimeGMT, 0, 0, false);
        r.moment.localToUniversal();
        const QString path = m_folder.path() + QStringLiteral("/horo/chart%1.hor").arg(++m_files);
        if (!WriteHoroscopeFile(path.toStdString(), state().Strings, r, ChartBlocks{}))
            return nullptr;
        TRadixWindow* w = TRadixWindow::fromFile(testApp().context(), path);
        if (w)
            client()->addChart(w);
        return w;
    }

    TBirthShifter* showShifter() {
        if (!testFrame().shifter() || !testFrame().shifter()->isVisible())
            commands()->dispatch(CM_RADIXSHIFTER);
        return testFrame().shifter();
    }

    // Gives the shifter the keyboard, as a click on it would.
    static bool focusShifter(TBirthShifter* shifter) {
        shifter->activateWindow();
        return QTest::qWaitForWindowActive(shifter);
    }

private slots:
    void initTestCase() {
        QVERIFY(startTestApp(m_folder, m_settings));
        QVERIFY(QTest::qWaitForWindowExposed(&testFrame()));
    }
    void cleanup() {
        client()->closeAllCharts();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        testFrame().showShifter(false, true);
        storedPlacement() = WindowPlacement{};
        if (state().LanguageId != LanguageEnglish)
            testApp().SwitchLanguage(LanguageEnglish);
    }

    void buttonsStepTheActiveChart_data() {
        QTest::addColumn<Moment>("start");
        QTest::addColumn<int>("button");
        QTest::addColumn<Moment>("expected");
        QTest::newRow("hour + into a new year") << Moment{2000, 12, 31, 23, 15, 0} << 130 << Moment{2001, 1, 1, 0, 15, 0};
        QTest::newRow("minute - back into a leap day")
            << Moment{2000, 3, 1, 0, 0, 0} << 141 << Moment{2000, 2, 29, 23, 59, 0};
        QTest::newRow("second + refused at the calendar's end")
            << Moment{5000, 12, 31, 23, 59, 59} << 150 << Moment{5000, 12, 31, 23, 59, 59};
        QTest::newRow("minute ++ over midnight") << Moment{2000, 6, 10, 23, 55, 0} << 145 << Moment{2000, 6, 11, 0, 5, 0};
        QTest::newRow("second -- over midnight") << Moment{2000, 1, 1, 0, 0, 5} << 156 << Moment{1999, 12, 31, 23, 59, 55};
        QTest::newRow("month + from 31 January") << Moment{2001, 1, 31, 12, 0, 0} << 110 << Moment{2001, 2, 28, 12, 0, 0};
        QTest::newRow("month + from 31 January, leap year")
            << Moment{2000, 1, 31, 12, 0, 0} << 110 << Moment{2000, 2, 29, 12, 0, 0};
        QTest::newRow("year - refused at the first year")
            << Moment{-4999, 5, 5, 5, 5, 5} << 102 << Moment{-4999, 5, 5, 5, 5, 5};
    }
    void buttonsStepTheActiveChart() {
        QFETCH(Moment, start);
        QFETCH(int, button);
        QFETCH(Moment, expected);
        TRadixWindow* w = openChart("Step", start);
        QVERIFY(w);
        QVERIFY(!w->isModified());
        TBirthShifter* shifter = showShifter();
        QVERIFY(shifter && shifter->button(button));
        QSignalSpy recomputed(w, &TRadixWindow::changed);
        QTest::mouseClick(shifter->button(button), Qt::LeftButton);
        QCOMPARE(utOf(w), expected);
        // Recomputed exactly once, also after a refused step or ten single steps; marked changed.
        QCOMPARE(recomputed.count(), 1);
        QCOMPARE(w->chart().jdUT, w->chart().moment.julianDayUT());
        QVERIFY(w->isModified());
        QVERIFY(w->windowTitle().startsWith(QStringLiteral("* Step,")));
        // The entered (Greenwich) clock follows the Universal Time.
        QCOMPARE(int(w->chart().moment.localTime.minute), expected.minute);
    }

    void buttonsActOnTheChartActiveAtTheClick() {
        TBirthShifter* shifter = showShifter();
        QTest::mouseClick(shifter->button(101), Qt::LeftButton);  // no chart: nothing to do, nothing breaks
        TRadixWindow* first = openChart("First", {1990, 1, 1, 12, 0, 0});
        TRadixWindow* second = openChart("Second", {1990, 1, 1, 12, 0, 0});
        QVERIFY(first && second);
        client()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
        QTest::mouseClick(shifter->button(101), Qt::LeftButton);
        client()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(second->parentWidget()));
        QTest::mouseClick(shifter->button(120), Qt::LeftButton);
        QCOMPARE(utOf(first), (Moment{1991, 1, 1, 12, 0, 0}));
        QCOMPARE(utOf(second), (Moment{1990, 1, 2, 12, 0, 0}));
        // The shifter tells the moment it set, and follows the active chart.
        QCOMPARE(shifter->shownMoment(), second->shiftedMomentText());
        QVERIFY(shifter->shownMoment().contains(QStringLiteral("1990")));
        client()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
        QVERIFY(shifter->shownMoment().contains(QStringLiteral("1991")));
    }

    void ordinaryPlusAndMinusStepTheTime_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<Moment>("expected");
        QTest::newRow("+") << int(Qt::Key_Plus) << int(Qt::NoModifier) << Moment{1990, 1, 1, 12, 1, 0};
        QTest::newRow("= (unshifted +)") << int(Qt::Key_Equal) << int(Qt::NoModifier) << Moment{1990, 1, 1, 12, 1, 0};
        QTest::newRow("-") << int(Qt::Key_Minus) << int(Qt::NoModifier) << Moment{1990, 1, 1, 11, 59, 0};
        QTest::newRow("Ctrl +") << int(Qt::Key_Plus) << int(Qt::ControlModifier) << Moment{1990, 1, 1, 12, 10, 0};
        QTest::newRow("Ctrl -") << int(Qt::Key_Minus) << int(Qt::ControlModifier) << Moment{1990, 1, 1, 11, 50, 0};
    }
    void ordinaryPlusAndMinusStepTheTime() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(Moment, expected);
        TRadixWindow* w = openChart("Laptop", {1990, 1, 1, 12, 0, 0});
        QVERIFY(w);
        testFrame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&testFrame()));
        QTest::keyClick(w, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(utOf(w), expected);
    }

    void holdingAButtonRepeatsItsStep() {
        TRadixWindow* w = openChart("Held", {1990, 1, 1, 12, 0, 0});
        QVERIFY(w);
        QPushButton* plus = showShifter()->button(140);
        QTest::mousePress(plus, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(w->chart().moment.utTime.minute >= 5, 10000);
        QTest::mouseRelease(plus, Qt::LeftButton);
        const Moment released = utOf(w);
        QTest::qWait(200);
        QCOMPARE(utOf(w), released);  // and stops when let go
    }

    void commandHidesAndShowsAtTheStoredPlacement() {
        QAction* command = commands()->action(CM_RADIXSHIFTER);
        commands()->updateActions();
        QVERIFY(!command->isChecked());
        storedPlacement() = WindowPlacement{sizeof(WindowPlacement), 0, ShowNormal, 0, 0, -1, -1, 140, 160, 540, 360};
        commands()->dispatch(CM_RADIXSHIFTER);
        TBirthShifter* shifter = testFrame().shifter();
        QVERIFY(shifter && shifter->isVisible());
        QVERIFY(command->isChecked());
        QCOMPARE(shifter->geometry().topLeft(), QPoint(140, 160));
        shifter->move(400, 300);
        commands()->dispatch(CM_RADIXSHIFTER);
        QVERIFY(!shifter->isVisible());
        QVERIFY(!command->isChecked());
        QCOMPARE(testFrame().shifter(), shifter);  // hidden, not destroyed
        commands()->dispatch(CM_RADIXSHIFTER);
        QVERIFY(shifter->isVisible());
        QCOMPARE(shifter->geometry().topLeft(), QPoint(140, 160));
        // The close button hides it like the command; the check mark follows.
        shifter->close();
        QVERIFY(!shifter->isVisible());
        QVERIFY(!command->isChecked());
    }

    void enterAndEscapeGiveTheKeyboardBack_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("escape") << int(Qt::Key_Escape);
        QTest::newRow("enter") << int(Qt::Key_Return);
    }
    void enterAndEscapeGiveTheKeyboardBack() {
        QFETCH(int, key);
        TRadixWindow* w = openChart("Keys", {1990, 1, 1, 12, 0, 0});
        TBirthShifter* shifter = showShifter();
        QVERIFY(focusShifter(shifter));
        QTest::keyClick(shifter, Qt::Key(key));
        QVERIFY(shifter->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&testFrame()));
        QCOMPARE(utOf(w), (Moment{1990, 1, 1, 12, 0, 0}));  // no button was pressed by Enter
    }

    void programKeysWorkInTheShifter() {
        TRadixWindow* w = openChart("Keys", {1990, 1, 1, 12, 0, 0});
        TBirthShifter* shifter = showShifter();
        QVERIFY(focusShifter(shifter));
        QTest::keyClick(shifter, Qt::Key_F9);
        QCOMPARE(w->viewKind(), ChartView::Aspects);
        QTest::keyClick(shifter, Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(utOf(w), (Moment{1990, 1, 1, 12, 1, 0}));
        QTest::keyClick(shifter, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(!shifter->isVisible());
    }

    void languageSwitchRebuildsTheShifter() {
        TBirthShifter* shifter = showShifter();
        shifter->move(210, 190);
        const QRect where = shifter->geometry();
        QPointer<TBirthShifter> old(shifter);
        testApp().SwitchLanguage(LanguageHungarian);
        QVERIFY(!old);
        QVERIFY(testFrame().shifter() && testFrame().shifter()->isVisible());
        QCOMPARE(testFrame().shifter()->windowTitle(), QStringLiteral("Radixléptető"));
        QCOMPARE(testFrame().shifter()->geometry().topLeft(), where.topLeft());  // the labels may be wider
        QCOMPARE(storedPlacement().left, where.left());
        // A hidden shifter is not built again until it is asked for.
        commands()->dispatch(CM_RADIXSHIFTER);
        testApp().SwitchLanguage(LanguageEnglish);
        QVERIFY(!testFrame().shifter());
        commands()->dispatch(CM_RADIXSHIFTER);
        QVERIFY(testFrame().shifter() && testFrame().shifter()->isVisible());
        QCOMPARE(testFrame().shifter()->windowTitle(), QStringLiteral("Radix Shifter"));
    }

    void widerLabelsKeepTheShifterOnTheScreen() {
        TBirthShifter* shifter = showShifter();
        const QRect screen = shifter->screen()->availableGeometry();
        shifter->move(screen.right() + 1 - shifter->frameGeometry().width(), 100);  // flush with the right edge
        const int englishWidth = shifter->width();
        testApp().SwitchLanguage(LanguageHungarian);  // "másodperc" is wider than "second"
        QVERIFY(testFrame().shifter()->width() > englishWidth);
        QVERIFY(screen.contains(testFrame().shifter()->frameGeometry()));
    }

    // Last: the frame closes.
    void closingTheFrameStoresThePlacement() {
        TBirthShifter* shifter = showShifter();
        shifter->move(230, 170);
        const QRect where = shifter->geometry();
        commands()->dispatch(CM_RADIXSHIFTER);  // a hidden shifter's placement is stored as well
        QVERIFY(testFrame().close());
        const WindowPlacement& p = storedPlacement();
        QCOMPARE(QRect(QPoint(p.left, p.top), QPoint(p.right - 1, p.bottom - 1)), where);
        QCOMPARE(p.showCmd, ShowNormal);
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestShifter test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_shifter.moc"
