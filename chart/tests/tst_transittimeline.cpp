// The transits time line: the axis of months, the bars' spans and what is drawn in colour and
// in black and white.
#include <QImage>
#include <QtTest>

#include "OptionDefaults.h"
#include "TransitTimeLine.h"

namespace {

constexpr double Jan2027 = 2461406.5;  // 2027-01-01 0h UT
constexpr double Jan2028 = Jan2027 + 365;

TransitEvent pass(double enters, double exact, double leaves, int motion = 1) {
    return {6, 0, 5, exact, enters, leaves, motion};
}

std::vector<QString> months() {
    return {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
            "November", "December"};
}

}  // namespace

class TestTransitTimeLine : public QObject {
    Q_OBJECT
private slots:
    void monthTicks_data() {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("firstYear");
        QTest::addColumn<int>("firstMonth");
        QTest::newRow("a year from its first day") << Jan2027 << Jan2028 << 13 << 2027 << 1;
        QTest::newRow("across a new year") << Jan2027 - 17 << Jan2027 + 40 << 2 << 2027 << 1;
        QTest::newRow("within a month") << Jan2027 + 3 << Jan2027 + 20 << 0 << 0 << 0;
        QTest::newRow("just before a month") << Jan2027 + 30.5 << Jan2027 + 32 << 1 << 2027 << 2;
        QTest::newRow("leap February") << Jan2028 + 31 << Jan2028 + 61 << 2 << 2028 << 2;
        QTest::newRow("empty period") << Jan2027 << Jan2027 << 0 << 0 << 0;
        // Before the reform the months are Julian, as the list's dates: 1500 is a Julian leap
        // year, and the October of 1582 lost ten days.
        QTest::newRow("Julian leap February") << 2268963.5 - 10 << 2268992.5 + 10 << 2 << 1500 << 2;
        QTest::newRow("the month of the reform") << 2299156.5 - 10 << 2299177.5 + 10 << 2 << 1582 << 10;
    }
    void monthTicks() {
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(int, count);
        QFETCH(int, firstYear);
        QFETCH(int, firstMonth);
        const auto ticks = timeLineTicks(from, to);
        QCOMPARE(static_cast<int>(ticks.size()), count);
        if (count == 0)
            return;
        QCOMPARE(ticks[0].year, firstYear);
        QCOMPARE(ticks[0].month, firstMonth);
        for (const TimeLineTick& t : ticks)
            QVERIFY(t.jd >= from && t.jd <= to);
        // 2028 and 1500 (Julian) are leap years: March starts 29 days after February.
        if (firstYear == 2028 || firstYear == 1500)
            QCOMPARE(ticks[1].jd - ticks[0].jd, 29.0);
        if (firstYear == 1582)
            QCOMPARE(ticks[1].jd - ticks[0].jd, 21.0);
    }

    void passesAreCutAtThePeriodAndBetweenOverlappingOrbs() {
        // A retrograde loop: three passes whose orbs overlap, the first begun before the period.
        const std::vector<TransitEvent> events = {pass(Jan2027 - 20, Jan2027 + 10, Jan2027 + 90),
                                                      pass(Jan2027 + 60, Jan2027 + 120, Jan2027 + 170, -1),
                                                      pass(Jan2027 + 150, Jan2027 + 200, Jan2027 + 230),
                                                      pass(Jan2027 + 300, Jan2027 + 360, Jan2027 + 400)};
        TransitTimeLine line{&events, {{0, 1, 2, 3}}, {"Saturn Square Sun"}, {5}, Jan2027, Jan2028};
        const std::vector<int>& row = line.rows[0];
        const PassSpan first = passSpan(line, row, 0), second = passSpan(line, row, 1);
        const PassSpan third = passSpan(line, row, 2), fourth = passSpan(line, row, 3);
        QCOMPARE(first.from, Jan2027);
        QCOMPARE(first.to, Jan2027 + 65);
        QCOMPARE(second.from, Jan2027 + 65);
        QCOMPARE(second.to, Jan2027 + 160);
        QCOMPARE(third.from, Jan2027 + 160);
        QCOMPARE(third.to, Jan2027 + 230);  // no overlap with the fourth
        QCOMPARE(fourth.from, Jan2027 + 300);
        QCOMPARE(fourth.to, Jan2028);

        const TimeLineMetrics m;
        const int width = 1000;
        QCOMPARE(timeLineX(line, m, width, Jan2027), double(m.labelWidth));
        QCOMPARE(timeLineX(line, m, width, Jan2028), double(width - m.margin));
        QCOMPARE(timeLineX(line, m, width, Jan2027 - 100), double(m.labelWidth));
        QCOMPARE(timeLineRowAt(line, m, 0, m.axisHeight - 1), -1);
        QCOMPARE(timeLineRowAt(line, m, 0, m.axisHeight + m.rowHeight / 2), 0);
        QCOMPARE(timeLineRowAt(line, m, 0, m.axisHeight + m.rowHeight + 1), -1);
    }

