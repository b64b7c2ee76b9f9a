// F1 opens the manual of the program's language; the desktop's opener is replaced by one that
// records the request and says whether a program took it.
#include <QtTest>

#include "CommandIds.h"
#include "CommandTable.h"
#include "ProgramFolderFixture.h"
#include "TestApp.h"

class TestManual : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(startTestApp(m_folder, m_settings));
        testApp().context().openUrl = [this](const QUrl& url) {
            m_opened << url;
            return url.toLocalFile().endsWith(".PDF") ? m_viewer : m_fileManager;
        };
    }
    void init() {
        m_opened.clear();
        m_viewer = m_fileManager = true;
        m_prompts = std::make_unique<FakePrompts>();
        m_prompts->install();
        QDir(m_folder.path()).mkpath("doc");
    }
    void cleanup() {
        m_prompts.reset();
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
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(QFileInfo(m_opened.first().toLocalFile()).canonicalFilePath(),
                 QFileInfo(m_folder.filePath(file)).canonicalFilePath());
        QVERIFY(m_prompts->told.isEmpty());
        QVERIFY(m_prompts->questions.isEmpty());
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
        QVERIFY(m_opened.isEmpty());
        const QStringList& errors = m_prompts->errors;
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().contains(missing), qPrintable(errors.first()));
        QVERIFY2(errors.first().contains(wording), qPrintable(errors.first()));
    }

    // No program takes the PDF: the message names the file and the viewer it needs, and
    // offers the folder, which opens on Yes (a folder that will not open either is told).
    void manualWithoutAViewerOffersTheFolder_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("fileManager");
        QTest::addColumn<QString>("wording");
        QTest::addColumn<int>("opened");
        QTest::addColumn<int>("errors");
        QTest::newRow("yes opens the folder") << int(LanguageEnglish) << int(Prompts::Answer::Yes) << true << "PDF viewer" << 2 << 0;
        QTest::newRow("no leaves it") << int(LanguageEnglish) << int(Prompts::Answer::No) << true << "PDF viewer" << 1 << 0;
        QTest::newRow("folder will not open") << int(LanguageEnglish) << int(Prompts::Answer::Yes) << false << "PDF viewer" << 2 << 1;
        QTest::newRow("hungarian") << int(LanguageHungarian) << int(Prompts::Answer::No) << true << "PDF-olvasó" << 1 << 0;
    }
    void manualWithoutAViewerOffersTheFolder() {
        QFETCH(int, language);
        QFETCH(int, answer);
        QFETCH(bool, fileManager);
        QFETCH(QString, wording);
        QFETCH(int, opened);
        QFETCH(int, errors);
        for (const char* name : {"doc/ZODIKEON.PDF", "doc/ZODIKEON_HU.PDF"})
            QVERIFY(writeFile(m_folder.filePath(name)));
        m_viewer = false;
        m_fileManager = fileManager;
        m_prompts->answers = {Prompts::Answer(answer)};
        testApp().SwitchLanguage(std::uint16_t(language));
        testFrame().commands()->dispatch(CM_MANUAL);
        const QString manual = QDir::toNativeSeparators(m_folder.filePath(language == LanguageEnglish ? "doc/ZODIKEON.PDF" : "doc/ZODIKEON_HU.PDF"));
        QCOMPARE(m_prompts->questions.size(), 1);
        const QString& question = m_prompts->questions.first();
        QVERIFY2(question.contains(QFileInfo(manual).fileName()) && question.contains(wording), qPrintable(question));
        QCOMPARE(m_opened.size(), opened);
        if (opened == 2)
            QCOMPARE(QFileInfo(m_opened[1].toLocalFile()).canonicalFilePath(),
                     QFileInfo(m_folder.filePath("doc")).canonicalFilePath());
        QCOMPARE(m_prompts->errors.size(), errors);
    }

private:
    static bool writeFile(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write("%PDF-1.4\n") > 0;
    }

    QTemporaryDir m_folder, m_settings;
    QList<QUrl> m_opened;
    bool m_viewer = true;       // a program takes the PDF
    bool m_fileManager = true;  // a program takes the folder
    std::unique_ptr<FakePrompts> m_prompts;
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestManual test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_manual.moc"
