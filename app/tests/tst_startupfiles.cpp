#include <QtTest>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QSettings>
#include <thread>

#include "FixedText.h"
#include "HoroscopeFile.h"
#include "ProgramFolderFixture.h"
#include "QtText.h"
#include "RadixData.h"
#include "SingleInstance.h"
#include "StartupFiles.h"
#include "TAstroApp.h"
#include "TAstroClient.h"
#include "TAstroFrame.h"
#include "TDatabaseDialog.h"
#include "TIntroWindow.h"
#include "TRadixWindow.h"

namespace {

QStringList g_messages;


}  // namespace

class TestStartupFiles : public QObject {
    Q_OBJECT
public:
    explicit TestStartupFiles(TAstroApp& app) : m_app(app) {}

private:
    TAstroApp& m_app;
    QTemporaryDir m_folder;
    QTemporaryDir m_settings;
    QString m_chart;

    TAstroClient& client() { return *m_app.frame()->client(); }
    const StringTable& strings() { return m_app.state().Strings; }
    QString notFound(const QString& file) { return fromCp1250(strings()[872]) + "\n" + file; }

private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        QVERIFY(makeProgramFolder(m_folder));
        m_app.context().errors.setSink([](const QString&, const QString& text) { g_messages << text; });
        QVERIFY(m_app.start(m_folder.path()));
        m_app.applyLanguage(LanguageEnglish);

        RadixData r;
        setFixedText(r.name, "Anna");
        setFixedText(r.horType, "radix");
        r.moment = BirthMoment(CalDate(1980, 7, 1, true), ClockTime{12, 0, 0}, GeoAngle(19, 5, 0, false),
                               GeoAngle(47, 30, 0, false), TimeGMT, 0, 0, false);
        m_chart = m_folder.path() + "/horo/Anna.hor";
        QVERIFY(WriteHoroscopeFile(m_chart.toStdString(), strings(), r, ChartBlocks{}));
    }
    void cleanup() {
        client().closeAllCharts();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        g_messages.clear();
    }

    void argumentsBecomeAbsoluteFiles_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("relative and absolute") << QStringList{"Anna.hor", "../b/Bela.hor", "/c/Cili.hor"}
                                               << QStringList{"/work/here/Anna.hor", "/work/b/Bela.hor", "/c/Cili.hor"};
        QTest::newRow("options are no files") << QStringList{"-style", "--reverse", "Anna.hor"}
                                              << QStringList{"/work/here/Anna.hor"};
        QTest::newRow("after -- everything is a file") << QStringList{"--", "-odd.hor"}
                                                       << QStringList{"/work/here/-odd.hor"};
        QTest::newRow("file URL from a file manager")
            << QStringList{"file:///home/anna/horo/T%C3%BCnde%20K.hor", "https://example.org/x.hor"}
            << QStringList{QString::fromUtf8("/home/anna/horo/Tünde K.hor")};
        QTest::newRow("none") << QStringList{} << QStringList{};
    }
    void argumentsBecomeAbsoluteFiles() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, files);
        QCOMPARE(startupFileArguments(arguments, "/work/here"), files);
    }

    void eachFileOpensOrIsReportedLikeOpen() {
        const QString missing = m_folder.path() + "/horo/Missing.hor";
        const QString broken = m_folder.path() + "/horo/Broken.hor";
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("ZODIKEON v9.9 Horoscope File\r\n");
        f.close();
        // A chart cut short in its notes: the message says where, as the Open command does.
        const QString cut = m_folder.path() + "/horo/Cut.hor";
        QVERIFY(QFile::copy(m_chart, cut));
        QVERIFY(QFile::resize(cut, QFileInfo(m_chart).size() - 10));
        const auto openMessage = [&](const QString& file) {
            QString error;
            delete TRadixWindow::fromFile(m_app.context(), file, &error);
            return error;
        };
        const QStringList expected{openMessage(missing), openMessage(broken), openMessage(cut)};
        openStartupFiles(*m_app.frame(), m_app.context(), {m_chart, missing, broken, cut, m_chart});
        QCOMPARE(client().charts().size(), 1);  // a file already open is not opened twice
        QCOMPARE(client().charts().first()->path(), m_chart);
        QCOMPARE(g_messages, expected);
        for (int i = 0; i < expected.size(); ++i) {
            QVERIFY2(expected[i].contains(QFileInfo(QStringList{missing, broken, cut}[i]).fileName()), qPrintable(expected[i]));
            QVERIFY(expected[i] != notFound(QStringList{missing, broken, cut}[i]));
        }
        QVERIFY2(expected[2].contains("cut short"), qPrintable(expected[2]));
        QVERIFY(!client().intro() || !client().intro()->isVisible());
    }

    void secondStartHandsItsFilesToTheRunningFrame() {
        QTemporaryDir runtime;
        const QString socket = runtime.filePath("zodikeon-test");
        SingleInstance running(socket);
        QVERIFY(running.listen());
        running.setHandler([this](const QStringList& files) { openForwardedFiles(*m_app.frame(), m_app.context(), files); });

        std::atomic<int> forwarded{-1};
        std::thread second([&] { forwarded = SingleInstance(socket).forwardToRunning({m_chart}) ? 1 : 0; });
        QTRY_COMPARE(forwarded.load(), 1);
        second.join();
        QTRY_COMPARE(client().charts().size(), 1);
        QCOMPARE(client().charts().first()->path(), m_chart);
    }

    void filesArrivingBeforeTheFrameIsReadyWait() {
        QTemporaryDir runtime;
        const QString socket = runtime.filePath("zodikeon-test");
        SingleInstance running(socket);
        QVERIFY(running.listen());
        std::atomic<int> forwarded{-1};
        std::thread second([&] { forwarded = SingleInstance(socket).forwardToRunning({m_chart}) ? 1 : 0; });
        QTRY_COMPARE(forwarded.load(), 1);
        second.join();
        QStringList received;
        running.setHandler([&](const QStringList& files) { received += files; });
        QCOMPARE(received, QStringList{m_chart});
    }

    void noRunningProgram_theStartGoesOnAndReplacesAStaleSocket() {
        QTemporaryDir runtime;
        const QString socket = runtime.filePath("zodikeon-test");
        SingleInstance first(socket);
        QVERIFY(!first.forwardToRunning({m_chart}, 1000));
        QFile stale(socket);  // left behind by a program that crashed
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        QVERIFY(!first.forwardToRunning({m_chart}, 1000));
        QVERIFY(first.listen());
    }

    void eachProgramFolderHasASocketOfItsOwn() {
        QVERIFY(SingleInstance::socketPath("/home/anna/.local/share/zodikeon") !=
                SingleInstance::socketPath("/home/bela/.local/share/zodikeon"));
        QCOMPARE(SingleInstance::socketPath("/home/anna/.local/share/zodikeon"),
                 SingleInstance::socketPath("/home/anna/.local/share/zodikeon"));
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestStartupFiles test(app);
    return QTest::qExec(&test, argc, argv);
}
#include "tst_startupfiles.moc"
