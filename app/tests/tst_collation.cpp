// The Collation command as a person gives it: a natal chart compared with transits or with a
// partner's file, the transits moved by the shifter and the keypad, the views and commands of
// a collation window, and its printing.
#include <QtTest>
#include <QDateEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>

#include "CommandIds.h"
#include "CommandTable.h"
#include "DialogDriver.h"
#include "FixedText.h"
#include "HoroscopeFile.h"
#include "PrintJob.h"
#include "ProgramFolderFixture.h"
#include "RadixData.h"
#include "TAstroApp.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TAstroStatusBar.h"
#include "TBirthShifter.h"
#include "TDatabaseDialog.h"
#include "THoroComboBox.h"
#include "TRadixWindow.h"
#include "TestApp.h"

namespace {

TAstroClient* client() { return testFrame().client(); }
CommandTable* commands() { return testFrame().commands(); }
AppState& state() { return testApp().state(); }

// The Collation dialog filled in: transits at a Greenwich date and time at the chart's place.
std::function<int(QDialog&)> transitsAt(QDate date, QTime time) {
    return [date, time](QDialog& d) {
        field<QRadioButton>(d, "at")->click();
        field<QDateEdit>(d, "date")->setDate(date);
        field<QTimeEdit>(d, "time")->setTime(time);
        field<QRadioButton>(d, "ownPlace")->click();
        return press(d);
    };
}

QString utText(const BirthMoment& m) {
    return QString::asprintf("%d-%02d-%02d %02d:%02d", m.utDate.year, m.utDate.month, m.utDate.day, m.utTime.hour,
                             m.utTime.minute);
}

}  // namespace

