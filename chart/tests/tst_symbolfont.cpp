#include <QtTest>

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRawFont>

// The symbol font shipped with the program: it must load under its family name, give every
// character code the chart draws a glyph of its own, and keep each glyph inside the line box,
// centred, so that text centred by the font's metrics is centred on the symbol.
class TestSymbolFont : public QObject {
    Q_OBJECT

    QString m_family;
    QRawFont m_raw;

    static QString fontPath() {
        return qEnvironmentVariable("ZDK_SOURCE_DIR") + QStringLiteral("/resources/fonts/ZodikeonSymbolsPlus.ttf");
    }

    // Every character code the chart draws with this font.
    static QString allCodes() {
        return QStringLiteral("abcdefghijkl" "mnopqrstuvwx" "ABCDEFGHI" "56Z" "87J9" "KL}!\"#$%&" "12340" "MNOPQRSTUVW" "XY");
    }

    QPainterPath glyphPath(QChar c) const {
        const QList<quint32> ids = m_raw.glyphIndexesForString(QString(c));
        return ids.isEmpty() ? QPainterPath() : m_raw.pathForGlyph(ids.first());
    }

private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(fontPath()), qPrintable(fontPath()));
        const int id = QFontDatabase::addApplicationFont(fontPath());
        QVERIFY(id >= 0);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        QCOMPARE(families, QStringList{QStringLiteral("Zodikeon Symbols Plus")});
        m_family = families.first();

        QFont font(m_family);
        font.setPixelSize(1000);
        font.setStyleStrategy(QFont::NoFontMerging);
        m_raw = QRawFont::fromFont(font);
        QVERIFY(m_raw.isValid());
        QCOMPARE(m_raw.familyName(), m_family);
    }

    void eachCodeHasItsOwnGlyph_data() {
        QTest::addColumn<QString>("codes");
        QTest::newRow("signs, first zodiac") << QStringLiteral("abcdefghijkl");
        QTest::newRow("signs, second zodiac") << QStringLiteral("mnopqrstuvwx");
        QTest::newRow("Sun to Neptune") << QStringLiteral("ABCDEFGHI");
        QTest::newRow("variant slots of Mars, Uranus, Neptune") << QStringLiteral("56Z");
        QTest::newRow("Pluto in four forms") << QStringLiteral("87J9");
        QTest::newRow("nodes, Lilith, minor bodies") << QStringLiteral("KL}!\"#$%&");
        QTest::newRow("Vertex, East Point, Co- and Polar Ascendant, Fortune") << QStringLiteral("12340");
        QTest::newRow("aspects 0..10") << QStringLiteral("MNOPQRSTUVW");
        QTest::newRow("parallel, contra-parallel") << QStringLiteral("XY");
    }
    void eachCodeHasItsOwnGlyph() {
        QFETCH(QString, codes);
        for (const QChar c : codes) {
            QVERIFY2(m_raw.supportsCharacter(c), qPrintable(QString(c)));
            const QPainterPath path = glyphPath(c);
            QVERIFY2(!path.isEmpty(), qPrintable(QString(c)));
        }
    }

    // Every coded glyph is a different shape: a code mapped twice by mistake shows up here.
    void glyphsOfDifferentCodesDiffer() {
        const QString codes = allCodes();
        QList<QPainterPath> paths;
        for (const QChar c : codes)
            paths.append(glyphPath(c));
        for (qsizetype i = 0; i < codes.size(); ++i)
            for (qsizetype j = i + 1; j < codes.size(); ++j)
                QVERIFY2(paths[i] != paths[j], qPrintable(QStringLiteral("'%1' draws the same as '%2'").arg(codes[j], codes[i])));
    }

    // Codes the chart never uses stay unmapped, so a wrong code shows as a missing glyph
    // instead of a plausible but wrong symbol.
    void unlistedCodesHaveNoGlyph_data() {
        QTest::addColumn<QChar>("code");
        for (const char c : {'y', 'z', '[', '\'', '(', '{', '~', '@'})
            QTest::newRow(QByteArray(1, c).constData()) << QChar::fromLatin1(c);
    }
    void unlistedCodesHaveNoGlyph() {
        QFETCH(QChar, code);
        QVERIFY(!m_raw.supportsCharacter(code));
    }

    void glyphsSitInTheLineBoxCentred() {
        const qreal ascent = m_raw.ascent();
        const qreal descent = m_raw.descent();
        QCOMPARE(ascent + descent, m_raw.pixelSize());
        const qreal middle = (ascent - descent) / 2;  // above the baseline
        for (const QChar c : allCodes()) {
            const QList<quint32> ids = m_raw.glyphIndexesForString(QString(c));
            const QRectF box = m_raw.pathForGlyph(ids.first()).boundingRect();  // y grows downwards
            const qreal advance = m_raw.advancesForGlyphIndexes(ids).first().x();
            const QString what = QString(c);
            QVERIFY2(box.top() >= -ascent && box.bottom() <= descent, qPrintable(what));
            QVERIFY2(box.left() >= 0 && box.right() <= advance, qPrintable(what));
            QVERIFY2(qAbs(box.center().x() - advance / 2) <= 3, qPrintable(what));
            QVERIFY2(qAbs(-box.center().y() - middle) <= 3, qPrintable(what));
            QVERIFY2(box.height() >= 0.4 * m_raw.pixelSize(), qPrintable(what));
        }
    }
};

QTEST_MAIN(TestSymbolFont)
#include "tst_symbolfont.moc"
