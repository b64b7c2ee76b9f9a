#include <QtTest>

#include "QtText.h"

class TestQtText : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("back");
        QTest::newRow("hungarian") << QStringLiteral("Árvíz Tűrő") << QByteArray("\xC1rv\xEDz T\xFBr\xF5") << QStringLiteral("Árvíz Tűrő");
        QTest::newRow("base letter by decomposition") << QStringLiteral("Ñoño Çà") << QByteArray("Nono \xC7\x61")
                                                    << QStringLiteral("Nono Ça");
        QTest::newRow("base letter without decomposition") << QStringLiteral("Øster Łódź") << QByteArray("Oster \xA3\xF3\x64\x9F")
                                                         << QStringLiteral("Oster Łódź");
        QTest::newRow("no base letter") << QStringLiteral("東京 ♈") << QByteArray("?? ?") << QStringLiteral("?? ?");
    }
    void roundTrip() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, back);
        const std::string encoded = toCp1250(text);
        QCOMPARE(QByteArray::fromStdString(encoded), bytes);
        QCOMPARE(fromCp1250(encoded), back);
    }
    void fieldIsCutAndTerminated() {
        char field[6];
        std::memset(field, 'x', sizeof field);
        toCp1250Field(QStringLiteral("Székesfehérvár"), field, sizeof field);
        QCOMPARE(QByteArray(field), QByteArray("Sz\xE9ke"));
        QCOMPARE(field[5], '\0');
    }
};

QTEST_APPLESS_MAIN(TestQtText)
#include "tst_qttext.moc"
