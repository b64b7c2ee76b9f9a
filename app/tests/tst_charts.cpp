#include <cmath>
#include <QtTest>
#include <QActionGroup>
#include <QMenuBar>
#include <QMenu>
#include <QFileDialog>
#include <QMdiSubWindow>
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
        client()->closeAllCharts();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
        FakePrompts prompts;
        prompts.chooseFile = [](const FakePrompts::FileRequest& r) { return r.start; };  // accept the proposal
        prompts.install();
        commands()->dispatch(CM_SAVE);
        QCOMPARE(prompts.fileRequests.size(), 1);
        QCOMPARE(prompts.fileRequests[0].caption, QString("Save Horoscope"));
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
        QTest::newRow("yes saves and closes") << int(Prompts::Answer::Yes) << true << true;
        QTest::newRow("no closes without saving") << int(Prompts::Answer::No) << true << false;
        QTest::newRow("cancel keeps the window") << int(Prompts::Answer::Cancel) << false << false;
    }
    void closePromptAnswers() {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        const QString path = m_folder.path() + "/horo/prompt.hor";
        QFile::remove(path);
        auto* w = TRadixWindow::fromData(testApp().context(), person("Prompt", 12, 0), ChartBlocks{});
        client()->addChart(w);
        FakePrompts prompts;
        prompts.answers = {Prompts::Answer(answer)};
        prompts.chooseFile = [](const FakePrompts::FileRequest& r) { return QFileInfo(r.start).dir().filePath("prompt.hor"); };
        prompts.install();
        QPointer<TRadixWindow> alive(w);
        const bool accepted = w->close();
        QCOMPARE(prompts.questions.size(), 1);
        QCOMPARE(prompts.questions[0], QString("Personal data for\nPrompt,  radix;   (Untitled)\nhas changed.\nSave it before closing?"));
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

    // However far a view is panned or scrolled, part of it stays in the window; a middle
    // double-click brings any view back.
    void viewsCannotBeLostOutOfSight_data() {
        QTest::addColumn<int>("view");
        QTest::newRow("wheel") << int(CM_VIEWWHEEL);
        QTest::newRow("positions") << int(CM_VIEWPOSITIONS);
        QTest::newRow("signs and houses") << int(CM_VIEWSIGNS);
        QTest::newRow("aspects") << int(CM_VIEWASPECTS);
        QTest::newRow("combined") << int(CM_VIEWCOMBINED);
    }
    void viewsCannotBeLostOutOfSight() {
        QFETCH(int, view);
        auto* w = TRadixWindow::fromData(testApp().context(), person("Pan", 12, 0), ChartBlocks{});
        client()->addChart(w);
        commands()->dispatch(view);
        const ViewOffset start = w->offset();
        // How much of the view's drawing, moved by the offset, lies inside the window.
        const auto visible = [w] {
            const ContentBounds c = w->contentBounds();
            const QRect drawn = QRect(QPoint(c.left, c.top), QPoint(c.right - 1, c.bottom - 1))
                                    .translated(w->offset().x, w->offset().y);
            const QRect shown = drawn.intersected(w->rect());
            return std::min(shown.width(), shown.height());
        };
        for (const int key : {41005, 41004, 41007, 41006}) {  // far up, down, left and right
            for (int i = 0; i < 60; ++i)
                commands()->dispatch(key);
            QVERIFY2(visible() > 20, qPrintable(QString("after key %1").arg(key)));
        }
        for (int i = 0; i < 60; ++i) {
            QWheelEvent scroll(QPointF(10, 10), w->mapToGlobal(QPointF(10, 10)), {}, {0, -120}, Qt::NoButton,
                               Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(w, &scroll);
        }
        QVERIFY(visible() > 20);
        QTest::mouseDClick(w, Qt::MiddleButton);
        QCOMPARE(w->offset().x, start.x);
        QCOMPARE(w->offset().y, start.y);
    }

    // A pan that keeps the chart in sight survives resizing; one that would not is pulled back.
    void panSurvivesResizingWithinSight() {
        auto* w = TRadixWindow::fromData(testApp().context(), person("Resize", 12, 0), ChartBlocks{});
        client()->addChart(w);
        auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
        sub->showNormal();
        sub->resize(700, 600);
        QTest::qWait(10);
        w->pan(60, 40);
        const ViewOffset panned = w->offset();
        sub->resize(800, 700);
        QTest::qWait(10);
        QCOMPARE(w->offset().x, panned.x);
        QCOMPARE(w->offset().y, panned.y);
        w->pan(250, 0);
        sub->resize(260, 220);
        QTest::qWait(10);
        const int r = static_cast<int>(std::min(w->width(), w->height()) / 2.0 * 0.96);
        QVERIFY2(w->width() / 2 + w->offset().x - r < w->width(), "the wheel's left edge is inside the window");
    }

    // Save options proposes and completes the options file's extension, as Save does for charts
    // (the program's own file dialog, not the scripted one).
    void saveOptionsAddsTheExtension() {
        QtPrompts real;
        Prompts& previous = testApp().context().setPrompts(real);
        const QString folder = m_folder.path() + "/options";
        QTimer::singleShot(0, [folder] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!d)
                return;
            QCOMPARE(d->defaultSuffix(), QString("zdo"));
            d->selectFile(folder + "/mine");
            QMetaObject::invokeMethod(d, "accept");
        });
        const std::string before = state().Options.options_file.data();
        commands()->dispatch(CM_SAVEOPTIONS);
        testApp().context().setPrompts(previous);
        QVERIFY(QFile::exists(folder + "/mine.zdo"));
        QCOMPARE(QString(state().Options.options_file.data()), folder + "/mine.zdo");
        setFixedText(state().Options.options_file, before);
    }

    void recentListOpensAndDropsStaleEntries() {
        const QString path = m_folder.path() + "/horo/recent.hor";
        const RadixData r = person("Recent", 10, 30);
        QVERIFY(WriteHoroscopeFile(path.toStdString(), state().Strings, r, ChartBlocks{}));
        const QString damaged = m_folder.path() + "/horo/damaged.hor";
        QFile::remove(damaged);
        QVERIFY(QFile::copy(path, damaged));
        QVERIFY(QFile::resize(damaged, 100));
        const QString missing = m_folder.path() + "/horo/missing.hor";
        TOptions& o = state().Options;
        o.lastfile_count = 3;
        setFixedText(o.lastfiles[0], "Gone,  radix;   " + missing.toStdString());
        setFixedText(o.lastfiles[1], "Damaged,  radix;   " + damaged.toStdString());
        setFixedText(o.lastfiles[2], "Recent,  radix;   " + path.toStdString());
        testFrame().rebuildLastFiles();
        // An entry that does not open is dropped, and the status bar says why.
        TAstroStatusBar* status = testFrame().astroStatusBar();
        commands()->dispatch(CM_LASTFILE0);
        QCOMPARE(int(o.lastfile_count), 2);
        QVERIFY(client()->charts().isEmpty());
        QCOMPARE(status->message(), "The file " + missing + " cannot be read.");
        commands()->dispatch(CM_LASTFILE0);
        QCOMPARE(int(o.lastfile_count), 1);
        QVERIFY(client()->charts().isEmpty());
        QCOMPARE(status->message(), "The horoscope file " + damaged +
                                        " is damaged and was not opened: it is cut short in the birth data "
                                        "(the file has 100 bytes, 174 are needed).");
        QCOMPARE(QFileInfo(damaged).size(), 100);  // nothing is changed on disk
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

    // Cascade restores the windows to the size they are restored to anyway, each one offset
    // from the one before; a minimised window stays an icon.
    void cascadeKeepsTheWindowsReadable() {
        for (const char* name : {"One", "Two", "Three", "Icon"})
            client()->addChart(TRadixWindow::fromData(testApp().context(), person(name, 12, 0), ChartBlocks{}));
        QMdiSubWindow* icon = client()->activeSubWindow();
        icon->showMinimized();
        QMdiSubWindow* active = client()->subWindowList().at(1);
        client()->setActiveSubWindow(active);
        commands()->dispatch(CM_CASCADE);
        const QSize usable = client()->usableWindowSize();
        QVERIFY(usable.width() >= TAstroClient::MinimumChartWidth && usable.height() >= TAstroClient::MinimumChartHeight);
        QList<QPoint> places;
        for (QMdiSubWindow* sub : client()->subWindowList()) {
            if (sub == icon) {
                QVERIFY(sub->isMinimized());
                continue;
            }
            QVERIFY(!sub->isMaximized());
            QCOMPARE(sub->size(), usable);
            QVERIFY(!places.contains(sub->pos()));
            places << sub->pos();
        }
        QCOMPARE(places.size(), 3);
        QCOMPARE(client()->activeSubWindow(), active);
    }

    // Cancel in any save question leaves the whole desktop as it was, the unchanged charts too;
    // otherwise every chart goes, each changed one asked once.
    void closeAllAsksEveryChangedChartBeforeClosingAny_data() {
        QTest::addColumn<int>("firstAnswer");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("left");
        QTest::newRow("cancel keeps all") << int(Prompts::Answer::Cancel) << 1 << 3;
        QTest::newRow("no closes all") << int(Prompts::Answer::No) << 2 << 0;
    }
    void closeAllAsksEveryChangedChartBeforeClosingAny() {
        QFETCH(int, firstAnswer);
        QFETCH(int, asked);
        QFETCH(int, left);
        auto* saved = TRadixWindow::fromData(testApp().context(), person("Saved", 12, 0), ChartBlocks{});
        client()->addChart(saved);
        FakePrompts prompts;
        prompts.chooseFile = [](const FakePrompts::FileRequest& r) { return r.start; };
        prompts.install();
        QVERIFY(saved->save());
        client()->addChart(TRadixWindow::fromData(testApp().context(), person("One", 12, 0), ChartBlocks{}));
        client()->addChart(TRadixWindow::fromData(testApp().context(), person("Two", 12, 0), ChartBlocks{}));
        prompts.answers = {Prompts::Answer(firstAnswer)};
        prompts.fallback = Prompts::Answer::No;
        commands()->dispatch(CM_CLOSEALL);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(prompts.questions.size(), asked);
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

    // The Window menu lists the open charts (the active one checked) and brings one back; a
    // chart restored from maximised keeps a size at which it can be read; Ctrl+F4 closes the
    // active chart; house systems and node types are exclusive choices.
    void windowMenuListsTheChartsAndChoosesOne() {
        auto* one = TRadixWindow::fromData(testApp().context(), person("One", 12, 0), ChartBlocks{});
        auto* two = TRadixWindow::fromData(testApp().context(), person("Two", 12, 0), ChartBlocks{});
        client()->addChart(one);
        client()->addChart(two);
        QMenu* menu = nullptr;
        for (QAction* top : testFrame().menuBar()->actions())
            if (top->text() == QStringLiteral("&Window"))
                menu = top->menu();
        QVERIFY(menu);
        emit menu->aboutToShow();
        QStringList listed;
        QString checked;
        QAction* first = nullptr;
        for (QAction* a : menu->actions()) {
            if (!a->isCheckable() || a->data().isValid())
                continue;
            listed << a->text();
            if (a->isChecked())
                checked = a->text();
            if (!first)
                first = a;
        }
        QCOMPARE(listed.size(), 2);
        QVERIFY(listed[0].startsWith("&1 * One, radix;"));
        QVERIFY(checked.startsWith("&2 * Two"));
        first->trigger();
        QCOMPARE(client()->activeChart(), one);

        QMdiSubWindow* sub = client()->activeSubWindow();
        sub->showNormal();
        QVERIFY(sub->width() >= 480 && sub->height() >= 400);

        QVERIFY(commands()->action(CM_CLOSEWINDOW)->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_F4)));
        commands()->dispatch(CM_CLOSEWINDOW);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(client()->charts(), QList<TRadixWindow*>{two});

        for (const int id : {int(CM_HOUSE0), int(CM_NODEMEAN), int(CM_ENGLISH)}) {
            QActionGroup* group = commands()->action(id)->actionGroup();
            QVERIFY(group && group->isExclusive());
        }
    }

    void houseSystemCommandChecksAndRecomputes() {
        auto* w = TRadixWindow::fromData(testApp().context(), person("Houses", 12, 0), ChartBlocks{});
        client()->addChart(w);
        commands()->dispatch(CM_HOUSE0);
        commands()->dispatch(CM_NODEMEAN);
        QCOMPARE(int(w->chart().houseSystemUsed), 0);
        const auto cuspsBefore = w->chart().cusp;
        const double meanNode = w->chart().lon[BodyNorthNode];

        commands()->dispatch(CM_HOUSE0 + 4);
        QCOMPARE(int(state().Options.housecalc), 4);
        QVERIFY(commands()->action(CM_HOUSE0 + 4)->isChecked());
        QVERIFY(!commands()->action(CM_HOUSE0)->isChecked());
        // The open chart is computed again with Koch houses: other intermediate cusps.
        QCOMPARE(int(w->chart().houseSystemUsed), 4);
        QVERIFY(w->chart().cusp != cuspsBefore);

        commands()->dispatch(CM_NODETRUE);
        QCOMPARE(int(state().Options.nodetype), 1);
        QVERIFY(commands()->action(CM_NODETRUE)->isChecked());
        // The true node differs from the mean one by up to about 1.7 degrees, never by nothing.
        const double moved = std::abs(w->chart().lon[BodyNorthNode] - meanNode);
        QVERIFY2(moved > 1e-5 && moved < 0.05, qPrintable(QString::number(moved)));
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
