// The directions as a person uses them: the two selections stored and saved, the lists opened
// for the active chart with their filter and groups, the marked life events beside the
// directions, the export, and a rectified birth time taken into the chart.
#include <QtTest>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>
#include <cmath>

#include "CommandIds.h"
#include "CommandTable.h"
#include "DialogDriver.h"
#include "FixedText.h"
#include "JulianMoment.h"
#include "ProgramFolderFixture.h"
#include "RadixData.h"
#include "TAstroApp.h"
#include "MomentSteps.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TDirectionsWindow.h"
#include "TRadixWindow.h"
#include "TRectificationDialog.h"
#include "TestApp.h"

namespace {

TAstroClient* client() { return testFrame().client(); }
CommandTable* commands() { return testFrame().commands(); }
TOptions& options() { return testApp().state().Options; }

enum : int { Sun = 0, Moon = 1, Mercury = 2, Venus = 3, Mars = 4, Jupiter = 5, Saturn = 6 };
enum : int { Con = 0, Sex = 3, Qua = 5, Tri = 6, Opp = 10 };
constexpr double MinuteDays = 1.0 / 1440;

QString fileText(const char* path) {
    QFile f(QString::fromLocal8Bit(path));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

// A natal chart on Greenwich time, so that the lists' clock is Universal Time.
RadixData natalChart(int minute = 0) {
    RadixData r;
    setFixedText(r.name, "Anna");
    setFixedText(r.horType, "radix");
    r.moment = BirthMoment(CalDate(1980, 7, 1, true), ClockTime{10, static_cast<std::uint8_t>(minute), 0.0},
                           GeoAngle(19, 5, 0, false), GeoAngle(47, 30, 0, false), TimeGMT, 0, 0, false);
    r.moment.localToUniversal();
    return r;
}

// The seven classical bodies directed to the angles in the major aspects.
void selectAngles(TDirectionFilter& f) {
    f = TDirectionFilter{};
    for (int b : {Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn})
        f.promissors[static_cast<std::size_t>(b)] = true;
    f.significators[SignificatorMarkAscendant] = f.significators[SignificatorMarkMC] = true;
    for (int a : {Con, Sex, Qua, Tri, Opp})
        f.aspects[static_cast<std::size_t>(a)] = true;
}

LifeEvent lifeEvent(const char* name, double jdUT, bool marked) {
    LifeEvent e;
    e.selected = marked ? 1 : 0;
    setFixedText(e.name, name);
    ClockTime time;
    julianDayToCalendar(jdUT, e.date, time);
    return e;
}

TDirectionsWindow* openedList(DirectionKind kind) {
    for (auto* w : testFrame().findChildren<TDirectionsWindow*>())
        if (w->kind() == kind)
            return w;
    return nullptr;
}

// The first-column texts of the list's top rows.
QStringList topRows(const QTreeView* list) {
    QStringList rows;
    for (int r = 0; r < list->model()->rowCount(); ++r)
        rows << list->model()->index(r, 0).data().toString();
    return rows;
}

}  // namespace

class TestDirections : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    QTemporaryDir m_settings;

private slots:
    void initTestCase() {
        QVERIFY(startTestApp(m_folder, m_settings));
        QVERIFY(QTest::qWaitForWindowExposed(&testFrame()));
    }
    void init() {
        selectAngles(options().directions);
        selectAngles(options().secdirs);
        options().directions.dispmode = options().secdirs.dispmode = DirectionsByDate;
        options().correvs = 1.0;
    }
    void cleanup() {
        for (auto* w : testFrame().findChildren<TDirectionsWindow*>())
            delete w;
        client()->closeAllCharts();
    }

