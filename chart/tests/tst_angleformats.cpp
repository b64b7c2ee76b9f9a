// The text forms of the chart tables, with their truncation rules.
#include <QtTest>

#include "AngleFormats.h"

namespace {
constexpr double ArcSecond = 1.0 / 3600.0;
}

class TestAngleFormats : public QObject {
    Q_OBJECT
private slots:
    void formats_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("decimal");
        QTest::addColumn<QString>("text");
        QTest::newRow("unsigned dms truncates") << "unsigned" << 23.4392911 << false << QStringLiteral(" 23°26'21\"");
        QTest::newRow("unsigned decimal") << "unsigned" << 23.4392911 << true << QStringLiteral("  23.4393°");
        QTest::newRow("a hair below a whole second") << "unsigned" << 10.5 - 1e-12 << false << QStringLiteral(" 10°30'00\"");
        QTest::newRow("signed minus half a degree") << "signed" << -0.5 << false << QStringLiteral("- 0°30'00\"");
        QTest::newRow("signed positive gets a blank") << "signed" << 5.25 << false << QStringLiteral("  5°15'00\"");
        QTest::newRow("signed decimal") << "signed" << -12.3456789 << true << QStringLiteral(" -12.3457°");
        QTest::newRow("longitude in sign") << "sign" << 245.5 << false << QStringLiteral(" 5°30'00\"");
        QTest::newRow("longitude in sign decimal") << "sign" << 245.5 << true << QStringLiteral("  5.5000°");
        QTest::newRow("speed under a degree: blanks for degrees")
            << "speed" << 59 * ArcSecond << false << QStringLiteral("    0'59\"S");
        QTest::newRow("speed with degrees") << "speed" << -13.5 << false << QStringLiteral("13°30'00\"S");
        QTest::newRow("speed decimal") << "speed" << -0.5 << true << QStringLiteral("  0.5000°S");
        QTest::newRow("distance") << "distance" << 1.0167 << false << QStringLiteral("   1.017");
        QTest::newRow("diameter with minutes") << "diameter" << 0.5 << false << QStringLiteral("30'00.0\"");
        QTest::newRow("diameter seconds truncated") << "diameter" << 10.89 * ArcSecond << false << QStringLiteral("   10.8\"");
        QTest::newRow("diameter decimal") << "diameter" << 0.5 << true << QStringLiteral(" 0.50000°");
        QTest::newRow("diameter zero is empty") << "diameter" << 0.0 << false << QString();
        QTest::newRow("magnitude negative") << "magnitude" << -1.5 << false << QStringLiteral("- 1.500");
        QTest::newRow("magnitude positive") << "magnitude" << 4.2 << false << QStringLiteral("+ 4.200");
        QTest::newRow("magnitude exactly 0 is empty") << "magnitude" << 0.0 << false << QString();
        QTest::newRow("nutation seconds") << "nutation" << -14.47 * ArcSecond << false << QStringLiteral("-14.4\"");
        QTest::newRow("nutation decimal") << "nutation" << 0.004 << true << QStringLiteral("  0.00400°");
    }
    void formats() {
        QFETCH(QString, kind);
        QFETCH(double, value);
        QFETCH(bool, decimal);
        QFETCH(QString, text);
        QString got;
        if (kind == "unsigned")
            got = formatUnsignedAngle(value, decimal);
        else if (kind == "signed")
            got = formatSignedAngle(value, decimal);
        else if (kind == "sign")
            got = formatLongitudeInSign(value, decimal, nullptr);
        else if (kind == "speed")
            got = formatSpeed(value, 'S', decimal);
        else if (kind == "distance")
            got = formatDistance(value);
        else if (kind == "diameter")
            got = formatDiameter(value, true, decimal);
        else if (kind == "magnitude")
            got = formatMagnitude(value);
        else if (kind == "nutation")
            got = formatNutation(value, decimal);
        QCOMPARE(got, text);
    }

    void longitudeInSign_boundary() {
        int sign = -1;
        // A rounding error below 30 degrees belongs to Taurus, as in the chart calculation.
        QCOMPARE(formatLongitudeInSign(30.0 - 1e-10, false, &sign), QStringLiteral(" 0°00'00\""));
        QCOMPARE(sign, 1);
        QCOMPARE(formatLongitudeInSign(359.99, false, &sign), QStringLiteral("29°59'24\""));
        QCOMPARE(sign, 11);
    }
    void diameter_unknownIsEmpty() { QCOMPARE(formatDiameter(0.5, false, false), QString()); }

    void rightAscension_data() {
        QTest::addColumn<int>("rascension");
        QTest::addColumn<double>("degrees");
        QTest::addColumn<QString>("text");
        QTest::newRow("359 59 as time") << 1 << 359.0 + 59.0 / 60.0 << QStringLiteral("23:59:56");
        QTest::newRow("zero as time") << 1 << 0.0 << QStringLiteral(" 0:00:00");
        QTest::newRow("as angle") << 3 << 359.0 + 59.0 / 60.0 << QStringLiteral("359°59'00\"");
    }
    void rightAscension() {
        QFETCH(int, rascension);
        QFETCH(double, degrees);
        QFETCH(QString, text);
        TOptions options;
        options.display.rascension = static_cast<std::uint8_t>(rascension);
        QCOMPARE(formatRightAscension(degrees, options), text);
    }
};

QTEST_APPLESS_MAIN(TestAngleFormats)
#include "tst_angleformats.moc"
