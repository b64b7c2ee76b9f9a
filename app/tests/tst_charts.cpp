#include <QtTest>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QSettings>

#include "CommandIds.h"
#include "HoroscopeFile.h"
#include "ProgramFolderFixture.h"
#include "RadixData.h"
#include "TAstroApp.h"
#include "TestApp.h"
#include "CommandTable.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TAstroStatusBar.h"
#include "TRadixWindow.h"
#include "FixedText.h"

namespace {

RadixData person(const char* name, int hour, int minute) {
    RadixData r;
    setFixedText(r.name, name);
    setFixedText(r.horType, "radix");
    r.moment = BirthMoment(CalDate(1980, 7, 1, true), ClockTime{static_cast<std::uint8_t>(hour), static_cast<std::uint8_t>(minute), 0},
                           GeoAngle(19, 5, 0, false), GeoAngle(47, 30, 0, false), TimeGMT, 0, 0, false);
    setFixedText(r.moment.town, "Budapest, Hungary");
    r.moment.localToUniversal();
    return r;
}

TAstroClient* client() { return testFrame().client(); }
CommandTable* commands() { return testFrame().commands(); }
AppState& state() { return testApp().state(); }

}  // namespace

class TestCharts : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    QTemporaryDir m_settings;

private slots:
    void initTestCase() {
        QVERIFY(startTestApp(m_folder, m_settings));
    }
    void cleanup() {
        TRadixWindow::askSave = [](QWidget*, const QString&) { return int(QMessageBox::No); };
        client()->closeAllCharts();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        TRadixWindow::askSave = nullptr;
        TRadixWindow::chooseSavePath = nullptr;
    }

    void enablersFollowTheActiveChart() {
        commands()->updateActions();
        QVERIFY(!commands()->action(CM_SAVE)->isEnabled());
        QVERIFY(!commands()->action(CM_VIEWWHEEL)->isEnabled());
        QVERIFY(!commands()->action(CM_VIEWPOSITIONS)->isEnabled());
        client()->addChart(TRadixWindow::fromData(testApp().context(), person("Anna", 12, 0), ChartBlocks{}));
        commands()->updateActions();
        QVERIFY(commands()->action(CM_SAVE)->isEnabled());          // a new chart is unsaved
        QVERIFY(!commands()->action(CM_SAVEAS)->isEnabled());       // untitled
        QVERIFY(commands()->action(CM_VIEWWHEEL)->isChecked());
        commands()->dispatch(CM_VIEWASPECTS);
        QVERIFY(commands()->action(CM_VIEWASPECTS)->isChecked());
        QVERIFY(!commands()->action(CM_VIEWWHEEL)->isChecked());
        QCOMPARE(testFrame().astroStatusBar()->fieldText(0), QString("Anna"));
    }

    void saveOfAnUntitledChartAsksForAPath() {
        auto* w = TRadixWindow::fromData(testApp().context(), person("\xC1rv\xEDz T\xFBr\xF5", 12, 0), ChartBlocks{});
        client()->addChart(w);
        TRadixWindow::chooseSavePath = [](QWidget*, const QString&, const QString& p) {
            return p;  // accept the proposal
        };
        commands()->dispatch(CM_SAVE);
        QVERIFY(!w->isModified());
        QVERIFY(w->path().endsWith("/horo/Arviz_Turo.hor"));
        QVERIFY(QFile::exists(w->path()));
        QVERIFY(testFrame().astroStatusBar()->message().startsWith("Horoscope saved to"));
        QVERIFY(!w->windowTitle().startsWith("* "));
    }

    void closePromptAnswers_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("yes saves and closes") << int(QMessageBox::Yes) << true << true;
        QTest::newRow("no closes without saving") << int(QMessageBox::No) << true << false;
        QTest::newRow("cancel keeps the window") << int(QMessageBox::Cancel) << false << false;
    }
    void closePromptAnswers() {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        const QString path = m_folder.path() + "/horo/prompt.hor";
        QFile::remove(path);
        auto* w = TRadixWindow::fromData(testApp().context(), person("Prompt", 12, 0), ChartBlocks{});
        client()->addChart(w);
        static int s_answer;
        static int s_asked;
        s_answer = answer;
        s_asked = 0;
        TRadixWindow::askSave = [](QWidget*, const QString& q) {
            ++s_asked;
            return q.contains("has changed") ? s_answer : -1;
        };
        TRadixWindow::chooseSavePath = [](QWidget*, const QString&, const QString& p) {
            return QFileInfo(p).dir().filePath("prompt.hor");
        };
        QPointer<TRadixWindow> alive(w);
        const bool accepted = w->close();
        QCOMPARE(s_asked, 1);
        QCOMPARE(accepted, closed);
        QCOMPARE(QFile::exists(path), saved);
        if (!closed)
            QVERIFY(alive);
    }

    void keypadStepCrossesMidnight() {
        auto* w = TRadixWindow::fromData(testApp().context(), person("Step", 23, 59), ChartBlocks{});
        client()->addChart(w);
        commands()->dispatch(41008);
        QCOMPARE(int(w->chart().moment.utDate.day), 2);
        QCOMPARE(int(w->chart().moment.utTime.hour), 0);
        QCOMPARE(int(w->chart().moment.utTime.minute), 0);
        commands()->dispatch(41011);  // ten minutes back
        QCOMPARE(int(w->chart().moment.utDate.day), 1);
        QCOMPARE(int(w->chart().moment.utTime.hour), 23);
        QCOMPARE(int(w->chart().moment.utTime.minute), 50);
        QVERIFY(w->windowTitle().startsWith("* "));
    }

    void zoomStopsAtItsLimits() {
        auto* w = TRadixWindow::fromData(testApp().context(), person("Zoom", 12, 0), ChartBlocks{});
        client()->addChart(w);
        for (int i = 0; i < 40; ++i)
            commands()->dispatch(41014);
        QCOMPARE(w->offset().zoom, 10.0);
        for (int i = 0; i < 60; ++i)
            commands()->dispatch(41015);
        QCOMPARE(w->offset().zoom, 0.2);
        commands()->dispatch(CM_VIEWSIGNS);
        commands()->dispatch(41000);
        commands()->dispatch(41017);
        QCOMPARE(w->offset().y, 20);
        QCOMPARE(w->offset().zoom, 1.0);
    }

    void recentListOpensAndDropsStaleEntries() {
        const QString path = m_folder.path() + "/horo/recent.hor";
        const RadixData r = person("Recent", 10, 30);
        QVERIFY(WriteHoroscopeFile(path.toStdString(), state().Strings, r, ChartBlocks{}));
        TOptions& o = state().Options;
        o.lastfile_count = 2;
        setFixedText(o.lastfiles[0], "Gone,  radix;   " + (m_folder.path() + "/horo/missing.hor").toStdString());
        setFixedText(o.lastfiles[1], "Recent,  radix;   " + path.toStdString());
        testFrame().rebuildLastFiles();
        commands()->dispatch(CM_LASTFILE0);  // the missing file: dropped silently
        QCOMPARE(int(o.lastfile_count), 1);
        QVERIFY(client()->charts().isEmpty());
        commands()->dispatch(CM_LASTFILE0);
        QCOMPARE(client()->charts().size(), 1);
        QCOMPARE(int(o.lastfile_count), 0);  // an open chart leaves the list
        client()->charts().first()->close();
        QCOMPARE(int(o.lastfile_count), 1);  // and comes back when it closes
        QVERIFY(QString(o.lastfiles[0].data()).startsWith("Recent,  radix;   "));
    }

    void languageSwitchKeepsChartsAndChangesMenus() {
        client()->addChart(TRadixWindow::fromData(testApp().context(), person("Lang", 12, 0), ChartBlocks{}));
        testApp().SwitchLanguage(LanguageHungarian);
        QCOMPARE(commands()->action(CM_NEW)->text(), QStringLiteral("Ú&j..."));
        QCOMPARE(client()->charts().size(), 1);
        testApp().SwitchLanguage(LanguageEnglish);
        QCOMPARE(commands()->action(CM_NEW)->text(), QStringLiteral("&New..."));
    }

    // Cancel in any save question leaves the whole desktop as it was, the unchanged charts too;
    // otherwise every chart goes, each changed one asked once.
    void closeAllAsksEveryChangedChartBeforeClosingAny_data() {
        QTest::addColumn<int>("firstAnswer");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("left");
        QTest::newRow("cancel keeps all") << int(QMessageBox::Cancel) << 1 << 3;
        QTest::newRow("no closes all") << int(QMessageBox::No) << 2 << 0;
    }
    void closeAllAsksEveryChangedChartBeforeClosingAny() {
        QFETCH(int, firstAnswer);
        QFETCH(int, asked);
        QFETCH(int, left);
        auto* saved = TRadixWindow::fromData(testApp().context(), person("Saved", 12, 0), ChartBlocks{});
        client()->addChart(saved);
        TRadixWindow::chooseSavePath = [](QWidget*, const QString&, const QString& p) { return p; };
        QVERIFY(saved->save());
        client()->addChart(TRadixWindow::fromData(testApp().context(), person("One", 12, 0), ChartBlocks{}));
        client()->addChart(TRadixWindow::fromData(testApp().context(), person("Two", 12, 0), ChartBlocks{}));
        static int s_asked, s_first;
        s_asked = 0;
        s_first = firstAnswer;
        TRadixWindow::askSave = [](QWidget*, const QString&) {
            return ++s_asked == 1 ? s_first : int(QMessageBox::No);
        };
        commands()->dispatch(CM_CLOSEALL);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(s_asked, asked);
        QCOMPARE(client()->charts().size(), left);
    }

    // A hand-edited options file may hold any antialias value: the window paints the same wheel
    // as with the nearest supported smoothing.
    void anyStoredSmoothingPaintsANormalWheel_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("same");
        QTest::newRow("3 as 4x") << 3 << 2;
        QTest::newRow("255 as 16x") << 255 << 4;
    }
    void anyStoredSmoothingPaintsANormalWheel() {
        QFETCH(int, stored);
        QFETCH(int, same);
        auto* w = TRadixWindow::fromData(testApp().context(), person("Smooth", 12, 0), ChartBlocks{});
        client()->addChart(w);
        TOptions& o = state().Options;
        const std::uint8_t before = o.display.antialias;
        o.display.antialias = static_cast<std::uint8_t>(same);
        const QImage expected = w->grab().toImage();
        o.display.antialias = static_cast<std::uint8_t>(stored);
        const QImage got = w->grab().toImage();
        o.display.antialias = before;
        QVERIFY(!expected.isNull());
        QCOMPARE(got, expected);
    }

    void houseSystemCommandChecksAndRecomputes() {
        auto* w = TRadixWindow::fromData(testApp().context(), person("Houses", 12, 0), ChartBlocks{});
        client()->addChart(w);
        commands()->dispatch(CM_HOUSE0 + 4);
        QCOMPARE(int(state().Options.housecalc), 4);
        QVERIFY(commands()->action(CM_HOUSE0 + 4)->isChecked());
        QVERIFY(!commands()->action(CM_HOUSE0)->isChecked());
        commands()->dispatch(CM_NODETRUE);
        QCOMPARE(int(state().Options.nodetype), 1);
        QVERIFY(commands()->action(CM_NODETRUE)->isChecked());
    }

    // Last: it leaves the application in its failed state.
    void startWithoutAnyOptionsFileFails() {
        QTemporaryDir empty;
        QVERIFY(makeProgramFolder(empty, false));
        QVERIFY(!testApp().start(empty.path()));
        QVERIFY(state().StartupFailed);
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestCharts test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_charts.moc"
