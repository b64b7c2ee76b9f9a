#include <QtTest>
#include <QMdiArea>

#include "LanguageSetting.h"
#include "TAstroClient.h"
#include "StringTable.h"
#include "TAstroFrame.h"
#include "TestApp.h"

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void frameIsCaptionedAndHasADocumentArea() {
        TAstroFrame frame(testApp().context(), [](std::uint16_t) {});
        QCOMPARE(frame.windowTitle(), QStringLiteral("Zodikeon Free"));
        QVERIFY(frame.client() != nullptr);
        QCOMPARE(frame.centralWidget(), frame.client());
        QCOMPARE(frame.minimumSize(), QSize(600, 450));
    }
    void localeDecidesTheFirstLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("language");
        QTest::newRow("hungarian") << "hu_HU" << int(LanguageHungarian);
        QTest::newRow("english") << "en_US" << int(LanguageEnglish);
        QTest::newRow("german falls back to english") << "de_DE" << int(LanguageEnglish);
        QTest::newRow("C locale") << "C" << int(LanguageEnglish);
    }
    void localeDecidesTheFirstLanguage() {
        QFETCH(QString, locale);
        QFETCH(int, language);
        QCOMPARE(int(languageForLocale(locale)), language);
    }
    void storedLanguageWins() {
        QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QCoreApplication::setOrganizationName("ZodikeonTest");
        QCoreApplication::setApplicationName("Zodikeon");
        QVERIFY(storeLanguage(LanguageHungarian));
        QCOMPARE(int(storedLanguage()), int(LanguageHungarian));
        QVERIFY(storeLanguage(LanguageEnglish));
        QCOMPARE(int(storedLanguage()), int(LanguageEnglish));
    }
};

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    TestFrame test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_frame.moc"
