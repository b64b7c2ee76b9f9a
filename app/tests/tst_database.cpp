#include <QtTest>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSettings>

#include "CodePage.h"
#include "CommandIds.h"
#include "FixedText.h"
#include "HoroscopeFile.h"
#include "HoroscopeListing.h"
#include "ProgramFolderFixture.h"
#include "QtText.h"
#include "RadixData.h"
#include "TAstroApp.h"
#include "TestApp.h"
#include "CommandTable.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TDatabaseDialog.h"
#include "THoroComboBox.h"
#include "TRadixWindow.h"

namespace {

TAstroClient* client() { return testFrame().client(); }
CommandTable* commands() { return testFrame().commands(); }
AppState& state() { return testApp().state(); }

// The prompts of every test here: questions answered Yes unless a test says otherwise.
FakePrompts& prompts() { return basePrompts(); }
QStringList toldCaptions() {
    QStringList captions;
    for (const FakePrompts::Told& t : prompts().told)
        captions << t.caption;
    return captions;
}

QStringList rowNames(const TDatabaseDialog& d) {
    QStringList names;
    for (int i = 0; i < d.list()->count(); ++i)
        names << fromCp1250(d.list()->entry(i)->name);
    return names;
}

bool waitListed(const TDatabaseDialog& d) {
    QElapsedTimer t;
    t.start();
    while (!d.isListed() && t.elapsed() < 5000)
        QTest::qWait(5);
    return d.isListed();
}

// The browser as the Open command shows it, but not modal, so that the test can drive it.
struct Browser {
    std::string path;
    TDatabaseDialog dialog{client(), testApp().context(), path};

    bool open() {
        dialog.show();
        return waitListed(dialog);
    }
    void type(const QString& text) {
        dialog.list()->edit()->selectAll();
        QTest::keyClicks(dialog.list()->edit(), text);
    }
    QPushButton* ok() const { return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok); }
    QPushButton* button(const QString& text) const {
        for (QPushButton* b : dialog.findChildren<QPushButton*>())
            if (b->text() == text)
                return b;
        return nullptr;
    }
};

// The Open command as a person gives it: the browser, a part of the name, Enter.
void openByName(const QString& part) {
    static QString s_part;
    s_part = part;
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<TDatabaseDialog*>(QApplication::activeModalWidget());
        if (!d || !waitListed(*d)) {
            if (d)
                d->reject();
            return;
        }
        QTest::keyClicks(d->list()->edit(), s_part);
        QTest::keyClick(d->list()->edit(), Qt::Key_Return);
    });
    commands()->dispatch(CM_OPEN);
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestDatabase : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    QTemporaryDir m_settings;
    std::unique_ptr<QTemporaryDir> m_horo;

    QString horo(const QString& file = {}) const { return file.isEmpty() ? m_horo->path() : m_horo->filePath(file); }

    // A chart of `name` in the horoscope folder; the file name is taken from the name.
    QString writeChart(const QString& name, const QString& notes = {}) {
        RadixData r;
        setFixedText(r.name, toCp1250(name));
        setFixedText(r.horType, "radix");
        r.moment = BirthMoment(CalDate(1980, 7, 1, true), ClockTime{12, 0, 0}, GeoAngle(19, 5, 0, false),
                               GeoAngle(47, 30, 0, false), TimeGMT, 0, 0, false);
        setFixedText(r.moment.town, "Budapest, Hungary");
        r.moment.localToUniversal();
        setFixedText(r.notes, toCp1250(notes));
        const std::string file = DefaultHoroscopeFileName(toCp1250(name));
        const QString path = horo(QString::fromStdString(file));
        if (QFile::exists(path))
            QFile::remove(path);
        return WriteHoroscopeFile(path.toStdString(), state().Strings, r, ChartBlocks{}) ? path : QString();
    }

