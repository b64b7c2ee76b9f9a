// The transits selection dialog and the transits window as a person uses them: the selection
// stored and saved, orbs refused, the list's filter and display modes, a double click opening
// the collation at the event's moment, a search run and a search cancelled.
#include <QtTest>
#include <QCheckBox>
#include <QDateEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <cmath>
#include <QTreeView>

#include "CommandIds.h"
#include "CommandTable.h"
#include "DialogDriver.h"
#include "FixedText.h"
#include "ProgramFolderFixture.h"
#include "RadixData.h"
#include "TAstroApp.h"
#include <QPainter>

#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TRadixWindow.h"
#include "TTransitPeriodDialog.h"
#include "TTransitsWindow.h"
#include "TransitTimeLineView.h"
#include "TestApp.h"

namespace {

TAstroClient* client() { return testFrame().client(); }
CommandTable* commands() { return testFrame().commands(); }
TOptions& options() { return testApp().state().Options; }

constexpr double Jan2027 = 2461406.5;  // 2027-01-01 0h UT
constexpr double Jan2028 = Jan2027 + 365;
enum : int { Sun = 0, Moon = 1, Mars = 4, Jupiter = 5, Saturn = 6 };
enum : int { Con = 0, Qua = 5, Tri = 6 };

QString fileText(const char* path) {
    QFile f(QString::fromLocal8Bit(path));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

// A natal chart on Greenwich time, so that the list's clock is Universal Time.
RadixData natalChart() {
    RadixData r;
    setFixedText(r.name, "Anna");
    setFixedText(r.horType, "radix");
    r.moment = BirthMoment(CalDate(1980, 7, 1, true), ClockTime{10, 0, 0.0}, GeoAngle(19, 5, 0, false),
                           GeoAngle(47, 30, 0, false), TimeGMT, 0, 0, false);
    r.moment.localToUniversal();
    return r;
}

TransitEvent event(int transiting, int aspect, int natal, double exact, int motion = TransitDirect) {
    return {transiting, natal, aspect, exact, exact - 2, exact + 2, motion};
}

// Saturn's three passes over the natal Sun and three other transits, not in time order.
std::vector<TransitEvent> someEvents() {
    return {event(Saturn, Qua, Sun, Jan2027 + 20.5), event(Saturn, Qua, Sun, Jan2027 + 150.25, TransitRetrograde),
            event(Saturn, Qua, Sun, Jan2027 + 300), event(Mars, Tri, Moon, Jan2027 + 40),
            event(Jupiter, Con, Sun, Jan2027 + 100), event(Moon, Con, Moon, Jan2027 + 5)};
}

void selectForSearch() {
    TDirectionFilter& f = options().transits;
    f = TDirectionFilter{};
    f.promissors[Moon] = f.promissors[Saturn] = f.promissors[Jupiter] = true;
    f.significators[Sun] = f.significators[Moon] = true;
    f.aspects[Con] = f.aspects[Qua] = f.aspects[Tri] = true;
}

}  // namespace

class TestTransits : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    QTemporaryDir m_settings;

    TTransitsWindow* windowWith(std::vector<TransitEvent> events) {
        auto* w = new TTransitsWindow(&testFrame(), testApp().context(), natalChart(),
                                      [this](double jd) { m_opened << jd; });
        w->showEvents(std::move(events), Jan2027, Jan2027 + 365);
        return w;
    }
    QList<double> m_opened;

private slots:
    void initTestCase() {
        QVERIFY(startTestApp(m_folder, m_settings));
        QVERIFY(QTest::qWaitForWindowExposed(&testFrame()));
    }
    void cleanup() {
        client()->closeAllCharts();
        for (auto* w : testFrame().findChildren<TTransitsWindow*>()) {
            w->cancelSearch();
            QTRY_VERIFY(!w->searching());
            delete w;
        }
        m_opened.clear();
    }

