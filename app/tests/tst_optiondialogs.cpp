#include <QtTest>
#include <QCheckBox>
#include <QGroupBox>
#include <QMessageBox>
#include <QRadioButton>

#include "Aspects.h"
#include "CommandIds.h"
#include "DialogDriver.h"
#include "DignityState.h"
#include "FixedText.h"
#include "OptionsFile.h"
#include "ProgramFolderFixture.h"
#include "RadixData.h"
#include "TAstroApp.h"
#include "TAstroClient.h"
#include "TestApp.h"
#include "CommandTable.h"
#include "AppCommands.h"
#include "TAstroFrame.h"
#include "TDignsDialog.h"
#include "TOrbisesDialog.h"
#include "TRadixWindow.h"
#include "TScoresDialog.h"

namespace {

TAstroClient* client() { return testFrame().client(); }
CommandTable* commands() { return testFrame().commands(); }
TOptions& options() { return testApp().state().Options; }

constexpr int Sextile = 3;
constexpr int Cancer = 3;
constexpr int Capricorn = 9;
constexpr int Mars = 4;

// 26 July 1980, 12:00 GMT, Budapest: the Moon at 17° Capricorn, Mars 65.4° from the Sun,
// a Sextile within the shipped orbs of the Sun (4°) and Mars (3°).
RadixData chartOfJuly1980() {
    RadixData r;
    setFixedText(r.name, "July");
    setFixedText(r.horType, "radix");
    r.moment = BirthMoment(CalDate(1980, 7, 26, true), ClockTime{12, 0, 0}, GeoAngle(19, 5, 0, false),
                           GeoAngle(47, 30, 0, false), TimeGMT, 0, 0, false);
    setFixedText(r.moment.town, "Budapest, Hungary");
    r.moment.localToUniversal();
    return r;
}

QRadioButton* radio(QDialog& d, const QString& name) { return field<QRadioButton>(d, name.toLatin1().constData()); }
QLineEdit* edit(QDialog& d, const QString& name) { return field<QLineEdit>(d, name.toLatin1().constData()); }
QString text(QDialog& d, const QString& name) { return edit(d, name)->text(); }

// Orbs whose every value tells where it is: aspect + class / 100.
TOrbisesDialog::Orbs numberedOrbs() {
    TOrbisesDialog::Orbs orbs;
    for (int a = 0; a < OrbAspectCount; ++a)
        for (int c = 0; c < OrbClassCount; ++c)
            orbs.orbises[a][c] = a + c / 100.0;
    orbs.collfactor = 0.75;
    orbs.houseexts = {5, 4.5, 3};
    orbs.correvs = 1;
    orbs.stationary_strict = 3;
    return orbs;
}

QString fileText(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

}  // namespace

class TestOptionDialogs : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    QTemporaryDir m_settings;
    TOptions m_shipped;

private slots:
    void initTestCase() {
        QVERIFY(startTestApp(m_folder, m_settings));
        m_shipped = options();
    }
    void init() { options() = m_shipped; }
    void cleanup() {
        TRadixWindow::askSave = [](QWidget*, const QString&) { return int(QMessageBox::No); };
        client()->closeAllCharts();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        TRadixWindow::askSave = nullptr;
    }

    // Orbs

    void orbisesDialogShowsTheChosenRowAndTheSettings() {
        TOrbisesDialog d(nullptr, testApp().context().errors, numberedOrbs(), 19);
        QVERIFY(radio(d, "aspect19")->isChecked());
        QCOMPARE(text(d, "orb0"), QString("19.00"));
        QCOMPARE(text(d, "orb15"), QString("19.15"));
        QCOMPARE(text(d, "collfactor"), QString("0.75"));
        QCOMPARE(text(d, "houseext1"), QString("4.50"));
        QCOMPARE(text(d, "correvs"), QString("1.00"));
        QCOMPARE(text(d, "stationary_strict"), QString("3"));
        TOrbisesDialog outOfRange(nullptr, testApp().context().errors, numberedOrbs(), 99);
        QVERIFY(radio(outOfRange, "aspect0")->isChecked());
    }

