#include <cmath>
#include <QtTest>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QSettings>

#include "CommandIds.h"
#include "HoroscopeFile.h"
#include "ProgramFolderFixture.h"
#include "RadixData.h"
#include "TAstroApp.h"
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

TAstroClient* client() { return TAstroApp::instance()->frame()->client(); }
AppState& state() { return TAstroApp::instance()->state(); }

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
        client()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        TRadixWindow::askSave = nullptr;
        TRadixWindow::chooseSavePath = nullptr;
    }

    void enablersFollowTheActiveChart() {
        client()->updateActions();
        QVERIFY(!client()->action(CM_SAVE)->isEnabled());
        QVERIFY(!client()->action(CM_VIEWWHEEL)->isEnabled());
        QVERIFY(!client()->action(CM_VIEWPOSITIONS)->isEnabled());
        client()->addChart(TRadixWindow::fromData(person("Anna", 12, 0), ChartBlocks{}));
        client()->updateActions();
        QVERIFY(client()->action(CM_SAVE)->isEnabled());          // a new chart is unsaved
        QVERIFY(!client()->action(CM_SAVEAS)->isEnabled());       // untitled
        QVERIFY(client()->action(CM_VIEWWHEEL)->isChecked());
        client()->dispatch(CM_VIEWASPECTS);
        QVERIFY(client()->action(CM_VIEWASPECTS)->isChecked());
        QVERIFY(!client()->action(CM_VIEWWHEEL)->isChecked());
        QCOMPARE(TAstroApp::instance()->frame()->astroStatusBar()->fieldText(0), QString("Anna"));
    }

    void saveOfAnUntitledChartAsksForAPath() {
        auto* w = TRadixWindow::fromData(person("\xC1rv\xEDz T\xFBr\xF5", 12, 0), ChartBlocks{});
        client()->addChart(w);
        TRadixWindow::chooseSavePath = [](QWidget*, const QString&, const QString& p) {
            return p;  // accept the proposal
        };
        client()->dispatch(CM_SAVE);
        QVERIFY(!w->isModified());
        QVERIFY(w->path().endsWith("/horo/Arviz_Turo.hor"));
        QVERIFY(QFile::exists(w->path()));
        QVERIFY(TAstroApp::instance()->frame()->astroStatusBar()->message().startsWith("Horoscope saved to"));
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
        auto* w = TRadixWindow::fromData(person("Prompt", 12, 0), ChartBlocks{});
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
        auto* w = TRadixWindow::fromData(person("Step", 23, 59), ChartBlocks{});
        client()->addChart(w);
        client()->dispatch(41008);
        QCOMPARE(int(w->chart().moment.utDate.day), 2);
        QCOMPARE(int(w->chart().moment.utTime.hour), 0);
        QCOMPARE(int(w->chart().moment.utTime.minute), 0);
        client()->dispatch(41011);  // ten minutes back
        QCOMPARE(int(w->chart().moment.utDate.day), 1);
        QCOMPARE(int(w->chart().moment.utTime.hour), 23);
        QCOMPARE(int(w->chart().moment.utTime.minute), 50);
        QVERIFY(w->windowTitle().startsWith("* "));
    }

    void zoomStopsAtItsLimits() {
        auto* w = TRadixWindow::fromData(person("Zoom", 12, 0), ChartBlocks{});
        client()->addChart(w);
        for (int i = 0; i < 40; ++i)
            client()->dispatch(41014);
        QCOMPARE(w->offset().zoom, 10.0);
        for (int i = 0; i < 60; ++i)
            client()->dispatch(41015);
        QCOMPARE(w->offset().zoom, 0.2);
        client()->dispatch(CM_VIEWSIGNS);
        client()->dispatch(41000);
        client()->dispatch(41017);
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
        client()->rebuildLastFiles();
        client()->dispatch(CM_LASTFILE0);  // the missing file: dropped silently
        QCOMPARE(int(o.lastfile_count), 1);
        QVERIFY(client()->charts().isEmpty());
        client()->dispatch(CM_LASTFILE0);
        QCOMPARE(client()->charts().size(), 1);
        QCOMPARE(int(o.lastfile_count), 0);  // an open chart leaves the list
        client()->charts().first()->close();
        QCOMPARE(int(o.lastfile_count), 1);  // and comes back when it closes
        QVERIFY(QString(o.lastfiles[0].data()).startsWith("Recent,  radix;   "));
    }

    void languageSwitchKeepsChartsAndChangesMenus() {
        client()->addChart(TRadixWindow::fromData(person("Lang", 12, 0), ChartBlocks{}));
        TAstroApp::instance()->SwitchLanguage(LanguageHungarian);
        QCOMPARE(client()->action(CM_NEW)->text(), QStringLiteral("Ú&j..."));
        QCOMPARE(client()->charts().size(), 1);
        TAstroApp::instance()->SwitchLanguage(LanguageEnglish);
        QCOMPARE(client()->action(CM_NEW)->text(), QStringLiteral("&New..."));
    }

    void closeAllGoesOnAfterACancelledPrompt() {
        client()->addChart(TRadixWindow::fromData(person("One", 12, 0), ChartBlocks{}));
        client()->addChart(TRadixWindow::fromData(person("Two", 12, 0), ChartBlocks{}));
        static int s_asked;
        s_asked = 0;
        TRadixWindow::askSave = [](QWidget*, const QString&) {
            return ++s_asked == 1 ? int(QMessageBox::Cancel) : int(QMessageBox::No);
        };
        client()->dispatch(CM_CLOSEALL);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(s_asked, 2);
        QCOMPARE(client()->charts().size(), 1);
    }

    void houseSystemCommandChecksAndRecomputes() {
        auto* w = TRadixWindow::fromData(person("Houses", 12, 0), ChartBlocks{});
        client()->addChart(w);
        client()->dispatch(CM_HOUSE0);
        client()->dispatch(CM_NODEMEAN);
        QCOMPARE(int(w->chart().houseSystemUsed), 0);
        const auto cuspsBefore = w->chart().cusp;
        const double meanNode = w->chart().lon[BodyNorthNode];

        client()->dispatch(CM_HOUSE0 + 4);
        QCOMPARE(int(state().Options.housecalc), 4);
        QVERIFY(client()->action(CM_HOUSE0 + 4)->isChecked());
        QVERIFY(!client()->action(CM_HOUSE0)->isChecked());
        // The open chart is computed again with Koch houses: other intermediate cusps.
        QCOMPARE(int(w->chart().houseSystemUsed), 4);
        QVERIFY(w->chart().cusp != cuspsBefore);

        client()->dispatch(CM_NODETRUE);
        QCOMPARE(int(state().Options.nodetype), 1);
        QVERIFY(client()->action(CM_NODETRUE)->isChecked());
        // The true node differs from the mean one by up to about 1.7 degrees, never by nothing.
        const double moved = std::abs(w->chart().lon[BodyNorthNode] - meanNode);
        QVERIFY2(moved > 1e-5 && moved < 0.05, qPrintable(QString::number(moved)));
    }

    // Last: it leaves the application in its failed state.
    void startWithoutAnyOptionsFileFails() {
        QTemporaryDir empty;
        QVERIFY(makeProgramFolder(empty, false));
        QVERIFY(!TAstroApp::instance()->start(empty.path()));
        QVERIFY(state().StartupFailed);
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestCharts test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_charts.moc"