    void selectionDialogStoresAndSavesTheSelection() {
        options().autosave = true;
        options().transits = TDirectionFilter{};
        options().transits.promissors[19] = true;  // the Part of Fortune's mark is kept as it is
        FakePrompts script;
        script.steps << [](QDialog& d) {
            field<QCheckBox>(d, "transiting6")->setChecked(true);
            field<QCheckBox>(d, "natal0")->setChecked(true);
            field<QCheckBox>(d, "natal11")->setChecked(true);
            field<QPushButton>(d, "aspectAll")->click();
            field<QCheckBox>(d, "aspect17")->setChecked(false);
            setText(d, "filter", "sat>sun  ");
            choose(d, "dispmode", TransitsByTransiting);
            setText(d, "before6", "2.5");
            setText(d, "after6", "1");
            return press(d);
        } << [](QDialog& d) {
            field<QPushButton>(d, "transitingNone")->click();
            setText(d, "before0", "9");
            return press(d, QDialogButtonBox::Cancel);
        };
        script.install();
        commands()->dispatch(CM_TRANSITSELECTION);
        const TDirectionFilter& f = options().transits;
        QVERIFY(f.promissors[Saturn] && !f.promissors[Sun] && f.promissors[19]);
        QVERIFY(f.significators[Sun] && f.significators[SignificatorMarkAscendant] && !f.significators[Moon]);
        QVERIFY(f.aspects[Con] && f.aspects[16] && !f.aspects[17]);
        QCOMPARE(QString(f.filter.data()), QStringLiteral("sat>sun"));
        QCOMPARE(int(f.dispmode), int(TransitsByTransiting));
        QCOMPARE(options().transitfw[Saturn], 2.5);
        QCOMPARE(options().transitbw[Saturn], 1.0);
        const QString saved = fileText(options().options_file.data());
        QVERIFY(saved.contains("\npromissors=......X............X"));
        QVERIFY(saved.contains("\ntransitfw= 0.0,  0.0,  0.0,  0.0,  0.0,  0.0,  2.5,"));
        QVERIFY(saved.contains("[transits]") && saved.contains("\ndispmode=2"));

        commands()->dispatch(CM_TRANSITSELECTION);  // Cancel keeps what was there
        QVERIFY(script.allRun());
        QVERIFY(options().transits.promissors[Saturn]);
        QCOMPARE(options().transitfw[Sun], 0.0);
    }

