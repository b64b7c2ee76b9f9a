// The display option, symbol and colour dialogs: what they show for stored options, what OK
// stores, and what the commands do with the result.
#include <QtTest>
#include <QButtonGroup>
#include <QCheckBox>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <numbers>

#include "ChartView.h"
#include "CommandIds.h"
#include "DialogDriver.h"
#include "FixedText.h"
#include "OptionsFile.h"
#include "ProgramFolderFixture.h"
#include "RadixData.h"
#include "TAstroApp.h"
#include "TestApp.h"
#include "CommandTable.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TAstroStatusBar.h"
#include "TColorComboBox.h"
#include "TColorsDialog.h"
#include "TDisplayDialog1.h"
#include "TDisplayDialog2.h"
#include "TRadixWindow.h"
#include "TSymbolWindow.h"
#include "TSymbolsDialog.h"

namespace {

TAstroClient* client() { return testFrame().client(); }
CommandTable* commands() { return testFrame().commands(); }
AppState& state() { return testApp().state(); }

bool checked(QObject& d, const QString& name) { return field<QAbstractButton>(d, name.toLatin1().constData())->isChecked(); }
void click(QObject& d, const QString& name) { field<QAbstractButton>(d, name.toLatin1().constData())->click(); }
void setChecked(QObject& d, const QString& name, bool on) {
    field<QAbstractButton>(d, name.toLatin1().constData())->setChecked(on);
}

bool sameDisplayParts(const TOptions& a, const TOptions& b) {
    // Both are copies of one record, so even their padding bytes agree.
    return std::memcmp(&a.display, &b.display, sizeof a.display) == 0 &&
           std::memcmp(&a.symbols, &b.symbols, sizeof a.symbols) == 0 &&
           std::memcmp(&a.colors, &b.colors, sizeof a.colors) == 0;
}

// A chart with the Ascendant at 15 Leo and the MC at 15 Cancer, and no aspects.
RadixData leoChart() {
    RadixData r{};
    for (auto& row : r.aspectCode)
        row.fill(0xFF);
    for (auto& row : r.parallelCode)
        row.fill(0xFF);
    r.motion.fill(1);
    const double deg = std::numbers::pi / 180.0;
    r.axis[0] = 135 * deg;
    r.axis[1] = 105 * deg;
    r.axis[6] = 315 * deg;
    r.axis[7] = 285 * deg;
    for (int i = 0; i < 12; ++i)
        r.cusp[std::size_t(i)] = r.houseStart[std::size_t(i)] = std::fmod(135.0 + 30 * i, 360.0) * deg;
    return r;
}

constexpr QRgb Red = qRgb(255, 0, 0);

// Whether an axis arrow points from the wheel's centre in the screen direction `degrees`
// (0 right, 90 up): near the tip the arrowhead is wider than the shaft, while the opposite
// end is the bare line.
bool arrowPointsAt(const QImage& image, QPointF centre, double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    const QPointF dir(std::cos(a), -std::sin(a)), across(std::sin(a), std::cos(a));
    const auto red = [&](QPointF p) { return image.pixel(p.toPoint()) == Red; };
    const QPointF head = centre + dir * radius * 0.89, tail = centre - dir * radius * 0.85;
    return red(head + across * 4) && red(head - across * 4) && red(tail) && !red(tail + across * 6) &&
           !red(tail - across * 6);
}

}  // namespace

class TestDisplayDialogs : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    QTemporaryDir m_settings;

