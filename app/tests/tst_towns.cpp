#include <QtTest>
#include <QListView>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSettings>

#include "../../persistence/tests/TownFixtures.h"
#include "CommandIds.h"
#include "DialogDriver.h"
#include "QtText.h"
#include "TAstroFrame.h"
#include "TownImport.h"
#include "FixedText.h"
#include "ProgramFolderFixture.h"
#include "TAstroApp.h"
#include "TestApp.h"
#include "CommandTable.h"
#include "TTownChoice.h"
#include "TTownDataDialog.h"
#include "TTownsDialog.h"
#include "TownDatabase.h"
#include "TownList.h"
#include "TownListModel.h"

namespace {

AppState& state() { return testApp().state(); }
TownDatabase& towns() { return testApp().context().towns; }

QListView* list(QDialog& d) { return field<QListView>(d, "towns"); }
QString selectedText(QDialog& d) { return list(d)->currentIndex().data().toString(); }
int rows(QDialog& d) { return list(d)->model()->rowCount(); }

// The user towns as the next start of the program reads them.
TownDatabase reloaded() {
    TownDatabase db;
    LoadTownDatabase(db, towns().paths, state().Strings);
    return db;
}

const TownRecord* userTown(const TownDatabase& db, std::string_view name) {
    for (const TownRecord& t : db.userTowns)
        if (townName(t) == name)
            return &t;
    return nullptr;
}

CommandTable* commands() { return testFrame().commands(); }

// The Import towns command's prompts: the file dialogs' choices in turn (none left:
// cancelled); a question without an answer left is cancelled. The file dialogs' captions
// and filters are kept in turn.
struct ImportScript : FakePrompts {
    QStringList files;
    QStringList captions, filters;

    ImportScript() {
        fallback = Answer::Cancel;
        chooseFile = [this](const FileRequest& r) {
            captions << r.caption;
            filters << r.filter;
            return files.isEmpty() ? QString() : files.takeFirst();
        };
        install();
    }
};

}  // namespace

class TestTowns : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    QTemporaryDir m_settings;

    QString writeFile(const QString& name, const std::string& bytes) {
        QFile f(QDir(m_folder.path()).filePath(name));
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(bytes.data(), qint64(bytes.size()));
        return f.fileName();
    }

