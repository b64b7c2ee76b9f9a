// The Import charts command, the browser's Export and Export open charts, driven through
// scripted prompts: the files chosen, the charts written, the report, the errors.
#include <QtTest>
#include <QLineEdit>
#include <QPushButton>

#include "CommandIds.h"
#include "CommandTable.h"
#include "FakePrompts.h"
#include "FixedText.h"
#include "ProgramFolderFixture.h"
#include "QtText.h"
#include "TAstroApp.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TDatabaseDialog.h"
#include "TExchangeReportDialog.h"
#include "TestApp.h"
#include "THoroComboBox.h"

namespace {

CommandTable* commands() { return testFrame().commands(); }
AppState& state() { return testApp().state(); }

const char* const Collection =
    "#A93:Kiss,\xC3\x89va,f,12.4.1975,6:30,Budapest,Hungary\n"
    "#B93:*,47n29:55,19e02:25,1he00,1\n"
    "#A93:Nowhere,Ned,m,1.1.2000,12:00,*,*\n"
    "#B93:*,*,*,1he00,0\n"
    "#A93:Smith,John,m,4.7.1976,23:10,New York,USA\n"
    "#B93:*,40n43,74w00,5hw00,1\n";

// Prompts that hand out the given files and folders in order and keep the report shown.
struct ExchangeScript : FakePrompts {
    QStringList files;
    QString summary;
    QStringList lines;

    ExchangeScript() {
        fallback = Answer::Cancel;
        chooseFile = [this](const FileRequest&) { return files.isEmpty() ? QString() : files.takeFirst(); };
        steps << [this](QDialog& d) {
            auto* report = qobject_cast<TExchangeReportDialog*>(&d);
            if (report) {
                summary = report->summary();
                lines = report->lines();
            }
            return int(QDialog::Accepted);
        };
        install();
    }
};

}  // namespace

class TestExchange : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    QTemporaryDir m_settings;

    QString writeFile(const QString& name, const QByteArray& bytes) {
        QFile f(QDir(m_folder.path()).filePath(name));
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(bytes);
        return f.fileName();
    }

private slots:
    void initTestCase() { QVERIFY(startTestApp(m_folder, m_settings)); }

    void importWritesTheChartsAndReportsTheRefusedRecords() {
        const QString file = writeFile("in.aaf", Collection);
        const QString folder = QDir(m_folder.path()).filePath("imported");
        QVERIFY(QDir().mkpath(folder));
        ExchangeScript script;
        script.files = {file, folder};
        commands()->dispatch(CM_IMPORTCHARTS);
        QVERIFY(script.allRun());
        QCOMPARE(script.fileRequests.size(), 2);
        QCOMPARE(script.fileRequests[0].caption, QString("Import Charts: Choose an AAF or CSV File"));
        QVERIFY(script.fileRequests[0].filter.startsWith("Chart Exchange Files (*.aaf *.csv)"));
        QCOMPARE(script.summary, QString("2 chart(s) written to %1").arg(folder));
        QCOMPARE(script.lines, (QStringList{"1 record(s) refused:", "  Line 3: neither coordinates nor a birthplace"}));
        QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name),
                 (QStringList{"Kiss,_Eva.hor", "Smith,_John.hor"}));
        // The browser opens on the new charts.
        QCOMPARE(QString(fixedText(state().Options.last_directory).data()).left(folder.size()), folder);
    }

    void importErrorsAreToldAndNothingIsWritten() {
        const QString folder = QDir(m_folder.path()).filePath("empty");
        QVERIFY(QDir().mkpath(folder));
        const struct {
            const char* file;
            QByteArray bytes;
            QString error;
        } rows[] = {
            {"empty.aaf", "", "holds no record that could be imported."},
            {"nohead.csv", "a,b\n1,2\n", "has no header row"},
            {"notes.txt", Collection, "is neither an AAF file (.aaf) nor a CSV file (.csv)."},
        };
        for (const auto& row : rows) {
            ExchangeScript script;
            script.steps.clear();
            script.files = {writeFile(row.file, row.bytes), folder};
            commands()->dispatch(CM_IMPORTCHARTS);
            QCOMPARE(script.errors.size(), 1);
            QVERIFY2(script.errors[0].contains(row.error), qPrintable(script.errors[0]));
        }
        QVERIFY(QDir(folder).entryList(QDir::Files).isEmpty());
        // Cancelling the file chooser does nothing.
        ExchangeScript cancelled;
        cancelled.steps.clear();
        commands()->dispatch(CM_IMPORTCHARTS);
        QCOMPARE(cancelled.fileRequests.size(), 1);
        QVERIFY(cancelled.errors.isEmpty());
    }

    void browserExportsTheChartsItLists() {
        const QString folder = QDir(m_folder.path()).filePath("imported");
        setFixedText(state().Options.last_directory, folder.toStdString());
        const QString out = QDir(m_folder.path()).filePath("kiss.csv");
        ExchangeScript script;
        script.steps.clear();
        script.files = {out};
        std::string path;
        TDatabaseDialog dialog(testFrame().client(), testApp().context(), path);
        dialog.show();
        QTRY_VERIFY(dialog.isListed());
        auto* exportButton = dialog.findChild<QPushButton*>("export");
        QVERIFY(exportButton && exportButton->isEnabled());
        dialog.list()->edit()->selectAll();
        QTest::keyClicks(dialog.list()->edit(), "kiss");
        QCOMPARE(dialog.list()->count(), 1);
        exportButton->click();
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList rows = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 2);
        QVERIFY2(rows[1].startsWith("\"Kiss, \u00C9va\",radix,f,1975-04-12,gregorian,6:30,+2:00,47.49861111,19.04027778,"),
                 qPrintable(rows[1]));
        dialog.reject();
    }

    void exportOpenChartsNeedsAChart() {
        testFrame().client()->closeAllCharts();
        commands()->updateActions();
        QVERIFY(!commands()->action(CM_EXPORTCHARTS)->isEnabled());
        QVERIFY(commands()->action(CM_IMPORTCHARTS)->isEnabled());
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestExchange test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_exchange.moc"
