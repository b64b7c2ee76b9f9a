// A real print: a private CUPS server with a cups-pdf queue, the Print command printing a
// chart on it, and the PDF that the queue produced read back. Skipped, saying why, where CUPS
// cannot run (no cupsd, no cups-pdf, not root).
#include <QtTest>
#include <QCheckBox>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <cerrno>
#include <csignal>
#include <unistd.h>

#include "CommandIds.h"
#include "DialogDriver.h"
#include "FixedText.h"
#include "ProgramFolderFixture.h"
#include "TestApp.h"
#include "CommandTable.h"
#include "AppContext.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TRadixWindow.h"

namespace {

const QString CupsPdfBackend = "/usr/lib/cups/backend/cups-pdf";
const QString CupsPdfPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd";

RadixData person() {
    RadixData r;
    setFixedText(r.name, "Queue Test");
    setFixedText(r.horType, "radix");
    r.moment = BirthMoment(CalDate(1980, 7, 1, true), ClockTime{12, 0, 0}, GeoAngle(19, 5, 0, false),
                           GeoAngle(47, 30, 0, false), TimeGMT, 0, 0, false);
    r.moment.localToUniversal();
    return r;
}

bool writeFile(const QString& path, const QString& text) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) == text.toUtf8().size();
}

// The queue's settings file in the system's CUPS folder: removed when the test ends, however
// it ends (a failed check, a skip, an exception). Those of earlier runs that were killed
// outright (their process is gone) are removed before a new one is written.
class QueueSettingsFile {
public:
    QueueSettingsFile() = default;
    QueueSettingsFile(const QueueSettingsFile&) = delete;
    QueueSettingsFile& operator=(const QueueSettingsFile&) = delete;
    ~QueueSettingsFile() { remove(); }

    static QString pathFor(const QString& queue) { return QString("%1/cups-pdf-%2.conf").arg(Folder, queue); }
    static QString queueFor(qint64 pid) { return QString("%1%2").arg(QueuePrefix).arg(pid); }

    bool write(const QString& queue, const QString& text) {
        removeLeftovers();
        m_path = pathFor(queue);
        return writeFile(m_path, text);
    }
    void remove() {
        if (!m_path.isEmpty())
            QFile::remove(m_path);
        m_path.clear();
    }
    const QString& path() const { return m_path; }

private:
    static constexpr const char* Folder = "/etc/cups";  // cups-pdf reads a queue's settings from here only
    static constexpr const char* QueuePrefix = "zdktest";

    static void removeLeftovers() {
        const QString prefix = QString("cups-pdf-%1").arg(QueuePrefix);
        for (const QFileInfo& f : QDir(Folder).entryInfoList({prefix + "*.conf"}, QDir::Files)) {
            bool ok = false;
            const qint64 pid = f.completeBaseName().mid(prefix.size()).toLongLong(&ok);
            if (ok && pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
                QFile::remove(f.filePath());
        }
    }

    QString m_path;
};

}  // namespace

class TestCupsPrint : public QObject {
    Q_OBJECT
    QTemporaryDir m_cups;
    QTemporaryDir m_folder;
    QTemporaryDir m_settings;
    QProcess m_cupsd;
    QString m_queue;
    QueueSettingsFile m_queueConfig;