class TestCollation : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    QTemporaryDir m_settings;

    // A natal chart in Greenwich time saved in the program's horo folder and opened.
    QString saveChart(const char* name, int year, int hour) {
        RadixData r;
        setFixedText(r.name, name);
        setFixedText(r.horType, "radix");
        r.moment = BirthMoment(CalDate(year, 7, 1, true), ClockTime{static_cast<std::uint8_t>(hour), 0, 0.0},
                               GeoAngle(19, 5, 0, false), GeoAngle(47, 30, 0, false), TimeGMT, 0, 0, false);
        r.moment.localToUniversal();
        const QString path = m_folder.path() + QStringLiteral("/horo/%1.hor").arg(QLatin1String(name));
        return WriteHoroscopeFile(path.toStdString(), state().Strings, r, ChartBlocks{}) ? path : QString();
    }
    TRadixWindow* openNatal() {
        TRadixWindow* w = TRadixWindow::fromFile(testApp().context(), saveChart("Anna", 1980, 10));
        if (w)
            client()->addChart(w);
        return w;
    }
    TRadixWindow* collateWithTransits() {
        FakePrompts script;
        script.steps = {transitsAt(QDate(2026, 12, 10), QTime(12, 0))};
        script.install();
        commands()->dispatch(CM_COLLATION);
        return script.allRun() ? client()->activeChart() : nullptr;
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
    }

    void transitsMoveOverTheNatalChart() {
        TRadixWindow* natal = openNatal();
        QVERIFY(natal);
        TRadixWindow* w = collateWithTransits();
        QVERIFY(w && w != natal && w->isCollation());
        QCOMPARE(w->collation()->kind, CollationKind::Transit);
        QCOMPARE(w->viewKind(), ChartView::Collation);
        QVERIFY(w->windowTitle().contains("Anna") && w->windowTitle().contains("Transits"));
        const RadixData& second = w->collation()->second;
        QCOMPARE(utText(second.moment), QStringLiteral("2026-12-10 12:00"));
        const QString natalMoment = utText(w->chart().moment);
        // The status bar shows both moments.
        auto* bar = testFrame().findChild<TAstroStatusBar*>();
        QVERIFY(bar);
        QVERIFY(bar->fieldText(2).contains("1980") && bar->fieldText(2).contains("2026"));
        // The transits are cast at the natal place: it is named once.
        QCOMPARE(bar->fieldText(3).count(QChar(0x2022)), 0);
        QVERIFY(bar->fieldText(1).contains(QChar(0x2022)));

        // The keypad and the shifter move the transits; the natal chart stays and nothing is
        // to be saved.
        const double moonBefore = w->collation()->aspects.radixToSecond.separation[0][3];
        commands()->dispatch(CM_NAV_STEPFORWARD);
        QCOMPARE(utText(second.moment), QStringLiteral("2026-12-10 12:01"));
        QVERIFY(w->collation()->aspects.radixToSecond.separation[0][3] != moonBefore);
        TBirthShifter* shifter = (commands()->dispatch(CM_RADIXSHIFTER), testFrame().shifter());
        QVERIFY(shifter && shifter->button(120));
        QTest::mouseClick(shifter->button(120), Qt::LeftButton);
        QCOMPARE(utText(second.moment), QStringLiteral("2026-12-11 12:01"));
        QCOMPARE(second.jdUT, second.moment.julianDayUT());
        QCOMPARE(utText(w->chart().moment), natalMoment);
        QVERIFY(!w->isModified());
        QVERIFY(bar->fieldText(2).contains("December 11, 2026"));
    }

    void nowIsTakenAfreshAtEachOpening() {
        TRadixWindow* natal = openNatal();
        QVERIFY(natal);
        QDateTime shownLast;
        FakePrompts script;
        script.steps = {transitsAt(QDate(2026, 12, 10), QTime(12, 0)),
                        [](QDialog& d) {
                            field<QRadioButton>(d, "now")->click();
                            return press(d);
                        },
                        [&shownLast](QDialog& d) {
                            shownLast = QDateTime(field<QDateEdit>(d, "date")->date(), field<QTimeEdit>(d, "time")->time());
                            return int(QDialog::Rejected);
                        }};
        script.install();
        for (int i = 0; i < 3; ++i) {
            client()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(natal->parentWidget()));
            commands()->dispatch(CM_COLLATION);
        }
        QVERIFY(script.allRun());
        // After "now" the dialog shows the time of its opening, not the moment chosen before.
        QVERIFY2(std::abs(shownLast.secsTo(QDateTime::currentDateTime())) < 120, qPrintable(shownLast.toString()));
    }

    void partnerChartFromTheBrowser() {
        QVERIFY(!saveChart("Bela", 1978, 6).isEmpty());
        TRadixWindow* natal = openNatal();
        QVERIFY(natal);
        FakePrompts script;
        script.steps = {
            [](QDialog& d) {
                field<QRadioButton>(d, "partner")->click();
                return press(d);
            },
            [](QDialog& d) {
                auto& browser = static_cast<TDatabaseDialog&>(d);
                browser.show();
                if (!QTest::qWaitFor([&] { return browser.isListed(); }, 5000))
                    return int(QDialog::Rejected);  // the browser never listed the folder
                QTest::keyClicks(browser.list()->edit(), "Bela");
                QTest::keyClick(browser.list()->edit(), Qt::Key_Return);
                return browser.result();
            },
        };
        script.install();
        commands()->dispatch(CM_COLLATION);
        QVERIFY(script.allRun());
        TRadixWindow* w = client()->activeChart();
        QVERIFY(w && w->isCollation());
        QCOMPARE(w->collation()->kind, CollationKind::Synastry);
        QCOMPARE(fixedText(w->collation()->second.name), std::string_view("Bela"));
        QCOMPARE(int(w->collation()->second.moment.utDate.year), 1978);  // a copy: the field is packed
        QVERIFY(script.errors.isEmpty());
    }

    void collationWindowCommands() {
        QVERIFY(openNatal());
        TRadixWindow* w = collateWithTransits();
        QVERIFY(w);
        commands()->updateActions();
        // The bi-wheel, the grid and both charts' positions; no data of its own to edit or save.
        for (int id : {CM_VIEWSIGNS, CM_VIEWDETAILS, CM_VIEWCOMBINED, CM_PERSONALDATA, CM_SAVE, CM_SAVEAS})
            QVERIFY2(!commands()->action(id)->isEnabled(), qPrintable(QString::number(id)));
        for (int id : {CM_VIEWWHEEL, CM_VIEWASPECTS, CM_VIEWPOSITIONS, CM_PRINT, CM_COLLATION})
            QVERIFY2(commands()->action(id)->isEnabled(), qPrintable(QString::number(id)));
        commands()->dispatch(CM_VIEWPOSITIONS);
        QCOMPARE(w->viewKind(), ChartView::Positions);
        QVERIFY(commands()->action(CM_VIEWPOSITIONS)->isChecked());

        commands()->dispatch(CM_VIEWASPECTS);
        QCOMPARE(w->viewKind(), ChartView::CollationGrid);
        QVERIFY(commands()->action(CM_VIEWASPECTS)->isChecked());
        commands()->dispatch(CM_VIEWWHEEL);
        QCOMPARE(w->viewKind(), ChartView::Collation);
        QVERIFY(commands()->action(CM_VIEWWHEEL)->isChecked());

        // A house system recomputes both charts.
        const int before = state().Options.housecalc;
        commands()->dispatch(CM_HOUSE0 + 6);
        QCOMPARE(int(w->chart().houseSystemUsed), 6);
        QCOMPARE(int(w->collation()->second.houseSystemUsed), 6);
        commands()->dispatch(CM_HOUSE0 + before);

        // Ctrl+I swaps inner and outer at once, without writing the options.
        const bool outer = state().Options.display.outerradix;
        commands()->dispatch(CM_NAV_INNEROUTER);
        QCOMPARE(bool(state().Options.display.outerradix), !outer);
        commands()->dispatch(CM_NAV_INNEROUTER);

        // Closing asks nothing: a collation keeps nothing of its own.
        basePrompts().clearRecords();
        client()->closeAllCharts();
        QVERIFY(basePrompts().questions.isEmpty());
    }

    // Hovering over a body of either chart on the bi-wheel names the body, its place and motion
    // and the chart it belongs to; the grid has no body tooltips.
    void biWheelTooltipsNameTheChart() {
        QVERIFY(openNatal());
        TRadixWindow* w = collateWithTransits();
        QVERIFY(w);
        QCOMPARE(w->viewKind(), ChartView::Collation);
        const QString natal = QString::fromLatin1(w->chart().name.data());
        const QString transits = QString::fromLatin1(w->collation()->second.name.data());
        QVERIFY(!natal.isEmpty() && !transits.isEmpty() && natal != transits);
        const QRegularExpression shape(QStringLiteral("^.+: \\d+\u00B0\\d\\d' .+, house \\d+, .+ \\((.+)\\)$"));
        QSet<QString> charts;
        QPoint found;
        for (int y = 0; y < w->height(); y += 4)
            for (int x = 0; x < w->width(); x += 4) {
                const QString tip = w->bodyToolTipAt({x, y});
                if (tip.isEmpty())
                    continue;
                const QRegularExpressionMatch m = shape.match(tip);
                QVERIFY2(m.hasMatch(), qPrintable(tip));
                charts.insert(m.captured(1));
                found = {x, y};
            }
        QCOMPARE(charts, (QSet<QString>{natal, transits}));
        commands()->dispatch(CM_VIEWASPECTS);
        QVERIFY(w->bodyToolTipAt(found).isEmpty());
    }

    void printsTheCollation() {
        QVERIFY(openNatal());
        TRadixWindow* w = collateWithTransits();
        QVERIFY(w);
        QTemporaryDir out;
        PrintTarget target;
        target.pdfPath = out.filePath("collation.pdf");
        TOptions options = state().Options;
        options.print_pages.fill(false);
        options.print_pages[0] = options.print_pages[1] = options.print_pages[2] = true;
        const PrintResult result = PrintJob{w->chart(), options, state().Strings, w->caption(false), "PDF file",
                                            testApp().context().errors, testApp().context().prompts(), w->collation()}
                                       .run(nullptr, target);
        QCOMPARE(int(result), int(PrintResult::Printed));
        QVERIFY(QFileInfo(target.pdfPath).size() > 1000);
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestCollation test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_collation.moc"
