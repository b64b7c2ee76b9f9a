// F1 opens the manual of the program's language; the desktop's viewer is replaced by a handler
// that records the request.
#include <QtTest>
#include <QDesktopServices>

#include "CommandIds.h"
#include "CommandTable.h"
#include "ProgramFolderFixture.h"
#include "TestApp.h"

class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class TestManual : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(startTestApp(m_folder, m_settings));
        QDesktopServices::setUrlHandler("file", &m_opened, "open");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("file"); }
    void init() {
        m_opened.urls.clear();
        reportedErrors() = {};
        QDir(m_folder.path()).mkpath("doc");
    }
    void cleanup() {
        QDir(m_folder.filePath("doc")).removeRecursively();
        testApp().applyLanguage(LanguageEnglish);
    }

    void f1OpensTheManualOfTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("file");
        QTest::newRow("english") << int(LanguageEnglish) << "doc/ZODIKEON.PDF";
        QTest::newRow("hungarian") << int(LanguageHungarian) << "doc/ZODIKEON_HU.PDF";
    }
    void f1OpensTheManualOfTheLanguage() {
        QFETCH(int, language);
        QFETCH(QString, file);
        for (const char* name : {"doc/ZODIKEON.PDF", "doc/ZODIKEON_HU.PDF"})
            QVERIFY(writeFile(m_folder.filePath(name)));
        testApp().SwitchLanguage(std::uint16_t(language));
        testFrame().commands()->dispatch(CM_MANUAL);
        QCOMPARE(m_opened.urls.size(), 1);
        QCOMPARE(QFileInfo(m_opened.urls.first().toLocalFile()).canonicalFilePath(),
                 QFileInfo(m_folder.filePath(file)).canonicalFilePath());
        QVERIFY(reportedErrors().texts.isEmpty());
    }

    // Only the other language's manual is there: the user is told which file is missing, in
    // their language, and no viewer is started on a file that is not there.
    void missingManualIsReported_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("present");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("wording");
        QTest::newRow("english") << int(LanguageEnglish) << "doc/ZODIKEON_HU.PDF" << "ZODIKEON.PDF" << "manual cannot be opened";
        QTest::newRow("hungarian") << int(LanguageHungarian) << "doc/ZODIKEON.PDF" << "ZODIKEON_HU.PDF" << "nem található";
    }
    void missingManualIsReported() {
        QFETCH(int, language);
        QFETCH(QString, present);
        QFETCH(QString, missing);
        QFETCH(QString, wording);
        QVERIFY(writeFile(m_folder.filePath(present)));
        testApp().SwitchLanguage(std::uint16_t(language));
        testFrame().commands()->dispatch(CM_MANUAL);
        QVERIFY(m_opened.urls.isEmpty());
        QCOMPARE(reportedErrors().texts.size(), 1);
        QVERIFY2(reportedErrors().texts.first().contains(missing), qPrintable(reportedErrors().texts.first()));
        QVERIFY2(reportedErrors().texts.first().contains(wording), qPrintable(reportedErrors().texts.first()));
    }

private:
    static bool writeFile(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write("%PDF-1.4\n") > 0;
    }

    QTemporaryDir m_folder, m_settings;
    OpenedUrls m_opened;
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestManual test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_manual.moc"