private slots:
    void initTestCase() {
        QVERIFY(startTestApp(m_folder, m_settings, addTownFiles));
        QVERIFY(towns().mainTowns.size() > 100000);
    }

    void searchNarrowsTheListAsItIsTyped() {
        const TownRecord* chosen = nullptr;
        TTownsDialog dialog(nullptr, testApp().context(), "buda", chosen);
        QVERIFY(rows(dialog) > 1);
        QVERIFY2(selectedText(dialog).normalized(QString::NormalizationForm_D).startsWith("Bu"), qPrintable(selectedText(dialog)));
        setText(dialog, "search", "buda hung");
        QVERIFY(rows(dialog) >= 1);
        for (int i = 0; i < rows(dialog); ++i)
            QVERIFY(list(dialog)->model()->index(i, 0).data().toString().contains("Hungary"));
        setText(dialog, "search", "hung buda");  // the first word is the beginning of the name
        for (int i = 0; i < rows(dialog); ++i)
            QVERIFY(list(dialog)->model()->index(i, 0).data().toString().startsWith("Hung", Qt::CaseInsensitive));
        setText(dialog, "search", "Budapest, Hungary");
        QCOMPARE(press(dialog), int(QDialog::Accepted));
        QVERIFY(chosen);
        QCOMPARE(QString(townName(*chosen).data()).left(17), QString("Budapest, Hungary"));
    }

    void localNamesListTheMainTownFirst_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("town");
        QTest::newRow("Wien") << "Wien" << "Vienna, Austria";
        QTest::newRow("München") << "München" << "Munich, Germany";
        QTest::newRow("Praha") << "Praha" << "Prague, Czechia";
        QTest::newRow("Roma") << "Roma" << "Rome, Italy";
        QTest::newRow("Warszawa") << "Warszawa" << "Warsaw, Poland";
        QTest::newRow("Köln") << "Köln" << "Köln, Germany";
        QTest::newRow("Asuncion") << "Asuncion" << "Asunción, Paraguay";
    }
    void localNamesListTheMainTownFirst() {
        QFETCH(QString, typed);
        QFETCH(QString, town);
        const TownRecord* chosen = nullptr;
        TTownsDialog dialog(nullptr, testApp().context(), typed, chosen);
        QVERIFY(rows(dialog) > 0);
        QVERIFY2(list(dialog)->model()->index(0, 0).data().toString().startsWith(town),
                 qPrintable(list(dialog)->model()->index(0, 0).data().toString()));
        QVERIFY2(selectedText(dialog).startsWith(town), qPrintable(selectedText(dialog)));
        QCOMPARE(press(dialog), int(QDialog::Accepted));
        QVERIFY(chosen);
        QCOMPARE(fromCp1250(townName(*chosen)), town);
        // The command line takes the same town for the same text.
        QCOMPARE(BestTownMatch(towns(), toCp1250(typed)), chosen);
    }

    // The place choice of the Collation and Return dialogs: a town asked for by its start and
    // then from the list; a cancelled question leaves the place as it was. Without a town, choosing
    // "a town" asks for one; with one, the Town... button asks for another.
    void townChoiceKeepsThePlaceUnlessATownIsPicked_data() {
        QTest::addColumn<QString>("start");  // the town chosen before
        QTest::addColumn<int>("answered");    // dialogs accepted before one is cancelled (2: both)
        QTest::addColumn<QString>("town");    // the start of the town chosen after; empty: own place
        const QString vienna = "Vienna, Austria", budapest = "Budapest, Hungary";
        QTest::newRow("town picked") << QString() << 2 << budapest;
        QTest::newRow("name not given") << QString() << 0 << QString();
        QTest::newRow("list cancelled") << QString() << 1 << QString();
        QTest::newRow("other town picked") << vienna << 2 << budapest;
        QTest::newRow("other town not given") << vienna << 0 << vienna;
        QTest::newRow("other town cancelled") << vienna << 1 << vienna;
    }
    void townChoiceKeepsThePlaceUnlessATownIsPicked() {
        QFETCH(QString, start);
        QFETCH(int, answered);
        QFETCH(QString, town);
        TTownChoice choice(nullptr, testApp().context(), "Place", "&own place", "ownPlace", toCp1250(start));
        QSignalSpy changed(&choice, &TTownChoice::changed);
        FakePrompts script;
        script.steps = {[answered](QDialog& d) {
                            setText(d, "", "Budapest, Hungary");  // the prefix dialog's only edit
                            return answered > 0 ? press(d) : int(QDialog::Rejected);
                        },
                        [answered](QDialog& d) { return answered > 1 ? press(d) : int(QDialog::Rejected); }};
        if (answered == 0)
            script.steps.removeLast();
        script.install();
        if (start.isEmpty())
            field<QRadioButton>(choice, "atTown")->click();
        else
            choice.findChild<QPushButton*>()->click();
        QVERIFY(script.allRun());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(choice.atTown(), !town.isEmpty());
        QCOMPARE(field<QRadioButton>(choice, "ownPlace")->isChecked(), town.isEmpty());
        QVERIFY2(fromCp1250(choice.town()).startsWith(town) && choice.town().empty() == town.isEmpty(),
                 choice.town().c_str());
    }

    void rowsOfOneNameDifferAndDistrictsFollowTheirNumbers() {
        const TownRecord* chosen = nullptr;
        TTownsDialog dialog(nullptr, testApp().context(), "Zürich (Kreis", chosen);
        QAbstractItemModel* model = list(dialog)->model();
        QVERIFY(model->rowCount() >= 12);
        QSet<QString> seen;
        QList<int> districts;
        static const QRegularExpression district(QStringLiteral("\\(Kreis (\\d+)\\)"));
        for (int r = 0; r < model->rowCount(); ++r) {
            const QModelIndex index = model->index(r, 0);
            const QString row = index.data().toString() + " | " + index.data(TownListModel::PositionRole).toString();
            QVERIFY2(!seen.contains(row), qPrintable(row));  // no two rows look alike
            seen << row;
            districts << district.match(row).captured(1).toInt();
        }
        QVERIFY(std::is_sorted(districts.begin(), districts.end()));
        QCOMPARE(districts.first(), 1);
        QCOMPARE(districts.last(), 12);
        // One country is named one way in a list.
        setText(dialog, "search", "New York");
        QStringList names;
        for (int r = 0; r < model->rowCount(); ++r)
            names << model->index(r, 0).data().toString();
        QVERIFY(names.contains("New York City, United States"));
        QVERIFY2(names.contains("New York Mills, NY, United States"), qPrintable(names.join('\n')));
        QVERIFY(names.filter(", USA").isEmpty());
    }

    void noMatchLeavesOnlyCancel() {
        const TownRecord* chosen = nullptr;
        TTownsDialog dialog(nullptr, testApp().context(), "Qqqxz", chosen);
        QCOMPARE(rows(dialog), 0);
        QVERIFY(!field<QDialogButtonBox>(dialog, "")->button(QDialogButtonBox::Ok)->isEnabled());
        QVERIFY(!field<QPushButton>(dialog, "edit")->isEnabled());
        QVERIFY(!field<QPushButton>(dialog, "delete")->isEnabled());
        QCOMPARE(press(dialog), -1);
        QVERIFY(!chosen);
    }

    void editOfAMainTownAddsAUserTown() {
        const TownRecord* chosen = nullptr;
        TTownsDialog dialog(nullptr, testApp().context(), "Szeged, Hungary", chosen);
        QCOMPARE(selectedText(dialog), QString("Szeged, Hungary"));
        QVERIFY(!field<QPushButton>(dialog, "delete")->isEnabled());
        const TownRecord main = *FindTown(towns(), "Szeged, Hungary");
        FakePrompts script;
        script.steps = {[](QDialog& d) {
            [&] {
                QCOMPARE(field<QLineEdit>(d, "townName")->text(), QString("Szeged"));
                QCOMPARE(field<QComboBox>(d, "region")->currentText(), QString("Hungary"));
                QVERIFY(field<QComboBox>(d, "zone")->currentText().startsWith("Hungary"));
            }();
            setText(d, "lonMinutes", "11");
            return press(d);
        }};
        script.install();
        field<QPushButton>(dialog, "edit")->click();
        QVERIFY(script.allRun());
        QCOMPARE(selectedText(dialog), QString("+ Szeged, Hungary"));
        QVERIFY(field<QPushButton>(dialog, "delete")->isEnabled());
        // The main town is still there, unchanged, and the user town is on disk at once.
        setText(dialog, "search", "Szeged, Hungary");
        QCOMPARE(rows(dialog), 2);
        QCOMPARE(std::memcmp(FindTown(towns(), "Szeged, Hungary"), &main, sizeof main), 0);
        const TownDatabase db = reloaded();
        const TownRecord* saved = userTown(db, "Szeged, Hungary");
        QVERIFY(saved);
        QCOMPARE(int(saved->longitude), 20 * 60 + 11);
        QCOMPARE(int(saved->zone), int(main.zone));
    }

    void newTownIsSavedAndDeleteAsksFirst() {
        const TownRecord* chosen = nullptr;
        TTownsDialog dialog(nullptr, testApp().context(), "Kis", chosen);
        FakePrompts script;
        script.steps = {[](QDialog& d) {
            [&] {
                // A new town starts in the default region, with its zone chosen from it.
                QCOMPARE(field<QComboBox>(d, "region")->currentText(), QString("Hungary"));
                QVERIFY(field<QComboBox>(d, "zone")->currentText().startsWith("Hungary"));
                QVERIFY(!field<QDialogButtonBox>(d, "")->button(QDialogButtonBox::Ok)->isEnabled());
            }();
            setText(d, "townName", "Kisvárosfalva");
            setText(d, "lonDegrees", "200");
            setText(d, "latDegrees", "46");
            setText(d, "latMinutes", "15");
            if (press(d) != -1)
                return -2;  // the bad longitude must keep it open
            setText(d, "lonDegrees", "20");
            return press(d);
        }};
        script.answers = {Prompts::Answer::No, Prompts::Answer::Yes};
        script.install();
        field<QPushButton>(dialog, "new")->click();
        QVERIFY(script.allRun());
        QCOMPARE(script.errors, QStringList{"Invalid geographic longitude"});
        QCOMPARE(selectedText(dialog), QString("+ Kisvárosfalva, Hungary"));
        const TownDatabase db = reloaded();
        const TownRecord* saved = userTown(db, "Kisv\xE1rosfalva, Hungary");
        QVERIFY(saved);
        QCOMPARE(int(saved->longitude), 20 * 60);
        QCOMPARE(int(saved->latitude), 46 * 60 + 15);
        QVERIFY(zoneByNumber(db, saved->zone));
        QVERIFY(QString::fromLatin1(zoneByNumber(db, saved->zone)->name).startsWith("Hungary"));

        field<QPushButton>(dialog, "delete")->click();  // answered No
        QCOMPARE(script.questions, QStringList{"Delete town\nKisvárosfalva, Hungary?"});
        QVERIFY(userTown(reloaded(), "Kisv\xE1rosfalva, Hungary"));
        field<QPushButton>(dialog, "delete")->click();  // answered Yes
        QVERIFY(!userTown(reloaded(), "Kisv\xE1rosfalva, Hungary"));
        QVERIFY(!userTown(towns(), "Kisv\xE1rosfalva, Hungary"));
        QVERIFY(!selectedText(dialog).startsWith("+ Kisv"));
    }

    void zoneListHasTheDatedZonesFirst() {
        TownRecord record;
        TTownDataDialog dialog(nullptr, testApp().context(), record);
        QComboBox* zones = field<QComboBox>(dialog, "zone");
        QList<int> numbers;
        for (int i = 0; i < zones->count(); ++i)
            numbers << zones->itemData(i).toInt();
        QVERIFY(numbers.size() > 100);
        QCOMPARE(numbers.first(), 100);
        const qsizetype fixed = numbers.indexOf(0);
        QVERIFY(fixed > 0);
        for (qsizetype i = 1; i < numbers.size(); ++i)
            if (i != fixed)
                QVERIFY2(numbers[i] > numbers[i - 1], qPrintable(QString("at %1").arg(i)));
        QVERIFY(numbers.last() < 100);

        // A region of three characters or more selects its zone; two never change it.
        field<QComboBox>(dialog, "region")->setEditText("Germany");
        QVERIFY(zones->currentText().startsWith("Germany"));
        field<QComboBox>(dialog, "region")->setEditText("Ja");
        QVERIFY(zones->currentText().startsWith("Germany"));
        field<QComboBox>(dialog, "region")->setEditText("Jap");
        QVERIFY(zones->currentText().startsWith("Japan"));
    }

    void viewListsTheRulesOfTheZone() {
        TownRecord record = *FindTown(towns(), "Budapest, Hungary");
        TTownDataDialog dialog(nullptr, testApp().context(), record);
        const ZoneDescriptor* zone = zoneByNumber(towns(), record.zone);
        QVERIFY(zone);
        FakePrompts script;
        script.steps = {[zone](QDialog& d) {
            [&] {
                auto* rules = field<QListWidget>(d, "rules");
                QCOMPARE(rules->count(), int(zone->entryCount));
                QVERIFY(!field<QLineEdit>(d, "zoneName")->isEnabled());
                QVERIFY(rules->item(0)->text().endsWith("00:00  -->  LMT"));
                bool summer = false;
                for (int i = 0; i < rules->count(); ++i)
                    summer = summer || rules->item(i)->text().endsWith("-->  +02:00  CEST");
                QVERIFY(summer);
            }();
            return press(d);
        }};
        script.install();
        field<QPushButton>(dialog, "view")->click();
        QVERIFY(script.allRun());
    }

    void importCommandIsOffered() {
        commands()->updateActions();
        QVERIFY(commands()->action(CM_IMPORTTOWNS)->isEnabled());
    }

    void oldFileAloneIsImportedAndListedAtOnce() {
        QVERIFY(QDir(m_folder.path()).mkpath("old1"));
        const QString file = writeFile("old1/ZDKTWN_B.TWD",
                                       fixtures::oldTownFile({{"Zzimport One", 1140, 2850, 5}, {"Zzimport Two", 0, 0, 40}}));
        ImportScript script;
        script.files = {file};
        script.answers = {Prompts::Answer::No, Prompts::Answer::No};  // only this file; without its user zones
        commands()->dispatch(CM_IMPORTTOWNS);
        QCOMPARE(script.questions.size(), 2);
        QCOMPARE(script.questions[0], fromCp1250(state().Strings[ImportWholeQuestionId]));
        QCOMPARE(script.questions[1], fromCp1250(state().Strings[ImportZonesQuestionId]));
        QCOMPARE(script.messages, QStringList{"Imported:\n1 town(s)\n0 time zone(s)"});

        const TownRecord* chosen = nullptr;
        TTownsDialog dialog(nullptr, testApp().context(), "zzimport", chosen);
        QCOMPARE(rows(dialog), 1);
        QCOMPARE(selectedText(dialog), QString("+ Zzimport One"));
        QVERIFY(userTown(reloaded(), "Zzimport One"));
    }

    void wholeOldDatabaseBringsItsZones() {
        QVERIFY(QDir(m_folder.path()).mkpath("old2"));
        std::vector<fixtures::OldZone> zones(41);
        zones[39] = {"Old zone A", 1, {fixtures::rule(1900, 1, 1, 0, 0, TimeZone, "", 90)}};
        zones[40] = {"Old zone B", 1, {fixtures::rule(1900, 1, 1, 0, 0, TimeZone, "", -90)}};
        writeFile("old2/ZDKTIMES.TID", fixtures::oldTimeFile(zones));
        const QString file = writeFile("old2/ZDKTWN_A.TWD", fixtures::oldTownFile({{"Zzwhole Alpha", 0, 0, 39}}));
        const std::size_t zonesBefore = towns().userZones.size();
        ImportScript script;
        script.files = {file};
        script.answers = {Prompts::Answer::Yes};
        commands()->dispatch(CM_IMPORTTOWNS);
        QCOMPARE(script.questions.size(), 1);
        QCOMPARE(script.messages, QStringList{"Imported:\n1 town(s)\n2 time zone(s)"});
        const TownDatabase db = reloaded();
        const TownRecord* alpha = userTown(db, "Zzwhole Alpha");
        QVERIFY(alpha);
        const ZoneDescriptor* zone = zoneByNumber(db, alpha->zone);
        QVERIFY(zone);
        QCOMPARE(QString::fromLatin1(zone->name.data(), int(zone->name.size())), QString("Old zone A"));
        QCOMPARE(db.userZones.size(), zonesBefore + 4);  // records 36 and 37 are empty placeholders
    }

    void cancelledOrFailedImportLeavesTheUserTowns() {
        QVERIFY(QDir(m_folder.path()).mkpath("old3"));
        const std::size_t before = towns().userTowns.size();
        {
            ImportScript script;  // the file dialog cancelled
            commands()->dispatch(CM_IMPORTTOWNS);
            QVERIFY(script.questions.isEmpty());
            QVERIFY(script.messages.isEmpty());
        }
        {
            ImportScript script;
            const QString broken = writeFile("old3/broken.TWD", "not a town file");
            script.files = {broken};
            commands()->dispatch(CM_IMPORTTOWNS);
            // The chooser says what file it wants; the failure says which file and why.
            QVERIFY2(script.captions.value(0).contains(".TWD"), qPrintable(script.captions.value(0)));
            QVERIFY2(script.filters.value(0).contains("*.TWD"), qPrintable(script.filters.value(0)));
            QCOMPARE(script.messages.size(), 1);
            QVERIFY(script.messages.first().startsWith("Failed to import the towns.\n\n"));
            QVERIFY2(script.messages.first().contains(broken + " is not a town data file"), qPrintable(script.messages.first()));
        }
        {
            ImportScript script;  // the whole-database question cancelled
            script.files = {writeFile("old3/ZDKTWN_C.TWD", fixtures::oldTownFile({{"Zzcancel", 0, 0, 5}}))};
            script.answers = {Prompts::Answer::Cancel};
            commands()->dispatch(CM_IMPORTTOWNS);
            QVERIFY(script.messages.isEmpty());
        }
        QCOMPARE(towns().userTowns.size(), before);
        QCOMPARE(reloaded().userTowns.size(), before);
    }

    void failedSaveIsToldAndTheTownKept() {
        const std::string path = towns().paths.userTowns;
        towns().paths.userTowns = m_folder.path().toStdString() + "/no such folder/ZDKTOWNS_user.TWD";
        const TownRecord* chosen = nullptr;
        TTownsDialog dialog(nullptr, testApp().context(), "Pécs, Hungary", chosen);
        FakePrompts script;
        script.steps = {[](QDialog& d) { return press(d); }};
        script.install();
        field<QPushButton>(dialog, "edit")->click();
        towns().paths.userTowns = path;
        QCOMPARE(script.errors.size(), 1);
        QVERIFY(script.errors.first().contains("could not be saved"));
        QCOMPARE(selectedText(dialog), QString("+ Pécs, Hungary"));
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestTowns test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_towns.moc"