    QString startCups() {
        const QString cupsd = QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/sbin"});
        const QString lpadmin = QStandardPaths::findExecutable("lpadmin", {"/usr/sbin", "/sbin"});
        if (cupsd.isEmpty() || lpadmin.isEmpty())
            return "cupsd or lpadmin is not installed (Debian package cups)";
        if (!QFile::exists(CupsPdfBackend) || !QFile::exists(CupsPdfPpd))
            return "the cups-pdf queue driver is not installed (Debian package printer-driver-cups-pdf)";
        if (geteuid() != 0)
            return "cupsd and the cups-pdf back end need root to run";
        const QString t = m_cups.path();
        QDir root(t);
        for (const char* d : {"etc/ppd", "spool/tmp", "cache", "state", "log", "out"})
            root.mkpath(d);
        QFile::setPermissions(t, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                     QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        const QString socket = t + "/cups.sock";
        const QString conf = QString("Listen %1\nLogLevel warn\nWebInterface No\nBrowsing No\nDefaultAuthType None\n"
                                     "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                     "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                                 .arg(socket);
        const QString files = QString("ServerRoot %1/etc\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
                                      "StateDir %1/state\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                      "PageLog %1/log/page_log\nUser lp\nGroup lp\nSystemGroup root lpadmin\n"
                                      "Sandboxing Relaxed\n")
                                  .arg(t);
        if (!writeFile(t + "/cupsd.conf", conf) || !writeFile(t + "/etc/cupsd.conf", conf) ||
            !writeFile(t + "/cups-files.conf", files))
            return "cannot write the CUPS configuration";
        m_queue = QueueSettingsFile::queueFor(getpid());
        if (!m_queueConfig.write(m_queue, QString("Out %1/out\nAnonDirName %1/out\nLabel 0\n").arg(t)))
            return "cannot write the queue's settings " + QueueSettingsFile::pathFor(m_queue);
        m_cupsd.start(cupsd, {"-f", "-c", t + "/cupsd.conf", "-s", t + "/cups-files.conf"});
        if (!m_cupsd.waitForStarted(5000))
            return "cupsd does not start: " + m_cupsd.errorString();
        qputenv("CUPS_SERVER", socket.toLocal8Bit());
        QDeadlineTimer deadline(15000);
        while (!deadline.hasExpired()) {
            if (m_cupsd.state() != QProcess::Running)
                return "cupsd ended at once: " + QString::fromLocal8Bit(m_cupsd.readAllStandardError());
            if (QFile::exists(socket)) {
                QProcess admin;
                admin.start(lpadmin, {"-p", m_queue, "-E", "-v", "cups-pdf:/" + m_queue, "-P", CupsPdfPpd});
                if (admin.waitForFinished(10000) && admin.exitCode() == 0)
                    return {};
            }
            QThread::msleep(200);
        }
        return "the CUPS server did not accept the cups-pdf queue in time";
    }

private slots:
    void initTestCase() {
        const QString why = startCups();
        if (!why.isEmpty())
            QSKIP(qPrintable("no CUPS print queue: " + why));
        QVERIFY(startTestApp(m_folder, m_settings));
    }
    void cleanupTestCase() {
        TRadixWindow::askSave = [](QWidget*, const QString&) { return int(QMessageBox::No); };
        if (testApp().frame())
            client()->closeAllCharts();
        TRadixWindow::askSave = nullptr;
        if (m_cupsd.state() == QProcess::Running) {
            m_cupsd.terminate();
            if (!m_cupsd.waitForFinished(10000))
                m_cupsd.kill();
        }
        m_queueConfig.remove();
    }

    void printCommandPrintsEveryPageOnTheQueue() {
        const PrinterList& printers = testApp().context().printers;
        const int index = static_cast<int>(printers.names.indexOf(m_queue));
        QVERIFY2(index >= 0, qPrintable("the printer list lacks the queue: " + printers.names.join(", ")));
        client()->addChart(TRadixWindow::fromData(testApp().context(), person(), ChartBlocks{}));
        DialogScript script;
        script.steps << [&](QDialog& d) {
            for (int entry = 109; entry <= 116; ++entry)
                field<QCheckBox>(d, QStringLiteral("page%1").arg(entry).toLatin1().constData())->setChecked(true);
            choose(d, "printer", index);
            return press(d);
        };
        script.install();
        testFrame().commands()->dispatch(CM_PRINT);
        QVERIFY(script.allRun());
        QVERIFY2(script.errors.isEmpty(), qPrintable(script.errors.join("; ")));

        // The queue converts the job and cups-pdf writes the PDF into the output folder.
        const QDir out(m_cups.filePath("out"));
        QStringList pdfs;
        QDeadlineTimer deadline(60000);
        while (!deadline.hasExpired() && pdfs.isEmpty()) {
            QThread::msleep(250);
            pdfs = out.entryList({"*.pdf"}, QDir::Files);
        }
        QVERIFY2(!pdfs.isEmpty(), "the queue produced no PDF within a minute");
        // The file is complete once the server counts the job as done: cups-pdf has then
        // written it and ended (a pause in the writing on a busy machine is no end).
        const QString pdf = out.filePath(pdfs.first());
        const auto jobPending = [&] {
            QProcess lpstat;
            lpstat.start("lpstat", {"-o", m_queue});
            return !lpstat.waitForFinished(10000) || lpstat.exitCode() != 0 || !lpstat.readAllStandardOutput().trimmed().isEmpty();
        };
        while (!deadline.hasExpired() && jobPending())
            QThread::msleep(250);
        QVERIFY2(!jobPending(), "the queue did not finish the job within a minute");
        QProcess info;
        info.start("pdfinfo", {pdf});
        QVERIFY2(info.waitForFinished(20000) && info.exitCode() == 0, "pdfinfo (poppler-utils) cannot read the PDF");
        const QString text = QString::fromLocal8Bit(info.readAllStandardOutput());
        QVERIFY2(text.contains(QRegularExpression("Pages:\\s+5\\n")), qPrintable(text));
    }

private:
    static TAstroClient* client() { return testFrame().client(); }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestCupsPrint test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_cupsprint.moc"
