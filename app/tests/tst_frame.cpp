#include <QtTest>
#include <QLabel>
#include <QMdiArea>
#include <QMessageBox>

#include "LanguageSetting.h"
#include "TAstroClient.h"
#include "StringTable.h"
#include "TAstroFrame.h"
#include "TestApp.h"
#include "AppContext.h"
#include "FakePrompts.h"
#include <QDir>
#include <QTemporaryDir>

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
    // A program folder whose settings cannot be written is told once, not at every attempt,
    // and the run goes on.
    void unwritableSettingsAreReportedOnce() {
        QTemporaryDir folder;
        // A folder in the settings file's place: no write can replace it, whoever runs the test.
        QVERIFY(QDir(folder.path()).mkpath("options/zodikeon.ini"));
        AppContext ctx;
        ctx.state.ProgramFolder = folder.path().toStdString();
        FakePrompts prompts;
        prompts.install(ctx);
        QVERIFY(!ctx.saveSettings(nullptr));
        QVERIFY(!ctx.saveSettings(nullptr, true));
        QCOMPARE(prompts.errors.size(), 1);
        QVERIFY(prompts.errors.first().contains(folder.path()));
    }
    // An error box is wide enough for its caption, and its text stands beside the icon.
    void errorBoxKeepsItsTextBesideTheIcon() {
        AppContext ctx;
        QRect icon, text, box;
        int pixmapWidth = 0;
        QTimer::singleShot(0, [&] {
            auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!shown)
                return;
            if (auto* i = shown->findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"))) {
                icon = i->geometry();
                pixmapWidth = i->pixmap().width();
            }
            if (auto* t = shown->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
                text = t->geometry();
            box = shown->geometry();
            shown->accept();
        });
        ctx.errors.error(nullptr, QStringLiteral("Short."));
        QVERIFY(box.isValid() && icon.isValid() && text.isValid());
        QVERIFY2(box.width() >= QFontMetrics(QApplication::font()).averageCharWidth() * 40, qPrintable(QString::number(box.width())));
        // The picture is drawn at the icon label's left: a wide icon label leaves a gap after it.
        QVERIFY2(text.left() - (icon.left() + pixmapWidth) < 40,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(icon.left()).arg(pixmapWidth).arg(text.left())));
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