private slots:
    void initTestCase() {
        QVERIFY(startTestApp(m_folder, m_settings));
    }
    void init() {
        m_horo = std::make_unique<QTemporaryDir>();
        setFixedText(state().Options.last_directory, m_horo->path().toStdString());
        testApp().context().memory.browser.searchText.clear();
        prompts().clearRecords();
        prompts().answers.clear();
        prompts().fallback = Prompts::Answer::Yes;
    }
    void cleanup() {
        prompts().answers.clear();
        prompts().fallback = Prompts::Answer::No;
        prompts().chooseFile = nullptr;
        client()->closeAllCharts();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void equalFoldedNamesKeepTheFolderOrder() {
        // Arviz.hor, arviz.hor and ARVIZ.hor: three names that fold to the same text.
        for (const char* name : {"Zsófia", "Arviz", "Béla", "árvíz", "ARVÍZ"})
            QVERIFY(!writeChart(name).isEmpty());
        const QHash<QString, QString> person = {{"Arviz.hor", "Arviz"}, {"arviz.hor", "árvíz"}, {"ARVIZ.hor", "ARVÍZ"}};
        QStringList arviz;
        for (const QString& f : QDir(horo()).entryList(QDir::Files, QDir::Unsorted))
            if (person.contains(f))
                arviz << person[f];
        Browser b;
        QVERIFY(b.open());
        arviz << "Béla" << "Zsófia";
        QCOMPARE(rowNames(b.dialog), arviz);
        QCOMPARE(b.dialog.countersText(), QString("1 / 5 / 5"));
        QCOMPARE(b.dialog.momentText(), QString("July 1, 1980   12:00:00 GMT"));
        QCOMPARE(b.dialog.placeText(), QString("Budapest, Hungary    Long 19°05'E  Lat 47°30'N"));
        // The folder listed is the one remembered.
        QCOMPARE(QString(state().Options.last_directory.data()), horo());
    }

    void searchTexts_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("alternatives") << "buda;pest" << QStringList{"Budai Anna", "Budapesti Ádám", "Pesti Péter"};
        QTest::newRow("words in any order") << "nagy kis" << QStringList{"Kiss Nagy Éva", "Nagy Kis"};
        QTest::newRow("accents and case ignored") << "ÉVA" << QStringList{"Kiss Nagy Éva"};
        QTest::newRow("no match") << "nagy zsolt" << QStringList{};
    }
    void searchTexts() {
        QFETCH(QString, search);
        QFETCH(QStringList, names);
        for (const char* name : {"Budai Anna", "Pesti Péter", "Kiss Nagy Éva", "Nagy Kis", "Kovács Béla", "Budapesti Ádám"})
            QVERIFY(!writeChart(name).isEmpty());
        Browser b;
        QVERIFY(b.open());
        b.type(search);
        QCOMPARE(rowNames(b.dialog), names);
        QCOMPARE(b.ok()->isEnabled(), !names.isEmpty());
        QCOMPARE(b.dialog.countersText(), names.isEmpty() ? QString("--- / 0 / 6") : QString("1 / %1 / 6").arg(names.size()));
        QCOMPARE(testApp().context().memory.browser.searchText, search);
    }

    void searchTextIsKeptForTheNextOpening() {
        writeChart("Budai Anna");
        writeChart("Pesti Péter");
        {
            Browser b;
            QVERIFY(b.open());
            b.type("pest");
            b.dialog.reject();
        }
        Browser b;
        QVERIFY(b.open());
        QCOMPARE(b.dialog.list()->edit()->text(), QString("pest"));
        QCOMPARE(rowNames(b.dialog), QStringList{"Pesti Péter"});
    }

    void keysInTheSearchFieldMoveThroughTheList() {
        writeChart("Anna", "First line\r\nSecond line");
        writeChart("Bea");
        Browser b;
        QVERIFY(b.open());
        QCOMPARE(b.dialog.notesText(), QString("First line\nSecond line"));
        QTest::keyClick(b.dialog.list()->edit(), Qt::Key_Down);
        QCOMPARE(b.dialog.list()->currentRow(), 1);
        QCOMPARE(b.dialog.countersText(), QString("2 / 2 / 2"));
        QCOMPARE(b.dialog.notesText(), QString());
    }

    void deleteSelectsTheEntryAtTheSamePlace_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("selectedAfter");
        QTest::addColumn<QString>("counters");
        QTest::newRow("middle") << QStringList{"Anna", "Bea", "Cecil"} << 1 << 1 << "2 / 2 / 2";
        QTest::newRow("last") << QStringList{"Anna", "Bea", "Cecil"} << 2 << 1 << "2 / 2 / 2";
        QTest::newRow("only") << QStringList{"Anna"} << 0 << -1 << "--- / 0 / 0";
    }
    void deleteSelectsTheEntryAtTheSamePlace() {
        QFETCH(QStringList, names);
        QFETCH(int, row);
        QFETCH(int, selectedAfter);
        QFETCH(QString, counters);
        for (const QString& n : names)
            writeChart(n);
        Browser b;
        QVERIFY(b.open());
        b.dialog.list()->setCurrentRow(row);
        const QString file = horo(names[row] + ".hor");
        b.dialog.DeleteSelected();
        QCOMPARE(prompts().questionCaptions, QStringList{"Delete Horoscope"});
        QCOMPARE(prompts().questions.first(), QString("Delete horoscope\n%1,  radix;   %1.hor?").arg(names[row]));
        QVERIFY(!QFile::exists(file));
        QCOMPARE(b.dialog.list()->count(), names.size() - 1);
        QCOMPARE(b.dialog.list()->currentRow(), selectedAfter);
        QCOMPARE(b.dialog.countersText(), counters);
        QCOMPARE(b.ok()->isEnabled(), selectedAfter >= 0);
        QCOMPARE(b.button("&Delete...")->isEnabled(), selectedAfter >= 0);
        if (selectedAfter < 0) {
            QCOMPARE(b.dialog.momentText(), QString());
            QCOMPARE(b.dialog.notesText(), QString());
        } else {
            QCOMPARE(fromCp1250(b.dialog.list()->entry(selectedAfter)->name), names[selectedAfter + (selectedAfter >= row)]);
        }
    }

    void deleteAnsweredNoOrFailingKeepsTheList() {
        writeChart("Anna");
        writeChart("Bea");
        Browser b;
        QVERIFY(b.open());
        prompts().answers = {Prompts::Answer::No};
        b.dialog.DeleteSelected();
        QVERIFY(QFile::exists(horo("Anna.hor")));
        QCOMPARE(b.dialog.list()->count(), 2);

        // A folder where the file was cannot be deleted like a file.
        prompts().clearRecords();
        QVERIFY(QFile::remove(horo("Anna.hor")));
        QVERIFY(QDir(horo()).mkpath("Anna.hor/inside"));
        b.dialog.DeleteSelected();
        QCOMPARE(prompts().messages.last(), QString("Failed to delete horoscope"));
        QCOMPARE(b.dialog.list()->count(), 2);
        QCOMPARE(b.dialog.list()->currentRow(), 0);
    }

    void staleFileIsRefusedByOk() {
        const QString file = writeChart("Anna");
        writeChart("Bea");
        Browser b;
        QVERIFY(b.open());
        QVERIFY(QFile::remove(file));
        b.ok()->click();
        QCOMPARE(toldCaptions(), QStringList{"Error"});
        QCOMPARE(prompts().errors, QStringList{"File is not found or corrupt"});
        QVERIFY(b.dialog.isVisible());
        QCOMPARE(b.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(b.dialog.momentText(), QString("File is not found or corrupt"));
        QVERIFY(b.path.empty());

        // The next entry is fine.
        b.dialog.list()->setCurrentRow(1);
        b.ok()->click();
        QCOMPARE(b.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(b.path), horo("Bea.hor"));
    }

    void doubleClickConfirms() {
        writeChart("Anna");
        Browser b;
        QVERIFY(b.open());
        QListView* view = b.dialog.list()->list();
        const QRect item = view->visualRect(view->model()->index(0, 0));
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, item.center());
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, item.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, item.center());
        QCOMPARE(b.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(b.path), horo("Anna.hor"));
    }

    void changeFolderListsAndRemembersTheChosenOne() {
        writeChart("Anna");
        QTemporaryDir other;
        const QString first = horo();
        Browser b;
        QVERIFY(b.open());
        prompts().chooseFile = [](const FakePrompts::FileRequest&) { return QString(); };
        b.button("&Change...")->click();
        QCOMPARE(QString::fromStdString(b.dialog.folder()), first);  // cancelled: nothing changes

        static QString s_chosen;
        s_chosen = other.path() + "/";
        QFile::copy(horo("Anna.hor"), other.filePath("copy.hor"));
        QFile::copy(horo("Anna.hor"), other.filePath("copy2.hor"));
        prompts().chooseFile = [](const FakePrompts::FileRequest& r) {
            return r.kind == FakePrompts::FileKind::Folder ? s_chosen : QString();
        };
        b.button("&Change...")->click();
        QVERIFY(b.dialog.isListed());
        QCOMPARE(QString::fromStdString(b.dialog.folder()), other.path());
        QCOMPARE(QString(state().Options.last_directory.data()), other.path());
        QCOMPARE(b.dialog.countersText(), QString("1 / 2 / 2"));

        // Refresh sees what changed meanwhile.
        QFile::remove(other.filePath("copy2.hor"));
        b.button("&Refresh")->click();
        QCOMPARE(b.dialog.countersText(), QString("1 / 1 / 1"));
    }

    void folderThatCannotBeReadGivesAnEmptyList() {
        setFixedText(state().Options.last_directory, (horo() + "/missing").toStdString());
        Browser b;
        QVERIFY(b.open());
        QCOMPARE(b.dialog.list()->count(), 0);
        QCOMPARE(b.dialog.countersText(), QString("--- / 0 / 0"));
        QCOMPARE(b.dialog.momentText(), QString("This folder cannot be read."));
        QVERIFY(!b.ok()->isEnabled());
    }

    void openCommandOpensTheChosenChart() {
        writeChart("Anna");
        writeChart("Bea");
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<TDatabaseDialog*>(QApplication::activeModalWidget());
            if (!d || !waitListed(*d)) {
                if (d)
                    d->reject();
                return;
            }
            QTest::keyClicks(d->list()->edit(), "be");
            QTest::keyClick(d->list()->edit(), Qt::Key_Return);
        });
        commands()->dispatch(CM_OPEN);
        QCOMPARE(client()->charts().size(), 1);
        QCOMPARE(fromCp1250(client()->charts().first()->chart().name.data()), QString("Bea"));
        QCOMPARE(client()->charts().first()->path(), horo("Bea.hor"));
    }

    void openCommandReportsAFileRemovedInBetween() {
        const QString file = writeChart("Anna");
        static QString s_file;
        s_file = file;
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<TDatabaseDialog*>(QApplication::activeModalWidget());
            if (!d || !waitListed(*d)) {
                if (d)
                    d->reject();
                return;
            }
            // The file goes after the browser has checked it.
            QObject::connect(d, &QDialog::accepted, [] { QFile::remove(s_file); });
            d->accept();
        });
        commands()->dispatch(CM_OPEN);
        QVERIFY(client()->charts().isEmpty());
        QCOMPARE(toldCaptions(), QStringList{"Error"});
        QCOMPARE(prompts().errors, QStringList{"The file " + file + " cannot be read."});
    }

    // A file cut short or holding a date no one could enter is no chart: the browser says what
    // is wrong with it, OK refuses it, and the file stays as it was.
    void damagedFilesAreRefusedSayingWhatIsWrong_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("cut to 100 bytes") << "Cut" << "it is cut short in the birth data (the file has 100 bytes, 174 are needed)";
        QTest::newRow("month 13") << "Month" << "the birth date (UT) holds 1980-13-01, which cannot be entered";
    }
    void damagedFilesAreRefusedSayingWhatIsWrong() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        const QString file = writeChart(name);
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite));
            if (name == "Cut") {
                QVERIFY(f.resize(100));
            } else {
                f.seek(86 + 3);
                f.write("\x0D", 1);
            }
        }
        const QByteArray before = [&] { QFile f(file); f.open(QIODevice::ReadOnly); return f.readAll(); }();
        {
            Browser b;
            QVERIFY(b.open());
            QCOMPARE(rowNames(b.dialog), QStringList{name});
            QCOMPARE(b.dialog.momentText(), "Damaged file: " + reason);
            QTest::keyClick(b.dialog.list()->edit(), Qt::Key_Return);
            QVERIFY(b.dialog.isVisible());
        }
        const QString message = "The horoscope file " + file + " is damaged and was not opened: " + reason + ".";
        QCOMPARE(prompts().errors, QStringList{message});

        // Damaged after the browser let it go: the Open command refuses it with the same words.
        prompts().clearRecords();
        static QString s_file;
        static QByteArray s_good;
        s_file = file;
        s_good = before;
        {
            // A good file for the browser, then the damage.
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            RadixData r;
            setFixedText(r.name, toCp1250(name));
            setFixedText(r.horType, "radix");
            r.moment = BirthMoment(CalDate(1980, 7, 1, true), ClockTime{12, 0, 0}, GeoAngle(), GeoAngle(), TimeGMT, 0, 0,
                                   false);
            f.write(QByteArray::fromStdString(serializeHoroscopeFile(state().Strings, r, ChartBlocks{})));
        }
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<TDatabaseDialog*>(QApplication::activeModalWidget());
            if (!d || !waitListed(*d)) {
                if (d)
                    d->reject();
                return;
            }
            QObject::connect(d, &QDialog::accepted, [] {
                QFile f(s_file);
                f.open(QIODevice::WriteOnly);
                f.write(s_good);
            });
            d->accept();
        });
        commands()->dispatch(CM_OPEN);
        QVERIFY(client()->charts().isEmpty());
        QCOMPARE(toldCaptions(), QStringList{"Error"});
        QCOMPARE(prompts().errors, QStringList{message});
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void browserCountsTheFilesItSkips() {
        writeChart("Anna");
        QFile text(horo("notes.hor"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a chart\n");
        text.close();
        Browser b;
        QVERIFY(b.open());
        QCOMPARE(rowNames(b.dialog), QStringList{"Anna"});
        QCOMPARE(b.dialog.skippedText(), QString("Skipped, not horoscope files: 1"));
    }

    // One file, one window: opening it again shows the window it is in.
    void openingAnOpenFileActivatesItsWindow() {
        writeChart("Anna");
        writeChart("Bea");
        openByName("anna");
        TRadixWindow* anna = client()->activeChart();
        QVERIFY(anna);
        openByName("bea");
        QCOMPARE(client()->charts().size(), 2);
        QVERIFY(client()->activeChart() != anna);
        openByName("anna");
        QCOMPARE(client()->charts().size(), 2);
        QCOMPARE(client()->activeChart(), anna);
        QVERIFY(prompts().told.isEmpty());
    }

    // What another window or program wrote to the file after this window read it is not
    // overwritten unasked: No keeps it (and the chart stays unsaved), Yes replaces it.
    void savingOverAFileChangedOnDiskAsksFirst() {
        const QString file = writeChart("Anna");
        openByName("anna");
        TRadixWindow* older = client()->activeChart();
        QVERIFY(older);

        RadixData newer = older->chart();
        setFixedText(newer.moment.town, "Szeged");
        ChartBlocks withEvent;
        withEvent.lifeEvents.count = 1;
        setFixedText(withEvent.lifeEvents.events[0].name, "Wedding");
        withEvent.lifeEvents.events[0].date = CalDate(2005, 6, 1, true);
        const auto writeNewer = [&] {
            QVERIFY(WriteHoroscopeFile(file.toStdString(), state().Strings, newer, withEvent));
        };
        writeNewer();
        const QByteArray newerBytes = fileBytes(file);

        const auto askedOverwrite = [] {
            return int(std::count_if(prompts().questions.begin(), prompts().questions.end(),
                                     [](const QString& q) { return q.contains("changed on disk"); }));
        };
        older->chartChanged();
        prompts().answers = {Prompts::Answer::No};
        QVERIFY(!older->save());
        QCOMPARE(askedOverwrite(), 1);
        QCOMPARE(fileBytes(file), newerBytes);
        QVERIFY(older->isModified());

        prompts().answers = {Prompts::Answer::Yes};
        QVERIFY(older->save());
        QCOMPARE(askedOverwrite(), 2);
        QVERIFY(fileBytes(file) != newerBytes);
        QVERIFY(!older->isModified());

        older->chartChanged();
        QVERIFY(older->save());
        QCOMPARE(askedOverwrite(), 2);  // its own last save: nothing to ask

        // Through the close prompt: Yes to saving, No to replacing keeps the window open.
        writeNewer();
        older->chartChanged();
        prompts().answers = {Prompts::Answer::Yes, Prompts::Answer::No};
        QVERIFY(!older->close());
        QCOMPARE(askedOverwrite(), 3);
        QCOMPARE(fileBytes(file), newerBytes);
        QCOMPARE(client()->charts().size(), 1);
    }

    void savingAChartDiscardsTheListing() {
        writeChart("Anna");
        {
            Browser b;
            QVERIFY(b.open());
        }
        QCOMPARE(testApp().context().memory.browser.listing.found(), std::size_t(1));  // kept between openings
        auto* w = TRadixWindow::fromFile(testApp().context(), horo("Anna.hor"));
        QVERIFY(w);
        client()->addChart(w);
        QVERIFY(w->save());
        QCOMPARE(testApp().context().memory.browser.listing.found(), std::size_t(0));
        QVERIFY(testApp().context().memory.browser.listing.folder.empty());
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestDatabase test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_database.moc"