    void selectionDialogRefusesOrbsOutOfRange_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("taken");
        QTest::newRow("tenths") << "2.5" << true;
        QTest::newRow("the widest") << "30" << true;
        QTest::newRow("zero") << "0" << true;
        QTest::newRow("wider") << "30.1" << false;
        QTest::newRow("hundredths") << "2.25" << false;
        QTest::newRow("empty") << "" << false;
    }
    void selectionDialogRefusesOrbsOutOfRange() {
        QFETCH(QString, text);
        QFETCH(bool, taken);
        options().transitbw.fill(0);
        FakePrompts script;
        script.steps << [text, taken](QDialog& d) {
            setText(d, "after3", text);
            const int result = press(d);
            [&] { QCOMPARE(result == QDialog::Accepted, taken); }();
            if (!taken)
                [&] { QCOMPARE(d.focusWidget(), field<QLineEdit>(d, "after3")); }();
            return taken ? result : press(d, QDialogButtonBox::Cancel);
        };
        script.install();
        commands()->dispatch(CM_TRANSITSELECTION);
        QVERIFY(script.allRun());
        QCOMPARE(script.errors.size(), taken ? 0 : 1);
        QCOMPARE(options().transitbw[3], taken ? text.toDouble() : 0.0);
    }

    void listFiltersAndGroupsByDisplayMode_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("dispmode");
        QTest::addColumn<QStringList>("topRows");  // the first column of the top rows
        QTest::addColumn<int>("timeLineRows");
        QTest::newRow("by date") << "" << int(TransitsByDate)
                                 << QStringList{"01/06/2027", "01/21/2027", "02/10/2027", "04/11/2027", "05/31/2027",
                                                "10/28/2027"}
                                 << 4;
        QTest::newRow("by natal point") << "" << int(TransitsByNatalPoint) << QStringList{"Sun", "Moon"} << 4;
        QTest::newRow("by transiting body") << "" << int(TransitsByTransiting)
                                            << QStringList{"Moon", "Mars", "Jupiter", "Saturn"} << 4;
        QTest::newRow("filtered") << "sat>sun" << int(TransitsByDate)
                                  << QStringList{"01/21/2027", "05/31/2027", "10/28/2027"} << 1;
        QTest::newRow("filtered and grouped") << "-sat" << int(TransitsByNatalPoint) << QStringList{"Sun", "Moon"}
                                              << 3;
        QTest::newRow("nothing left") << "pluto" << int(TransitsByTransiting) << QStringList{} << 0;
    }
    void listFiltersAndGroupsByDisplayMode() {
        QFETCH(QString, filter);
        QFETCH(int, dispmode);
        QFETCH(QStringList, topRows);
        QFETCH(int, timeLineRows);
        TTransitsWindow* w = windowWith(someEvents());
        w->setFilterText(filter);
        w->setDisplayMode(dispmode);
        QAbstractItemModel* model = w->listView()->model();
        QStringList top;
        for (int r = 0; r < model->rowCount(); ++r)
            top << model->index(r, 0).data().toString();
        QCOMPARE(top, topRows);
        QCOMPARE(static_cast<int>(w->timeLine()->line().rows.size()), timeLineRows);
        if (dispmode == TransitsByNatalPoint && filter.isEmpty()) {
            // The Sun's group: Saturn's three passes and Jupiter, by date, with their motions.
            const QModelIndex sun = model->index(0, 0);
            QCOMPARE(model->rowCount(sun), 4);
            QCOMPARE(model->index(1, ColumnTransiting, sun).data().toString(), QStringLiteral("Jupiter"));
            QCOMPARE(model->index(2, ColumnMotion, sun).data().toString(), QStringLiteral("retrograde"));
            QCOMPARE(model->index(2, ColumnExact, sun).data().toString(), QStringLiteral("05/31/2027 06:00:00"));
        }
    }

    void doubleClickOpensTheCollationAtTheExactMoment() {
        selectForSearch();
        TTransitsWindow* w = windowWith(someEvents());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTreeView* list = w->listView();
        const QModelIndex second = list->model()->index(1, ColumnNatal);  // Saturn's first pass
        const QRect cell = list->visualRect(second);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(m_opened, QList<double>{Jan2027 + 20.5});

        // The program's own window opens a collation window of the chart at that moment.
        TRadixWindow* natal = TRadixWindow::fromData(testApp().context(), natalChart(), ChartBlocks{});
        client()->addChart(natal);
        FakePrompts script;
        script.steps << [](QDialog& d) {
            field<QDateEdit>(d, "from")->setDate(QDate(2027, 1, 1));
            field<QDateEdit>(d, "to")->setDate(QDate(2027, 1, 31));
            return press(d);
        };
        script.install();
        commands()->dispatch(CM_TRANSITS);
        QVERIFY(script.allRun());
        TTransitsWindow* real = nullptr;
        for (auto* t : testFrame().findChildren<TTransitsWindow*>())
            if (t != w)
                real = t;
        QVERIFY(real);
        QTRY_VERIFY(!real->searching());
        QVERIFY(!real->events().empty());
        const QModelIndex index = real->listView()->model()->index(0, ColumnDate);
        emit real->listView()->activated(index);
        TRadixWindow* collation = client()->activeChart();
        QVERIFY(collation && collation != natal && collation->isCollation());
        const double jd = index.data(TransitSortRole).toDouble();
        QCOMPARE(collation->collation()->kind, CollationKind::Transit);
        QVERIFY(std::fabs(collation->collation()->second.jdUT - jd) < 1.0 / 86400);
    }

    // The list is a window of its own: Ctrl+Q and F1 act there as in the frame (Alt+F4 is left
    // to the window manager, closing the list alone).
    void listWindowAnswersTheProgramsKeys() {
        selectForSearch();
        client()->addChart(TRadixWindow::fromData(testApp().context(), natalChart(), ChartBlocks{}));
        FakePrompts script;
        script.steps << [](QDialog& d) {
            field<QDateEdit>(d, "from")->setDate(QDate(2027, 1, 1));
            field<QDateEdit>(d, "to")->setDate(QDate(2027, 1, 31));
            return press(d);
        };
        script.answers << Prompts::Answer::Cancel;
        script.install();
        commands()->dispatch(CM_TRANSITS);
        QVERIFY(script.allRun());
        auto* w = testFrame().findChild<TTransitsWindow*>();
        QVERIFY(w);
        QTRY_VERIFY(!w->searching());
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));

        QList<QUrl> opened;
        const auto keep = testApp().context().openUrl;
        testApp().context().openUrl = [&opened](const QUrl& url) {
            opened << url;
            return true;
        };
        QDir(m_folder.path()).mkpath("doc");
        QFile manual(m_folder.filePath("doc/ZODIKEON.PDF"));
        QVERIFY(manual.open(QIODevice::WriteOnly));
        manual.close();
        QTest::keyClick(w->listView(), Qt::Key_F1);
        testApp().context().openUrl = keep;
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened.first().toLocalFile().endsWith("ZODIKEON.PDF"));

        // Exit asks about the unsaved options first; Cancel keeps the program open.
        testApp().context().setOptionsUnsaved(true);
        QTest::keyClick(w->listView(), Qt::Key_Q, Qt::ControlModifier);
        testApp().context().setOptionsUnsaved(false);
        QCOMPARE(script.questionCaptions, QStringList{"Exit"});
        QVERIFY(testFrame().isVisible());
        QVERIFY(w->isVisible());
    }

    void searchListsThePeriodAndCanBeCancelled() {
        selectForSearch();
        auto* w = new TTransitsWindow(&testFrame(), testApp().context(), natalChart(), [](double) {});
        w->search({QDate(2027, 1, 1), QDate(2027, 12, 31)});
        QVERIFY(w->searching());
        QTRY_VERIFY_WITH_TIMEOUT(!w->searching(), 30000);
        const std::size_t found = w->events().size();
        QVERIFY(found > 0);
        for (const TransitEvent& e : w->events())
            QVERIFY(e.exactUT >= Jan2027 && e.exactUT < Jan2028);
        QVERIFY(w->statusText().contains(QString::number(found)));

        // Cancelled before its first slice: nothing found, said so, and the window is usable.
        w->search({QDate(2027, 1, 1), QDate(2127, 12, 31)});
        w->cancelSearch();
        QTRY_VERIFY(!w->searching());
        QVERIFY(w->events().empty());
        QVERIFY(w->statusText().startsWith("Cancelled"));

        // Closing during a search cancels it: the window hides at once and goes once the slice
        // returned. The close is not refused, or leaving the program would leave it running
        // without a window.
        QPointer<TTransitsWindow> guard(w);
        w->search({QDate(2027, 1, 1), QDate(2027, 12, 31)});
        QVERIFY(w->close());
        QVERIFY(guard);
        QVERIFY(!w->isVisible());
        QTRY_VERIFY(!guard);
    }

    // A printer's page has a resolution far above the screen's, where the painter's own font
    // is a hundred times larger than the page's: the page numbers are written as small as the
    // heading on it.
    void printedPagesWriteTheirNumbersInThePagesFont() {
        TTransitsWindow* w = windowWith(someEvents());
        constexpr int Width = 1000, Height = 1400;  // logical units of the page
        constexpr double Scale = 2.4;
        QImage page(int(Width * Scale), int(Height * Scale), QImage::Format_RGB32);
        page.setDotsPerMeterX(47244);  // 1200 dots an inch
        page.setDotsPerMeterY(47244);
        {
            QPainter painter(&page);
            painter.scale(Scale, Scale);
            w->paintTimeLinePages(painter, {Width, Height}, [] { return false; });
        }
        // The rows with ink in a band of the page, in pixels.
        const auto inkRows = [&page](double fromUnits, double toUnits) {
            int rows = 0;
            for (int y = int(fromUnits * Scale); y < int(toUnits * Scale) && y < page.height(); ++y) {
                const QRgb* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
                rows += std::any_of(line, line + page.width(), [](QRgb c) { return qGray(c) < 128; }) ? 1 : 0;
            }
            return rows;
        };
        const int heading = inkRows(0, 34);
        const int footer = inkRows(Height - 24, Height);
        QVERIFY(heading > 0);
        // "Page" reaches below the line, the heading does not.
        QVERIFY2(footer > 0 && footer < heading * 3 / 2,
                 qPrintable(QString("footer %1 rows, heading %2").arg(footer).arg(heading)));
    }

    // The period dialog: this year at first, the quick choices, a period that ends before it
    // begins refused, and no date beyond the years a moment can hold.
    void periodDialogOffersItsChoicesAndRefusesBadPeriods() {
        FakePrompts script;
        script.install();
        const QDate today(2026, 12, 11);
        TTransitPeriodDialog dialog(&testFrame(), testApp().context().errors, TransitPeriod{}, today);
        auto* from = dialog.findChild<QDateEdit*>("from");
        auto* to = dialog.findChild<QDateEdit*>("to");
        QVERIFY(from && to);
        QCOMPARE(from->date(), QDate(2026, 1, 1));
        QCOMPARE(to->date(), QDate(2026, 12, 31));
        const struct {
            const char* button;
            QDate from, to;
        } choices[] = {{"thisMonth", {2026, 12, 1}, {2026, 12, 31}},
                       {"nextTwelveMonths", {2026, 12, 11}, {2027, 12, 10}},
                       {"thisYear", {2026, 1, 1}, {2026, 12, 31}}};
        for (const auto& c : choices) {
            dialog.findChild<QPushButton*>(c.button)->click();
            QCOMPARE(from->date(), c.from);
            QCOMPARE(to->date(), c.to);
        }
        to->setDate(QDate(2025, 6, 1));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(script.errors.size(), 1);
        to->setDate(QDate(5390, 1, 5));
        QCOMPARE(to->date(), QDate(MaxYear, 12, 31));
        from->setDate(QDate(-6000, 1, 1));
        QCOMPARE(from->date(), QDate(MinYear, 1, 1));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.period().to, QDate(MaxYear, 12, 31));
    }

    void timeLineExportsToEachFormat_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("png") << "t.png" << QByteArray("\x89PNG");
        QTest::newRow("svg") << "t.svg" << QByteArray("<?xml");
        QTest::newRow("pdf") << "t.pdf" << QByteArray("%PDF");
    }
    void timeLineExportsToEachFormat() {
        QFETCH(QString, name);
        QFETCH(QByteArray, magic);
        TTransitsWindow* w = windowWith(someEvents());
        QTemporaryDir out;
        QVERIFY(w->exportTimeLine(out.filePath(name)));
        QFile f(out.filePath(name));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith(magic));
        // A folder in the way: said so, nothing claimed.
        FakePrompts script;
        script.install();
        QVERIFY(QDir(out.path()).mkdir("in-the-way." + QFileInfo(name).suffix()));
        QVERIFY(!w->exportTimeLine(out.filePath("in-the-way." + QFileInfo(name).suffix())));
        QCOMPARE(script.errors.size(), 1);
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestTransits test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_transits.moc"