private slots:
    void initTestCase() { QVERIFY(startTestApp(m_folder, m_settings)); }
    void cleanup() {
        client()->closeAllCharts();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void displayOne_okWithoutChangesKeepsAllButTheStarSwitches() {
        TOptions o = state().Options;
        o.display.fixstars = o.display.constells = true;
        o.display.startsign = 0xC5;
        o.display.rascension = 3;
        o.display.tablesize = 1.6;
        o.display.wine_workaround = 1;
        o.display.outerradix = true;
        o.display.decimal = true;
        TDisplayDialog1 d(nullptr, o, testApp().context().errors);
        for (const char* name : {"fixstars", "constells"}) {
            QVERIFY(!checked(d, name));
            QVERIFY(!field<QCheckBox>(d, name)->isEnabled());
        }
        QVERIFY(checked(d, "origin5") && checked(d, "center") && checked(d, "reverse"));
        QVERIFY(checked(d, "rascension") && !checked(d, "inTime"));
        QVERIFY(checked(d, "outside") && checked(d, "decimals") && checked(d, "wine"));
        QCOMPARE(field<QLineEdit>(d, "tablesize")->text(), QString("1.60"));
        QCOMPARE(press(d), int(QDialog::Accepted));
        TOptions expected = o;
        expected.display.fixstars = expected.display.constells = false;
        QVERIFY(sameDisplayParts(d.options(), expected));
    }

    void displayOne_originStoresStartsign_data() {
        QTest::addColumn<int>("origin");
        QTest::addColumn<bool>("centre");
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<int>("startsign");
        QTest::newRow("Ascendant") << 0 << false << false << 0x00;
        QTest::newRow("Aries") << 1 << false << false << 0x01;
        QTest::newRow("middle of Pisces") << 12 << true << false << 0x4C;
        QTest::newRow("Ascendant, reversed") << 0 << false << true << 0x80;
        QTest::newRow("middle of Leo, reversed") << 5 << true << true << 0xC5;
    }
    void displayOne_originStoresStartsign() {
        QFETCH(int, origin);
        QFETCH(bool, centre);
        QFETCH(bool, reverse);
        QFETCH(int, startsign);
        TOptions o = state().Options;
        o.display.startsign = 0x47;  // something else entirely: the middle of Libra
        TDisplayDialog1 d(nullptr, o, testApp().context().errors);
        click(d, QString("origin%1").arg(origin));
        if (origin > 0)
            click(d, centre ? "center" : "start");
        setChecked(d, "reverse", reverse);
        QCOMPARE(press(d), int(QDialog::Accepted));
        QCOMPARE(int(d.options().display.startsign), origin == 0 ? (startsign | 0x40) : startsign);
    }

    void displayOne_leoCentreReverse_putsTheMiddleOfLeoRightAndRunsClockwise() {
        TOptions o{};
        o.display.axises = true;
        o.display.chart_style = 1;
        o.colors.axises = 0x0000FF;
        o.colors.background = 0xFFFFFF;
        TDisplayDialog1 d(nullptr, o, testApp().context().errors);
        click(d, "origin5");
        click(d, "center");
        click(d, "reverse");
        QCOMPARE(press(d), int(QDialog::Accepted));
        QCOMPARE(int(d.options().display.startsign), 0xC5);

        QImage image(1400, 1400, QImage::Format_RGB32);
        ViewRequest request = viewRequestFor(ChartView::Wheel);
        request.dpi = 254;  // one logical unit per pixel
        QPainter p(&image);
        DrawContext dc(p);
        const ViewGeometry g = paintChartView(dc, image.size(), 1, leoChart(), d.options(), request);
        p.end();
        const QPointF centre(g.wheelX, -g.wheelY);
        // The Ascendant at 15 Leo points right; the MC at 15 Cancer, a sign earlier, 30 degrees
        // above it: the zodiac runs clockwise.
        QVERIFY(arrowPointsAt(image, centre, g.wheelRadius, 0));
        QVERIFY(arrowPointsAt(image, centre, g.wheelRadius, 30));
        QVERIFY(!arrowPointsAt(image, centre, g.wheelRadius, 180));
    }

    void displayOne_inTimeIsBitOneOfRightAscension_data() {
        QTest::addColumn<bool>("column");
        QTest::addColumn<bool>("inTime");
        QTest::addColumn<int>("stored");
        QTest::newRow("column, not in time") << true << false << 3;
        QTest::newRow("column, in time") << true << true << 1;
        QTest::newRow("no column, not in time") << false << false << 2;
        QTest::newRow("no column, in time") << false << true << 0;
    }
    void displayOne_inTimeIsBitOneOfRightAscension() {
        QFETCH(bool, column);
        QFETCH(bool, inTime);
        QFETCH(int, stored);
        for (std::uint8_t before : {0, 1, 2, 3}) {
            TOptions o = state().Options;
            o.display.rascension = before;
            TDisplayDialog1 d(nullptr, o, testApp().context().errors);
            setChecked(d, "rascension", true);  // "in time" can be changed only with the column on
            setChecked(d, "inTime", inTime);
            setChecked(d, "rascension", column);
            QCOMPARE(field<QCheckBox>(d, "inTime")->isEnabled(), column);
            QCOMPARE(press(d), int(QDialog::Accepted));
            QCOMPARE(int(d.options().display.rascension), stored);
        }
    }

    void displayOne_tableScaleMustBeANumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("stored");  // 0: refused
        QTest::newRow("plain") << "2.5" << 2.5;
        QTest::newRow("single precision") << "1.3" << double(1.3f);
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("only a point") << "." << 0.0;
        QTest::newRow("zero") << "0" << 0.0;
        QTest::newRow("too large") << "12" << 0.0;
        QTest::newRow("as shown") << "1.60" << 1.6;
    }
    void displayOne_tableScaleMustBeANumber() {
        QFETCH(QString, text);
        QFETCH(double, stored);
        TOptions o = state().Options;
        o.display.tablesize = 1.6;
        TDisplayDialog1 d(nullptr, o, testApp().context().errors);
        FakePrompts script;
        script.install();
        auto* edit = field<QLineEdit>(d, "tablesize");
        edit->setText(text);
        if (stored > 0) {
            QCOMPARE(press(d), int(QDialog::Accepted));
            QCOMPARE(d.options().display.tablesize, stored);
            QVERIFY(script.errors.isEmpty());
        } else {
            QCOMPARE(press(d), -1);  // stays open with a message
            QCOMPARE(script.errors.size(), 1);
            QCOMPARE(d.options().display.tablesize, 1.6);
        }
        // Letters never get into the field.
        edit->clear();
        QTest::keyClicks(edit, "x1y.5z");
        QCOMPARE(edit->text(), QString("1.5"));
    }

    void displayTwo_everyColumnStoresItsList() {
        TOptions o = state().Options;
        TDisplayOptions& in = o.display;
        for (std::size_t i = 0; i < in.planasps.size(); ++i) {
            in.planasps[i] = i % 2;
            in.plans[i] = i % 3 == 0;
            if (i < in.plansonchart.size())
                in.plansonchart[i] = i % 5 != 0;
        }
        for (std::size_t t = 0; t < AspectCount; ++t) {
            in.aspsonchart[t] = t % 4 == 1;
            in.asps[t] = t % 2 == 0;
        }
        in.fsconjs = {true, false, true, false, false, true};
        in.oppaspsonchart = true;
        in.oppasps = false;
        in.colloppasps = true;
        in.aspect_style = 1;
        in.aspect_closing = 0;
        TDisplayDialog2 d(nullptr, o);
        for (int i = 0; i < 26; ++i) {
            QCOMPARE(checked(d, QString("asp%1").arg(i)), in.planasps[std::size_t(i)]);
            QCOMPARE(checked(d, QString("table%1").arg(i)), in.plans[std::size_t(i)]);
            if (i < 24)
                QCOMPARE(checked(d, QString("wheel%1").arg(i)), in.plansonchart[std::size_t(i)]);
        }
        QVERIFY(!d.findChild<QCheckBox*>("wheel24") && !d.findChild<QCheckBox*>("wheel25"));
        for (int t = 0; t < AspectCount; ++t) {
            QCOMPARE(checked(d, QString("aspWheel%1").arg(t)), in.aspsonchart[std::size_t(t)]);
            QCOMPARE(checked(d, QString("aspTable%1").arg(t)), in.asps[std::size_t(t)]);
        }
        QVERIFY(checked(d, "dashedLine") && checked(d, "orbis"));

        for (const char* name : {"wheel23", "asp25", "table24", "aspWheel17", "aspTable0", "oppWheel", "oppTable",
                                 "collOpp", "fsconj1", "fsconj5"})
            click(d, name);
        click(d, "paleLine");
        click(d, "closing");
        QCOMPARE(press(d), int(QDialog::Accepted));
        TDisplayOptions expected = in;
        expected.plansonchart[23] = !expected.plansonchart[23];
        expected.planasps[25] = !expected.planasps[25];
        expected.plans[24] = !expected.plans[24];
        expected.aspsonchart[17] = !expected.aspsonchart[17];
        expected.asps[0] = !expected.asps[0];
        expected.oppaspsonchart = false;
        expected.oppasps = true;
        expected.colloppasps = false;
        expected.fsconjs[1] = true;
        expected.fsconjs[5] = false;
        expected.aspect_style = 0;
        expected.aspect_closing = 1;
        QCOMPARE(std::memcmp(&d.options().display, &expected, sizeof expected), 0);
    }

    void symbols_previewsShowEveryVariantAndTheZodiacGrids() {
        TOptions o = state().Options;
        TSymbolsDialog d(nullptr, o);
        QString glyphs;
        for (TSymbolWindow* w : d.findChildren<TSymbolWindow*>())
            glyphs += QLatin1Char(w->glyph());
        QCOMPARE(glyphs, QString("E5H6IZ87J9abcdefghijklmnopqrstuvwx"));
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        // The signs of each variant in 3 rows of 4, 32 pixels apart, beside their choice.
        const QList<TSymbolWindow*> all = d.findChildren<TSymbolWindow*>();
        for (int v = 0; v < 2; ++v) {
            const auto* button = field<QRadioButton>(d, QString("zodiac%1").arg(v).toLatin1().constData());
            const QPoint first = all[10 + 12 * v]->pos();
            for (int sign = 0; sign < 12; ++sign)
                QCOMPARE(all[10 + 12 * v + sign]->pos(), first + QPoint(32 * (sign % 4), 32 * (sign / 4)));
            QCOMPARE(first.x(), button->geometry().right() + 1);
            QVERIFY(qAbs(first.y() + 47 - button->geometry().center().y()) <= 1);
        }
        // Each body variant's preview starts where its choice ends, centred on it.
        const QStringList choices = {"mars0",    "mars1",  "uranus0", "uranus1", "neptune0",
                                     "neptune1", "pluto0", "pluto1",  "pluto2",  "pluto3"};
        for (int i = 0; i < choices.size(); ++i) {
            const QRect button = field<QRadioButton>(d, choices[i].toLatin1().constData())->geometry();
            QCOMPARE(all[i]->x(), button.right() + 1);
            QVERIFY(qAbs(all[i]->y() + 15 - button.center().y()) <= 1);
        }
        // Each preview draws its glyph in the symbol font: ink inside the frame.
        const QImage image = all[9]->grab().toImage();
        int ink = 0;
        for (int y = 4; y < 26; ++y)
            for (int x = 4; x < 26; ++x)
                ink += qGray(image.pixel(x, y)) < 128;
        QVERIFY(ink > 10);
    }

    void symbols_okStoresTheCheckedVariants() {
        TOptions o = state().Options;
        o.symbols.bodies.fill(0);
        o.symbols.bodies[4] = 3;   // Mars has no fourth glyph: the wheel draws the first
        o.symbols.bodies[12] = 2;  // Lilith: not offered here, kept
        o.symbols.bodies[9] = 1;
        o.symbols.zodiac = 1;
        TSymbolsDialog d(nullptr, o);
        QVERIFY(checked(d, "mars0") && checked(d, "pluto1") && checked(d, "zodiac1"));
        click(d, "pluto3");
        click(d, "uranus1");
        click(d, "zodiac0");
        QCOMPARE(press(d), int(QDialog::Accepted));
        const auto& b = d.options().symbols.bodies;
        QCOMPARE(int(b[4]), 0);
        QCOMPARE(int(b[7]), 1);
        QCOMPARE(int(b[8]), 0);
        QCOMPARE(int(b[9]), 3);
        QCOMPARE(int(b[12]), 2);
        QCOMPARE(int(d.options().symbols.zodiac), 0);
    }

    void colors_paletteColoursRoundTrip() {
        TOptions o = state().Options;
        // Every controlled colour a different palette entry.
        std::size_t k = 0;
        const auto next = [&k] { return ColorPalette[k++ % ColorPalette.size()]; };
        for (ColorRef* c : {&o.colors.frame, &o.colors.zodiac, &o.colors.axises, &o.colors.axisnames, &o.colors.houses,
                            &o.colors.housenums, &o.colors.background, &o.colors.deftext})
            *c = next();
        for (auto* list : {&o.colors.table, &o.colors.neutral, &o.colors.positive, &o.colors.negative})
            for (ColorRef& c : *list)
                c = next();
        for (ColorRef& c : o.colors.dignities)
            c = next();
        for (ColorRef& c : o.colors.aspects)
            c = next();
        o.colors.dignities[5] = 0xC5B0A0;  // no control: left alone
        TColorsDialog d(nullptr, o, state().Strings);
        QCOMPARE(d.findChildren<TColorComboBox*>().size(), 40);
        QCOMPARE(field<TColorComboBox>(d, "aspect17")->colour(), o.colors.aspects[17]);
        QCOMPARE(field<TColorComboBox>(d, "frame")->currentIndex(), 0);
        field<TColorComboBox>(d, "negative1")->setCurrentIndex(11);
        QCOMPARE(press(d), int(QDialog::Accepted));
        TOptions expected = o;
        expected.colors.negative[1] = 0x0000FF;
        expected.display.chart_style = o.display.chart_style == 2 ? 2 : 1;
        expected.display.table_style = o.display.table_style == 2 ? 2 : 1;
        QVERIFY(sameDisplayParts(d.options(), expected));
    }

    void colors_unlistedColourShowsNoItemAndIsKept() {
        TOptions o = state().Options;
        o.display.chart_style = 1;
        o.colors.frame = 0xC5B0A0;
        o.colors.houses = 0xC5B0A0;
        TColorsDialog d(nullptr, o, state().Strings);
        auto* frame = field<TColorComboBox>(d, "frame");
        QCOMPARE(frame->currentIndex(), -1);
        // The box still shows the colour it holds.
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const QImage shown = frame->grab().toImage();
        bool found = false;
        for (int y = 0; y < shown.height() && !found; ++y)
            for (int x = 0; x < shown.width() && !found; ++x)
                found = shown.pixel(x, y) == qRgb(0xA0, 0xB0, 0xC5);
        QVERIFY(found);
        field<TColorComboBox>(d, "houses")->setCurrentIndex(9);
        QCOMPARE(press(d), int(QDialog::Accepted));
        QCOMPARE(d.options().colors.frame, ColorRef(0xC5B0A0));
        QCOMPARE(d.options().colors.houses, ColorRef(0xFF0000));
    }

    void colorList_swatchShowsTheColourAndMarksTheSelection_data() {
        QTest::addColumn<bool>("selected");
        QTest::newRow("selected") << true;
        QTest::newRow("not selected") << false;
    }
    void colorList_swatchShowsTheColourAndMarksTheSelection() {
        QFETCH(bool, selected);
        QPalette palette;
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Highlight, QColor(0, 0, 255));
        QImage image(80, TColorComboBox::ItemHeight, QImage::Format_RGB32);
        QPainter p(&image);
        TColorComboBox::paintSwatch(p, image.rect(), 0x00FF00, selected, palette);
        p.end();
        QCOMPARE(image.pixel(40, 9), qRgb(0, 255, 0));      // the swatch, right of the gap
        QCOMPARE(image.pixel(79, 9), qRgb(255, 255, 255));  // a margin of window colour
        QCOMPARE(image.pixel(4, 9) == qRgb(0, 0, 255), selected);
    }

    void colors_qualityItemsAndStoredValues_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("item");
        QTest::newRow("legacy") << 0 << 0;
        QTest::newRow("flicker-free") << 1 << 1;
        QTest::newRow("4x") << 2 << 2;
        QTest::newRow("16x") << 4 << 3;
        // The list shows what the wheel draws for a hand-edited value.
        QTest::newRow("3 draws as 4x") << 3 << 2;
        QTest::newRow("out of range draws as 16x") << 200 << 3;
    }
    void colors_qualityItemsAndStoredValues() {
        QFETCH(int, stored);
        QFETCH(int, item);
        TOptions o = state().Options;
        o.display.antialias = std::uint8_t(stored);
        TColorsDialog d(nullptr, o, state().Strings);
        QCOMPARE(field<QComboBox>(d, "quality")->currentIndex(), item);
        choose(d, "quality", 3);
        QCOMPARE(press(d), int(QDialog::Accepted));
        QCOMPARE(int(d.options().display.antialias), 4);
        TColorsDialog again(nullptr, d.options(), state().Strings);
        QCOMPARE(field<QComboBox>(again, "quality")->currentIndex(), 3);
        QCOMPARE(field<QComboBox>(again, "quality")->currentText(), QString("16x antialias"));
    }

    void colors_styleTwoGreysTheWheelColours() {
        TOptions o = state().Options;
        o.display.chart_style = 2;
        o.display.table_style = 1;
        o.colors.frame = 0x0000FF;
        TColorsDialog d(nullptr, o, state().Strings);
        const QStringList wheel = {"frame", "zodiac", "axises", "axisnames", "houses", "housenums"};
        const QStringList base = {"base0", "base1"};
        const auto enabled = [&d](const QStringList& names, bool on) {
            for (const QString& n : names)
                if (field<TColorComboBox>(d, n.toLatin1().constData())->isEnabled() != on)
                    return false;
            return true;
        };
        QVERIFY(enabled(wheel, false) && enabled(base, true));
        QVERIFY(field<TColorComboBox>(d, "aspect0")->isEnabled());
        // A greyed control draws nothing inside its box.
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const QImage greyed = field<TColorComboBox>(d, "frame")->grab().toImage();
        for (int y = 0; y < greyed.height(); ++y)
            for (int x = 0; x < greyed.width(); ++x)
                QVERIFY(greyed.pixel(x, y) != qRgb(255, 0, 0));
        choose(d, "chartStyle", 0);
        choose(d, "tableStyle", 1);
        QVERIFY(enabled(wheel, true) && enabled(base, false));
        choose(d, "chartStyle", 1);
        // Greyed controls still store what they show.
        field<TColorComboBox>(d, "base0")->setCurrentIndex(15);
        QCOMPARE(press(d), int(QDialog::Accepted));
        QCOMPARE(int(d.options().display.chart_style), 2);
        QCOMPARE(int(d.options().display.table_style), 2);
        QCOMPARE(d.options().colors.frame, ColorRef(0x0000FF));
        QCOMPARE(d.options().colors.background, ColorRef(0xFFFFFF));
    }

    void commands_okSavesAndRepaintsCancelChangesNothing_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("control");  // clicked before OK
        QTest::newRow("display I") << int(CM_DISPLAY1) << "reverse";
        QTest::newRow("display II") << int(CM_DISPLAY2) << "wheel0";
        QTest::newRow("symbols") << int(CM_SYMBOLS) << "pluto2";
        QTest::newRow("colors") << int(CM_COLORS) << "";
    }
    void commands_okSavesAndRepaintsCancelChangesNothing() {
        QFETCH(int, command);
        QFETCH(QString, control);
        AppState& s = state();
        s.Options.autosave = true;
        RadixData person{};
        setFixedText(person.name, "Repaint");
        setFixedText(person.horType, "radix");
        person.moment = BirthMoment(CalDate(1980, 7, 1, true), ClockTime{12, 0, 0}, GeoAngle(19, 5, 0, false),
                                    GeoAngle(47, 30, 0, false), TimeGMT, 0, 0, false);
        person.moment.localToUniversal();
        TRadixWindow* chart = TRadixWindow::fromData(testApp().context(), person, ChartBlocks{});
        client()->addChart(chart);
        QVERIFY(QTest::qWaitForWindowExposed(chart));
        QCoreApplication::processEvents();

        const TOptions before = s.Options;
        const QString file = QString::fromStdString(s.Options.options_file.data());
        QFile::remove(file);
        FakePrompts cancel;
        cancel.steps = {[](QDialog& d) {
            for (QAbstractButton* b : d.findChildren<QAbstractButton*>())
                if (b->isCheckable() && b->isEnabled())
                    b->setChecked(!b->isChecked());
            return press(d, QDialogButtonBox::Cancel);
        }};
        cancel.install();
        commands()->dispatch(command);
        QVERIFY(cancel.allRun());
        QVERIFY(sameDisplayParts(s.Options, before));
        QVERIFY(!QFile::exists(file));

        int paints = 0;
        struct Counter : QObject {
            int* n;
            explicit Counter(int* count) : n(count) {}
            bool eventFilter(QObject*, QEvent* e) override {
                *n += e->type() == QEvent::Paint;
                return false;
            }
        } counter(&paints);
        chart->installEventFilter(&counter);
        FakePrompts ok;
        ok.steps = {[control](QDialog& d) {
            if (!control.isEmpty())
                click(d, control);
            else
                field<TColorComboBox>(d, "aspect5")->setCurrentIndex(12);
            return press(d);
        }};
        ok.install();
        commands()->dispatch(command);
        QVERIFY(ok.allRun());
        QVERIFY(!sameDisplayParts(s.Options, before));
        QTRY_VERIFY(paints > 0);
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readAll().toStdString() == OptionsFileText(s.Options));
        chart->removeEventFilter(&counter);
        s.Options = before;
    }

    void commands_wineFixRebuildsTheStatusBar() {
        AppState& s = state();
        s.Options.autosave = false;
        TAstroStatusBar* bar = testFrame().astroStatusBar();
        const bool was = bar->builtWithWineWorkaround();
        QCOMPARE(was, bool(s.Options.display.wine_workaround));
        for (bool on : {!was, was}) {
            FakePrompts script;
            script.steps = {[](QDialog& d) {
                click(d, "wine");
                return press(d);
            }};
            script.install();
            commands()->dispatch(CM_DISPLAY1);
            QVERIFY(script.allRun());
            QCOMPARE(bool(s.Options.display.wine_workaround), on);
            QCOMPARE(bar->builtWithWineWorkaround(), on);
        }
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestDisplayDialogs test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_displaydialogs.moc"