    void orbisesDialogStoresTheRowWhenAnotherAspectIsChosen() {
        DialogScript script;
        script.install();
        TOrbisesDialog d(nullptr, testApp().context().errors, numberedOrbs(), 3);
        edit(d, "orb2")->setText("2.3");
        radio(d, "aspect20")->click();
        QCOMPARE(d.aspect(), 20);
        QCOMPARE(text(d, "orb2"), QString("20.02"));
        // Kept with single precision, as the options hold orbs.
        QCOMPARE(d.orbs().orbises[3][2], double(2.3f));
        QVERIFY(d.orbs().orbises[3][2] != 2.3);
        QVERIFY(d.orbs().orbises[3][3] == double(3.03f));  // the whole row, as the edits show it
        QVERIFY(d.orbs().orbises[4][3] == 4.03);  // rows never shown stay exactly as they were
        radio(d, "aspect3")->click();
        QCOMPARE(text(d, "orb2"), QString("2.30"));
        QVERIFY(script.errors.isEmpty());
    }

    void orbisesDialogKeepsARowThatIsNotAllNumbers() {
        DialogScript script;
        script.install();
        TOrbisesDialog d(nullptr, testApp().context().errors, numberedOrbs(), 5);
        edit(d, "orb7")->setText("");
        radio(d, "aspect6")->click();
        QCOMPARE(script.errors.size(), 1);
        QVERIFY(radio(d, "aspect5")->isChecked());
        QCOMPARE(d.aspect(), 5);
        QCOMPARE(text(d, "orb7"), QString());  // nothing typed is thrown away
        QCOMPARE(d.orbs().orbises[6], numberedOrbs().orbises[6]);
    }