    void drawsBarsAndExactMarksInBothColourings_data() {
        QTest::addColumn<bool>("black");
        QTest::newRow("colour") << false;
        QTest::newRow("black and white") << true;
    }
    void drawsBarsAndExactMarksInBothColourings() {
        QFETCH(bool, black);
        const std::vector<TransitEvent> events = {pass(Jan2027 + 50, Jan2027 + 100, Jan2027 + 150),
                                                      pass(Jan2027 + 200, Jan2027 + 250, Jan2027 + 300, -1)};
        TransitTimeLine line{&events, {{0}, {1}}, {"Saturn Square Sun", "Mars Trine Moon"}, {5, 6}, Jan2027, Jan2028};
        TOptions options;
        SetDefaultOptions(options);
        const TimeLineMetrics m;
        const int width = 900;
        QImage image(width, timeLineHeight(m, 2), QImage::Format_RGB32);
        {
            QPainter p(&image);
            drawTransitTimeLine(p, line, m, width, 0, 2, options, TimeLineStyle{black}, months());
        }
        if (qEnvironmentVariableIsSet("ZDK_KEEP_RENDER"))
            image.save(QDir::temp().filePath(QStringLiteral("timeline-%1.png").arg(black ? "black" : "colour")));
        const auto gray = [&](double jd, int row, double dy = 0) {
            const QColor c = image.pixelColor(static_cast<int>(timeLineX(line, m, width, jd)),
                                              m.axisHeight + row * m.rowHeight + m.rowHeight / 2 + static_cast<int>(dy));
            return qGray(c.rgb());
        };
        for (int row = 0; row < 2; ++row) {
            const TransitEvent& e = events[static_cast<std::size_t>(row)];
            // Outside the bar the ground; the exact mark darkest; the bar fades toward its ends.
            QVERIFY2(gray(e.entersUT - 20, row) > 230, "ground before the bar");
            QVERIFY2(gray(e.exactUT, row) < 90, "exact mark");
            const int nearExact = gray(e.exactUT - 10, row), nearEdge = gray(e.entersUT + 2, row);
            QVERIFY2(nearExact < nearEdge && nearEdge < 250, "shading by distance from exactness");
            if (black) {
                const QColor c = image.pixelColor(static_cast<int>(timeLineX(line, m, width, e.exactUT - 10)),
                                                  m.axisHeight + row * m.rowHeight + m.rowHeight / 2);
                QVERIFY2(c.red() == c.green() && c.green() == c.blue(), "greys only");
            }
        }
    }

    // The Moon over a century crosses a point every other week: its exact marks stand closer
    // than their width and must still read as a dark line, not be hidden by each other's rims.
    void crowdedExactMarksStayDark() {
        std::vector<TransitEvent> events;
        for (int k = 0; k < 2600; ++k) {
            const double exact = Jan2027 + 14 * k + 3;
            events.push_back(pass(exact - 0.3, exact, exact + 0.3));
        }
        std::vector<int> row(events.size());
        for (std::size_t k = 0; k < row.size(); ++k)
            row[k] = static_cast<int>(k);
        TransitTimeLine line{&events, {row}, {"Moon Conjunction Sun"}, {0}, Jan2027, Jan2027 + 36525};
        TOptions options;
        SetDefaultOptions(options);
        const TimeLineMetrics m;
        const int width = 1040;
        QImage image(width, timeLineHeight(m, 1), QImage::Format_RGB32);
        {
            QPainter p(&image);
            drawTransitTimeLine(p, line, m, width, 0, 1, options, TimeLineStyle{}, months());
        }
        if (qEnvironmentVariableIsSet("ZDK_KEEP_RENDER"))
            image.save(QDir::temp().filePath(QStringLiteral("timeline-crowded.png")));
        const int y = m.axisHeight + m.rowHeight / 2;
        long sum = 0;
        int n = 0;
        for (int x = m.labelWidth + 10; x < width - m.margin - 10; ++x, ++n)
            sum += qGray(image.pixel(x, y));
        QVERIFY2(sum / n < 140, qPrintable(QString::number(sum / n)));
    }

    // Years are named on the axis without running into each other, for a year and for a
    // century alike: every run of text ink in the years' band is no wider than one name.
    void yearNamesKeepApartOverLongPeriods_data() {
        QTest::addColumn<double>("years");
        QTest::addColumn<int>("leastNames");
        QTest::newRow("a year") << 1.0 << 1;
        QTest::newRow("ten years") << 10.0 << 9;
        QTest::newRow("thirty years") << 30.0 << 5;
        QTest::newRow("a century") << 100.0 << 5;
        QTest::newRow("a millennium") << 1000.0 << 5;
    }
    void yearNamesKeepApartOverLongPeriods() {
        QFETCH(double, years);
        QFETCH(int, leastNames);
        const std::vector<TransitEvent> events;
        TransitTimeLine line{&events, {}, {}, {}, Jan2027, Jan2027 + years * 365.25};
        TOptions options;
        SetDefaultOptions(options);
        const TimeLineMetrics m;
        const int width = 1040;
        QImage image(width, m.axisHeight + 4, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            drawTransitTimeLine(p, line, m, width, 0, 0, options, TimeLineStyle{}, months());
        }
        // Text is black; the lines across are grey.
        std::vector<bool> inked(static_cast<std::size_t>(width), false);
        for (int x = m.labelWidth; x < width; ++x)
            for (int y = 2; y < m.axisHeight / 2 - 1; ++y)
                if (qGray(image.pixel(x, y)) < 60)
                    inked[static_cast<std::size_t>(x)] = true;
        int names = 0, run = 0, widest = 0, gap = 99;
        for (int x = m.labelWidth; x < width; ++x) {
            if (inked[static_cast<std::size_t>(x)]) {
                if (gap > 3)
                    ++names, run = 0;
                ++run;
                widest = std::max(widest, run);
                gap = 0;
            } else {
                ++gap;
                if (gap <= 3)
                    ++run;
            }
        }
        QVERIFY2(names >= leastNames, qPrintable(QString::number(names)));
        QVERIFY2(widest < 40, qPrintable(QString::number(widest)));
    }
};

QTEST_MAIN(TestTransitTimeLine)
#include "tst_transittimeline.moc"