    void selectionDialogsStoreAndSaveTheSelection_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("primary");
        QTest::addColumn<QString>("section");
        QTest::newRow("primary") << int(CM_DIRECTIONSELECTION) << true << "[directions]";
        QTest::newRow("secondary") << int(CM_SECDIRSELECTION) << false << "[secdirs]";
    }
    void selectionDialogsStoreAndSaveTheSelection() {
        QFETCH(int, command);
        QFETCH(bool, primary);
        QFETCH(QString, section);
        options().autosave = true;
        TDirectionFilter& f = primary ? options().directions : options().secdirs;
        f = TDirectionFilter{};
        FakePrompts script;
        script.steps << [](QDialog& d) {
            field<QCheckBox>(d, "promissor6")->setChecked(true);
            // The Part of Fortune is a promissor of primary directions only.
            if (auto* fortune = field<QCheckBox>(d, "promissor19"); fortune->isEnabled())
                fortune->setChecked(true);
            field<QCheckBox>(d, "significator0")->setChecked(true);
            field<QCheckBox>(d, "significator12")->setChecked(true);
            field<QPushButton>(d, "aspectAll")->click();
            field<QCheckBox>(d, "aspect17")->setChecked(false);
            setText(d, "filter", "sat>sun  ");
            choose(d, "dispmode", DirectionsBySignificator);
            return press(d);
        } << [](QDialog& d) {
            field<QPushButton>(d, "promissorNone")->click();
            choose(d, "dispmode", DirectionsByPromissor);
            return press(d, QDialogButtonBox::Cancel);
        };
        script.install();
        commands()->dispatch(command);
        QVERIFY(f.promissors[Saturn] && !f.promissors[Sun]);
        QCOMPARE(f.promissors[PromissorMarkFortune], primary);
        QVERIFY(f.significators[Sun] && f.significators[SignificatorMarkMC] && !f.significators[Moon]);
        QVERIFY(f.aspects[Con] && f.aspects[16] && !f.aspects[17]);
        QCOMPARE(QString(f.filter.data()), QStringLiteral("sat>sun"));
        QCOMPARE(int(f.dispmode), int(DirectionsBySignificator));
        const QString saved = fileText(options().options_file.data());
        const QString part = saved.mid(saved.indexOf(section));
        QVERIFY(part.contains(primary ? "\npromissors=......X............X" : "\npromissors=......X............."));
        QVERIFY(part.contains("\ndispmode=1"));

        commands()->dispatch(command);  // Cancel keeps what was there
        QVERIFY(script.allRun());
        QVERIFY(f.promissors[Saturn]);
        QCOMPARE(int(f.dispmode), int(DirectionsBySignificator));
    }

    void listsOpenForTheActiveChart_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::newRow("primary") << int(CM_PRIMARYDIRECTIONS) << int(DirectionKind::Primary)
                                 << "Primary Directions: Anna";
        QTest::newRow("secondary") << int(CM_SECONDARYDIRECTIONS) << int(DirectionKind::Secondary)
                                   << "Secondary Directions: Anna";
    }
    void listsOpenForTheActiveChart() {
        QFETCH(int, command);
        QFETCH(int, kind);
        QFETCH(QString, title);
        QVERIFY(!commands()->action(command)->isEnabled() || !client()->activeChart());
        client()->addChart(TRadixWindow::fromData(testApp().context(), natalChart(), ChartBlocks{}));
        commands()->updateActions();
        QVERIFY(commands()->action(command)->isEnabled());
        commands()->dispatch(command);
        TDirectionsWindow* w = openedList(DirectionKind(kind));
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), title);
        QVERIFY(!w->rows().empty());
        for (const DirectionRow& row : w->rows()) {
            QVERIFY(row.age >= 0 && row.age <= DefaultDirectionsToAge);
            QVERIFY(row.significator == NatalAscendant || row.significator == NatalMC);
        }
        // By date: every direction on a top row of its own, in time order.
        QCOMPARE(w->listView()->model()->rowCount(), int(w->rows().size()));
        QVERIFY(std::is_sorted(w->rows().begin(), w->rows().end(),
                               [](const DirectionRow& a, const DirectionRow& b) { return a.jdUT < b.jdUT; }) ||
                kind == int(DirectionKind::Primary));
    }

    // An open list follows its chart: a birth time changed, life events marked, options changed
    // (here the selection) are shown without reopening it.
    void listFollowsItsChartAndTheOptions() {
        client()->addChart(TRadixWindow::fromData(testApp().context(), natalChart(), ChartBlocks{}));
        TRadixWindow* chart = client()->activeChart();
        commands()->dispatch(CM_PRIMARYDIRECTIONS);
        TDirectionsWindow* w = openedList(DirectionKind::Primary);
        QVERIFY(w);
        const std::vector<DirectionRow> before = w->rows();
        QVERIFY(!before.empty() && w->matches().empty());

        const auto firstJd = [](const std::vector<DirectionRow>& rows) { return rows.front().jdUT; };
        stepMinutes(chart->chart().moment, 30);
        chart->chartChanged();
        QVERIFY(firstJd(w->rows()) != firstJd(before));

        chart->blocks().lifeEvents.count = 1;
        chart->blocks().lifeEvents.events[0] = lifeEvent("Wedding", w->rows().front().jdUT, true);
        chart->chartChanged();
        QCOMPARE(w->matches().size(), std::size_t(1));

        options().directions.significators[SignificatorMarkAscendant] = false;
        client()->recomputeAll();
        for (const DirectionRow& row : w->rows())
            QCOMPARE(row.significator, int(NatalMC));
    }

    void listWithNothingSelectedAsksForTheSelectionFirst_data() {
        QTest::addColumn<bool>("choose");
        QTest::newRow("chosen") << true;
        QTest::newRow("cancelled") << false;
    }
    void listWithNothingSelectedAsksForTheSelectionFirst() {
        QFETCH(bool, choose);
        options().directions.aspects.fill(false);
        client()->addChart(TRadixWindow::fromData(testApp().context(), natalChart(), ChartBlocks{}));
        FakePrompts script;
        script.steps << [choose](QDialog& d) {
            field<QCheckBox>(d, "aspect0")->setChecked(true);
            return press(d, choose ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
        };
        script.install();
        commands()->dispatch(CM_PRIMARYDIRECTIONS);
        QVERIFY(script.allRun());
        QCOMPARE(script.messages.size(), 1);
        TDirectionsWindow* w = openedList(DirectionKind::Primary);
        QCOMPARE(w != nullptr, choose);
        if (w)
            QVERIFY(!w->rows().empty());
    }

    void listFiltersAndGroupsByDisplayMode_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("dispmode");
        QTest::addColumn<QStringList>("groups");  // empty: by date
        QTest::addColumn<QString>("promissor");   // every row's promissor, or any
        QTest::newRow("by significator") << "" << int(DirectionsBySignificator) << QStringList{"Ascendant", "MC"}
                                         << "";
        QTest::newRow("by promissor, filtered") << "sat/jup" << int(DirectionsByPromissor)
                                                << QStringList{"Jupiter", "Saturn"} << "";
        QTest::newRow("one promissor to one angle") << "mars>mc" << int(DirectionsBySignificator)
                                                    << QStringList{"MC"} << "Mars";
        QTest::newRow("excluded") << "-sun -moo -mer -ven -mar -jup" << int(DirectionsByPromissor)
                                  << QStringList{"Saturn", "Fortune"} << "";
        QTest::newRow("the Part of Fortune") << "fortune>" << int(DirectionsByPromissor) << QStringList{"Fortune"}
                                             << "Fortune";
    }
    void listFiltersAndGroupsByDisplayMode() {
        QFETCH(QString, filter);
        QFETCH(int, dispmode);
        QFETCH(QStringList, groups);
        QFETCH(QString, promissor);
        options().directions.promissors[PromissorMarkFortune] = true;
        client()->addChart(TRadixWindow::fromData(testApp().context(), natalChart(), ChartBlocks{}));
        auto* w = new TDirectionsWindow(&testFrame(), testApp().context(), *client()->activeChart(),
                                        DirectionKind::Primary);
        w->setFilterText(filter);
        w->setDisplayMode(dispmode);
        QCOMPARE(topRows(w->listView()), groups);
        const QAbstractItemModel* m = w->listView()->model();
        for (int g = 0; g < m->rowCount(); ++g) {
            const QModelIndex group = m->index(g, 0);
            QVERIFY(m->rowCount(group) > 0);
            for (int r = 0; r < m->rowCount(group); ++r)
                if (!promissor.isEmpty())
                    QCOMPARE(m->index(r, 2, group).data().toString(), promissor);
        }
        // The printed and exported content is what the list shows.
        const ListPageContent content = w->listContent();
        QCOMPARE(int(std::count_if(content.rows.begin(), content.rows.end(), [](auto& r) { return r.heading; })),
                 int(groups.size()));
    }

    void markedEventsAreShownBesideTheDirections() {
        // Two marked events on the dates of two directions, an unmarked one on a third, and a
        // marked one far from every direction of a narrow selection.
        options().directions.significators[SignificatorMarkAscendant] = false;
        options().correvs = 0.5;
        client()->addChart(TRadixWindow::fromData(testApp().context(), natalChart(), ChartBlocks{}));
        auto probe = std::make_unique<TDirectionsWindow>(&testFrame(), testApp().context(),
                                                         *client()->activeChart(), DirectionKind::Primary);
        const std::vector<DirectionRow> rows = probe->rows();
        QVERIFY(rows.size() >= 3);
        probe.reset();
        client()->closeAllCharts();

        ChartBlocks blocks;
        blocks.lifeEvents.count = 4;
        blocks.lifeEvents.events[0] = lifeEvent("Wedding", rows[0].jdUT, true);
        blocks.lifeEvents.events[1] = lifeEvent("Move", rows[1].jdUT, false);
        blocks.lifeEvents.events[2] = lifeEvent("Child", rows[2].jdUT, true);
        blocks.lifeEvents.events[3] = lifeEvent("Lottery", natalChart().moment.julianDayUT() + 200 * 365.25, true);
        client()->addChart(TRadixWindow::fromData(testApp().context(), natalChart(), blocks));
        auto* w = new TDirectionsWindow(&testFrame(), testApp().context(), *client()->activeChart(),
                                        DirectionKind::Primary);
        QTreeWidget* events = w->eventsView();
        QCOMPARE(events->topLevelItemCount(), 3);  // the unmarked one is left out
        const QStringList names = {events->topLevelItem(0)->text(0), events->topLevelItem(1)->text(0),
                                   events->topLevelItem(2)->text(0)};
        QCOMPARE(names, (QStringList{"Wedding", "Child", "Lottery"}));
        for (int e : {0, 1}) {
            const QTreeWidgetItem* item = events->topLevelItem(e);
            QVERIFY(item->childCount() >= 1);
            // The direction on the event's date comes first, less than a day away.
            QVERIFY(std::fabs(item->child(0)->text(2).toDouble()) < 0.01);
            for (int c = 0; c < item->childCount(); ++c)
                QVERIFY(std::fabs(item->child(c)->text(2).toDouble()) <= 0.5);
            // The event's line tells how far the closest direction is.
            QCOMPARE(item->text(2), item->child(0)->text(2));
        }
        const QTreeWidgetItem* far = events->topLevelItem(2);
        QCOMPARE(far->childCount(), 1);
        QVERIFY(far->child(0)->text(0).startsWith("closest: "));
        QCOMPARE(far->child(0)->toolTip(0), QStringLiteral("No direction within half a year of this event."));
        QCOMPARE(far->child(0)->text(2), far->text(2));
        QVERIFY(far->text(2).toDouble() < -100);  // the closest direction lies a century or more before
        QCOMPARE(w->matches().size(), std::size_t(3));
    }

    void exportWritesTheListShown_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("csv") << "list.csv" << QByteArray("Group,Date,Age,Promissor,Aspect,Significator,Arc");
        QTest::newRow("pdf") << "list.pdf" << QByteArray("%PDF");
    }
    void exportWritesTheListShown() {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        client()->addChart(TRadixWindow::fromData(testApp().context(), natalChart(), ChartBlocks{}));
        auto* w = new TDirectionsWindow(&testFrame(), testApp().context(), *client()->activeChart(),
                                        DirectionKind::Primary);
        w->setDisplayMode(DirectionsBySignificator);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QVERIFY(w->exportTo(path));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray data = f.readAll();
        QVERIFY2(data.startsWith(start), data.left(80).constData());
        if (name.endsWith(".csv"))
            QCOMPARE(data.count('\n'), qsizetype(w->rows().size() + 1));

        // A folder in the way is told, not reported as written.
        FakePrompts script;
        script.install();
        QVERIFY(QDir(dir.path()).mkdir("taken.csv"));
        QVERIFY(!w->exportTo(dir.filePath("taken.csv")));
        QCOMPARE(script.errors.size(), 1);
    }

    void rectifiedTimeIsTakenIntoTheChart() {
        // Events made from the directions of the chart four minutes later.
        const int trueMinute = 4;
        client()->addChart(TRadixWindow::fromData(testApp().context(), natalChart(trueMinute), ChartBlocks{}));
        auto probe = std::make_unique<TDirectionsWindow>(&testFrame(), testApp().context(),
                                                         *client()->activeChart(), DirectionKind::Primary);
        probe->setAgeSpan(15, 60);
        const std::vector<DirectionRow> rows = probe->rows();
        QVERIFY(rows.size() >= 9);
        probe.reset();
        client()->closeAllCharts();
        ChartBlocks blocks;
        blocks.lifeEvents.count = 3;
        for (int e = 0; e < 3; ++e)
            blocks.lifeEvents.events[static_cast<std::size_t>(e)] =
                lifeEvent("event", rows[static_cast<std::size_t>(e) * rows.size() / 3].jdUT, true);
        TRadixWindow* chart = TRadixWindow::fromData(testApp().context(), natalChart(), blocks);
        client()->addChart(chart);
        const double recorded = chart->chart().moment.julianDayUT();
        const double recordedArmc = chart->chart().armc;

        FakePrompts script;
        double takenUT = 0;
        script.steps << [&](QDialog& d) {
            auto& dialog = dynamic_cast<TRectificationDialog&>(d);
            field<QDoubleSpinBox>(d, "range")->setValue(6);
            field<QPushButton>(d, "rank")->click();
            [&] { QCOMPARE(dialog.ranking().size(), std::size_t(13)); }();
            [&] { QCOMPARE(dialog.ranking().front().offsetMinutes, double(trueMinute)); }();
            auto* list = field<QTreeWidget>(d, "ranking");
            [&] { QCOMPARE(list->topLevelItemCount(), 13); }();
            list->setCurrentItem(list->topLevelItem(0));
            takenUT = dialog.ranking().front().jdUT;
            field<QPushButton>(d, "take")->click();
            return d.result();
        };
        script.install();
        commands()->dispatch(CM_RECTIFICATION);
        QVERIFY(script.allRun());
        QVERIFY(std::fabs(chart->chart().moment.julianDayUT() - takenUT) < 0.5 / 86400);
        QVERIFY(std::fabs(chart->chart().moment.julianDayUT() - recorded - trueMinute * MinuteDays) < 0.5 / 86400);
        QCOMPARE(int(chart->chart().moment.localTime.minute), trueMinute);
        // Computed again for the new time: the sky turned by about a degree in four minutes.
        QVERIFY(std::fabs(chart->chart().armc - recordedArmc) > 0.01);
        QVERIFY(chart->isModified());
    }

    void rectificationWithoutMarkedEventsSaysWhatToDo() {
        client()->addChart(TRadixWindow::fromData(testApp().context(), natalChart(), ChartBlocks{}));
        FakePrompts script;
        script.steps << [](QDialog& d) {
            field<QPushButton>(d, "rank")->click();
            [&] { QVERIFY(!field<QPushButton>(d, "take")->isEnabled()); }();
            return press(d, QDialogButtonBox::Close);
        };
        script.install();
        commands()->dispatch(CM_RECTIFICATION);
        QVERIFY(script.allRun());
        QCOMPARE(script.errors.size(), 1);
        QVERIFY(script.errors[0].contains("Mark at least one life event"));
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestDirections test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_directions.moc"