    void orbEditsTakeOnlyNonNegativeDecimals_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("stored");
        QTest::newRow("decimal point") << "2.5" << "2.5" << true << 2.5;
        QTest::newRow("decimal comma") << "2,25" << "2,25" << true << 2.25;
        QTest::newRow("trailing point") << "7." << "7." << true << 7.0;
        // What cannot be an orb stays as typed and is refused with a word, never dropped unseen.
        QTest::newRow("letters") << "abc" << "abc" << false << 0.0;
        QTest::newRow("minus sign") << "-1" << "-1" << false << 0.0;
        QTest::newRow("third decimal") << "1.125" << "1.125" << false << 0.0;
        QTest::newRow("zero") << "0" << "0" << true << 0.0;
    }
    void orbEditsTakeOnlyNonNegativeDecimals() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, accepted);
        QFETCH(double, stored);
        DialogScript script;
        script.install();
        TOrbisesDialog d(nullptr, testApp().context().errors, numberedOrbs(), 0);
        QLineEdit* orb = edit(d, "orb4");
        orb->clear();
        QTest::keyClicks(orb, typed);
        QCOMPARE(orb->text(), shown);
        QCOMPARE(press(d), accepted ? int(QDialog::Accepted) : -1);
        QCOMPARE(script.errors.size(), accepted ? 0 : 1);
        if (accepted)
            QCOMPARE(d.orbs().orbises[0][4], stored);
    }

    void orbsAreRefusedAboveTheirLimit_data() {
        QTest::addColumn<int>("aspect");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("conjunction at 30") << 0 << "30" << true;
        QTest::newRow("conjunction above 30") << 0 << "30.01" << false;
        QTest::newRow("conjunction of 99") << 0 << "99" << false;
        QTest::newRow("opposition above 30") << 10 << "31" << false;
        QTest::newRow("parallel at 10") << AspectParallel << "10.00" << true;
        QTest::newRow("parallel above 10") << AspectParallel << "10.01" << false;
        QTest::newRow("contra-parallel above 10") << AspectContraParallel << "12" << false;
        QTest::newRow("fixed star conjunction at 30") << 20 << "30" << true;
        QTest::newRow("negative") << 0 << "-2" << false;
        QTest::newRow("letters") << AspectParallel << "x1" << false;
    }
    void orbsAreRefusedAboveTheirLimit() {
        QFETCH(int, aspect);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        DialogScript script;
        script.install();
        TOrbisesDialog d(nullptr, testApp().context().errors, TOrbisesDialog::Orbs{}, aspect);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QLineEdit* orb = edit(d, "orb3");
        orb->clear();
        QTest::keyClicks(orb, typed);
        edit(d, "collfactor")->setFocus();
        QCOMPARE(press(d), accepted ? int(QDialog::Accepted) : -1);
        if (accepted) {
            QVERIFY(script.errors.isEmpty());
            QCOMPARE(d.orbs().orbises[aspect][3], typed.toDouble());
            return;
        }
        // As the scores dialog refuses a value: the message, then the field with its text selected.
        QCOMPARE(script.errors.size(), 1);
        const QString limit = aspect == AspectParallel || aspect == AspectContraParallel ? "10.00" : "30.00";
        QVERIFY2(script.errors.first().contains("from 0 to " + limit + " degrees"), qPrintable(script.errors.first()));
        QCOMPARE(QApplication::focusWidget(), orb);
        QCOMPARE(orb->selectedText(), typed);
    }

    void textThatIsNotANumberIsRefused_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("orb of letters") << "orb0" << "abc";
        QTest::newRow("negative orb") << "orb15" << "-1.00";
        QTest::newRow("empty collation factor") << "collfactor" << "";
        QTest::newRow("two points") << "houseext2" << "1.2.3";
        QTest::newRow("strictness over a byte") << "stationary_strict" << "300";
        QTest::newRow("empty strictness") << "stationary_strict" << "";
    }
    void textThatIsNotANumberIsRefused() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        DialogScript script;
        script.install();
        TOrbisesDialog d(nullptr, testApp().context().errors, numberedOrbs(), 0);
        edit(d, field)->setText(value);  // as a file's value can arrive, past the validator
        QCOMPARE(press(d), -1);
        QCOMPARE(script.errors.size(), 1);
        QVERIFY(script.errors.first().startsWith("Enter a"));
    }

    void stationaryStrictnessBelowTwoIsStoredAsOne_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("0") << "0" << 1;
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("2") << "2" << 2;
        QTest::newRow("255") << "255" << 255;
    }
    void stationaryStrictnessBelowTwoIsStoredAsOne() {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        TOrbisesDialog d(nullptr, testApp().context().errors, numberedOrbs(), 0);
        edit(d, "stationary_strict")->setText(typed);
        edit(d, "houseext2")->setText("2.25");
        QCOMPARE(press(d), int(QDialog::Accepted));
        QCOMPARE(int(d.orbs().stationary_strict), stored);
        QCOMPARE(d.orbs().houseexts[2], 2.25);
    }

    void keysMoveThroughTheAspectsAndOnToTheOrbs() {
        TOrbisesDialog d(nullptr, testApp().context().errors, numberedOrbs(), 3);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(QApplication::focusWidget(), radio(d, "aspect3"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(radio(d, "aspect4")->isChecked());
        QCOMPARE(text(d, "orb0"), QString("4.00"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), edit(d, "orb0"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), radio(d, "aspect4"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), edit(d, "collfactor"));
        // On through the further settings and the house scopes, in reading order.
        QStringList order;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"correvs", "stationary_strict", "houseext0", "houseext1", "houseext2"}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // Enter is OK
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    void orbisesCommandChangesTheChartsAspectsAndSavesThem() {
        options().autosave = true;
        auto* chart = TRadixWindow::fromData(testApp().context(), chartOfJuly1980(), ChartBlocks{});
        client()->addChart(chart);
        const int sun = aspectPointOfBody(BodySun);
        QCOMPARE(chart->chart().aspectCode[Mars][sun] & 0x1F, Sextile);

        DialogScript script;
        script.steps << [](QDialog& d) {
            radio(d, "aspect3")->click();
            edit(d, "orb2")->setText("1");  // Sun 1° + Mars 3° no longer reach 65.4°
            return press(d);
        } << [](QDialog& d) {
            [&] { QVERIFY(radio(d, "aspect3")->isChecked()); }();  // the row chosen last comes back
            edit(d, "orb2")->setText("9");
            return press(d, QDialogButtonBox::Cancel);
        };
        script.install();
        commands()->dispatch(CM_ORBISES);
        QCOMPARE(options().orbises[Sextile][2], 1.0);
        QCOMPARE(chart->chart().aspectCode[Mars][sun], std::uint8_t(255));
        QVERIFY(fileText(options().options_file.data()).contains("\nsex=3.00, 3.00, 1.00, 4.00,"));

        commands()->dispatch(CM_ORBISES);
        QVERIFY(script.allRun());
        QCOMPARE(options().orbises[Sextile][2], 1.0);  // Cancel keeps what was there
        QCOMPARE(chart->chart().aspectCode[Mars][sun], std::uint8_t(255));
    }

    // Dignities

    void dignitiesDialogEditsTheChosenBodyAndKind() {
        TDignsDialog::Dignities dignities = TDignsDialog::Dignities::of(m_shipped);
        dignities.term_type = 1;
        TDignsDialog d(nullptr, dignities, 4, 1);  // Mars, exaltation: Capricorn
        QVERIFY(radio(d, "body4")->isChecked());
        QVERIFY(radio(d, "kind1")->isChecked());
        QVERIFY(radio(d, "term1")->isChecked());
        QVERIFY(!field<QCheckBox>(d, "tripv")->isChecked());
        QVERIFY(field<QCheckBox>(d, "sign9")->isChecked());
        QVERIFY(!field<QCheckBox>(d, "sign0")->isChecked());

        field<QCheckBox>(d, "sign0")->setChecked(true);
        radio(d, "kind0")->click();  // Mars domicile: Aries and Scorpio
        QVERIFY(d.dignities().sign_dignities[4][DignityExalt][0]);
        QVERIFY(field<QCheckBox>(d, "sign0")->isChecked());
        QVERIFY(field<QCheckBox>(d, "sign7")->isChecked());
        field<QCheckBox>(d, "sign7")->setChecked(false);
        radio(d, "body0")->click();  // stored again on a change of body
        QVERIFY(!d.dignities().sign_dignities[4][DignityOwn][7]);
        QVERIFY(field<QCheckBox>(d, "sign4")->isChecked());  // Sun in Leo
        QCOMPARE(d.body(), 0);
        QCOMPARE(d.kind(), 0);

        field<QCheckBox>(d, "tripv")->setChecked(true);
        radio(d, "term0")->click();
        field<QCheckBox>(d, "sign5")->setChecked(true);
        QCOMPARE(press(d), int(QDialog::Accepted));
        QVERIFY(d.dignities().tripv);
        QCOMPARE(int(d.dignities().term_type), 0);
        QVERIFY(d.dignities().sign_dignities[0][DignityOwn][5]);
    }

    void keysChooseTheBodyAndTickTheSigns() {
        TDignsDialog d(nullptr, TDignsDialog::Dignities::of(m_shipped), 1, 0);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(QApplication::focusWidget(), radio(d, "body1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // Mercury: Gemini and Virgo
        QVERIFY(radio(d, "body2")->isChecked());
        QVERIFY(field<QCheckBox>(d, "sign2")->isChecked() && field<QCheckBox>(d, "sign5")->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), radio(d, "kind0"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), field<QCheckBox>(d, "sign0"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), field<QCheckBox>(d, "tripv"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(d.dignities().sign_dignities[2][DignityOwn][0]);
        QCOMPARE(d.body(), 2);
    }

    void unknownKindOfTermsStaysUnlessOneIsChosen() {
        TDignsDialog::Dignities dignities = TDignsDialog::Dignities::of(m_shipped);
        dignities.term_type = 7;
        TDignsDialog d(nullptr, dignities, 0, 0);
        QVERIFY(!radio(d, "term0")->isChecked() && !radio(d, "term1")->isChecked());
        QCOMPARE(press(d), int(QDialog::Accepted));
        QCOMPARE(int(d.dignities().term_type), 7);
    }

    void moonDomicileInCancerPutsCapricornMoonsInDetriment() {
        options().sign_dignities[BodyMoon][DignityOwn][Cancer] = false;
        auto* chart = TRadixWindow::fromData(testApp().context(), chartOfJuly1980(), ChartBlocks{});
        client()->addChart(chart);
        QCOMPARE(int(chart->chart().dignityState[BodyMoon]), int(DignityTriplicity));

        DialogScript script;
        script.steps << [](QDialog& d) {
            radio(d, "body1")->click();
            radio(d, "kind0")->click();
            field<QCheckBox>(d, "sign3")->setChecked(true);
            return press(d, QDialogButtonBox::Cancel);
        } << [](QDialog& d) {
            [&] {
                QVERIFY(radio(d, "body1")->isChecked());  // chosen last, though cancelled
                QVERIFY(!field<QCheckBox>(d, "sign3")->isChecked());
            }();
            field<QCheckBox>(d, "sign3")->setChecked(true);
            return press(d);
        };
        script.install();
        commands()->dispatch(CM_DIGNITIES);
        QVERIFY(!options().sign_dignities[BodyMoon][DignityOwn][Cancer]);
        QCOMPARE(int(chart->chart().dignityState[BodyMoon]), int(DignityTriplicity));

        commands()->dispatch(CM_DIGNITIES);
        QVERIFY(script.allRun());
        QVERIFY(options().sign_dignities[BodyMoon][DignityOwn][Cancer]);
        QCOMPARE(int(chart->chart().dignityState[BodyMoon]), int(DignityDetriment));
        // The degree table follows: the Moon (body 2) is in the detriment column at 15° Capricorn.
        const auto& cell = options().dignity_degree_table[1][Capricorn * 30 + 15];
        QVERIFY(std::find(cell.begin(), cell.end(), 2) != cell.end());
    }

    // Scores

    void scoresDialogShowsAndStoresBothValues() {
        TScoresDialog::Scores scores{};
        scores[0] = {4, 1};
        scores[13] = {0, 255};
        TScoresDialog d(nullptr, testApp().context().errors, scores);
        QCOMPARE(text(d, "first0"), QString("4"));
        QCOMPARE(text(d, "second0"), QString("1"));
        QCOMPARE(text(d, "second13"), QString("255"));
        edit(d, "first13")->setText("12");
        edit(d, "second2")->setText("0");
        QCOMPARE(press(d), int(QDialog::Accepted));
        QCOMPARE(int(d.scores()[13][0]), 12);
        QCOMPARE(int(d.scores()[13][1]), 255);
        QCOMPARE(int(d.scores()[0][0]), 4);
        QCOMPARE(int(d.scores()[2][1]), 0);
    }

    void scoreOverAByteIsRefusedNotCut() {
        DialogScript script;
        script.install();
        TScoresDialog::Scores scores{};
        TScoresDialog d(nullptr, testApp().context().errors, scores);
        edit(d, "first5")->clear();
        QTest::keyClicks(edit(d, "first5"), "x300");  // the letter is not taken, the number is
        QCOMPARE(text(d, "first5"), QString("300"));
        QCOMPARE(press(d), -1);
        QCOMPARE(script.errors, QStringList{"Enter a whole number from 0 to 255."});
        QCOMPARE(int(d.scores()[5][0]), 0);  // never 44
    }

    void scoresCommandStoresAndSavesOnOkOnly() {
        options().autosave = true;
        DialogScript script;
        script.steps << [](QDialog& d) {
            edit(d, "first0")->setText("9");
            return press(d, QDialogButtonBox::Cancel);
        } << [](QDialog& d) {
            edit(d, "first0")->setText("7");
            edit(d, "second13")->setText("200");
            return press(d);
        };
        script.install();
        commands()->dispatch(CM_SCORES);
        QCOMPARE(int(options().scores[0][0]), int(m_shipped.scores[0][0]));
        commands()->dispatch(CM_SCORES);
        QVERIFY(script.allRun());
        QCOMPARE(int(options().scores[0][0]), 7);
        QCOMPARE(int(options().scores[13][1]), 200);
        const QString saved = fileText(options().options_file.data());
        QVERIFY(saved.contains("\nasc=7, 1"));
        QVERIFY(saved.contains("\nsnd=0, -56"));  // bytes are written as signed numbers
    }

    // Retrieve

    void retrieveWithAFaultyDignityFileSaysSoAndKeepsTheOptions() {
        const QString digns = m_folder.filePath("data/zdkdigns.csv");
        const QString good = m_folder.filePath("data/zdkdigns.good");
        QVERIFY(QFile::copy(digns, good));
        const auto restore = qScopeGuard([&] {
            QFile::remove(digns);
            QFile::rename(good, digns);
        });
        QFile file(digns);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("Degree;Domic\nPoints;5\n360;mar\n");
        file.close();
        const QString retrieved = m_folder.filePath("options/other.zdo");
        QFile::remove(retrieved);
        QVERIFY(QFile::copy(m_folder.filePath("options/ZODIKEON.ZDO"), retrieved));

        DialogScript script;
        script.install();
        testFrame().handlers()->retrieveOptionsFrom(retrieved);
        QCOMPARE(script.errors,
                 QStringList{"Error in dignity data file.\n\nLine 3, item 1: '360': invalid degree number"});
        QCOMPARE(QString(options().options_file.data()), retrieved);  // the options themselves are in force
    }

    void retrieveOfAnotherFileSaysSoAndChangesNothing() {
        const QString other = m_folder.filePath("options/notes.txt");
        QFile file(other);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[main]\ndescription=something else\n");
        file.close();
        const std::string before = options().options_file.data();
        DialogScript script;
        script.install();
        testFrame().handlers()->retrieveOptionsFrom(other);
        QCOMPARE(script.errors, QStringList{"Selected file is not a ZODIKEON v4.x options file"});
        QCOMPARE(std::string(options().options_file.data()), before);
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestOptionDialogs test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_optiondialogs.moc"
