#include "net/utf8.h"

#include <QTest>

using namespace Qt::StringLiterals;

class Utf8Test : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wellFormed_data();
    void wellFormed();
    void malformed_data();
    void malformed();
    void largestDatagram();
    void agreesWithQtOnEveryCodePoint();
};

void Utf8Test::wellFormed_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ascii") << "  ann    >    hello"_ba << u"  ann    >    hello"_s;
    QTest::newRow("NUL inside and at the end") << "a\0b\0"_ba << u"a\0b\0"_s;
    QTest::newRow("only NUL") << "\0"_ba << u"\0"_s;
    QTest::newRow("byte-order mark kept") << "\xEF\xBB\xBFhi"_ba << u"\uFEFFhi"_s;
    QTest::newRow("two-byte, smallest") << "\xC2\x80"_ba << u"\u0080"_s;
    QTest::newRow("two-byte, largest") << "\xDF\xBF"_ba << u"\u07FF"_s;
    QTest::newRow("three-byte, smallest") << "\xE0\xA0\x80"_ba << u"\u0800"_s;
    QTest::newRow("last before surrogates") << "\xED\x9F\xBF"_ba << u"\uD7FF"_s;
    QTest::newRow("first after surrogates") << "\xEE\x80\x80"_ba << u"\uE000"_s;
    QTest::newRow("U+FFFF") << "\xEF\xBF\xBF"_ba << u"\uFFFF"_s;
    QTest::newRow("four-byte becomes a surrogate pair") << "\xF0\x9F\x98\x80!"_ba << u"\U0001F600!"_s;
    QTest::newRow("U+10000") << "\xF0\x90\x80\x80"_ba << u"\U00010000"_s;
    QTest::newRow("U+10FFFF") << "\xF4\x8F\xBF\xBF"_ba << u"\U0010FFFF"_s;
    QTest::newRow("long ASCII runs around others") << QByteArray(37, 'a') + "\xC3\xAB"_ba + QByteArray(17, '\0')
                                                   << QString(37, u'a') + u"ë"_s + QString(17, QChar());
    QTest::newRow("mixed") << "zo\xC3\xAB \xE2\x82\xAC \xF0\x9F\x98\x80"_ba << u"zoë € 😀"_s;
}

void Utf8Test::wellFormed()
{
    QFETCH(QByteArray, payload);
    QFETCH(QString, text);
    const auto decoded = corvel::decodeUtf8(payload);
    QVERIFY(decoded.has_value());
    QCOMPARE(*decoded, text);
    QCOMPARE(decoded->size(), text.size());
}

void Utf8Test::malformed_data()
{
    QTest::addColumn<QByteArray>("payload");

    QTest::newRow("0xFF") << "\xFF"_ba;
    QTest::newRow("0xFE") << "\xFE"_ba;
    QTest::newRow("stray continuation") << "a\x80"_ba;
    QTest::newRow("continuation after a full sequence") << "\xC3\xAB\xAB"_ba;
    QTest::newRow("overlong NUL C0 80") << "\xC0\x80"_ba;
    QTest::newRow("overlong C1 BF") << "\xC1\xBF"_ba;
    QTest::newRow("overlong three-byte E0 9F BF") << "\xE0\x9F\xBF"_ba;
    QTest::newRow("overlong four-byte F0 8F BF BF") << "\xF0\x8F\xBF\xBF"_ba;
    QTest::newRow("surrogate ED A0 80") << "\xED\xA0\x80"_ba;
    QTest::newRow("surrogate ED BF BF") << "\xED\xBF\xBF"_ba;
    QTest::newRow("encoded surrogate pair") << "\xED\xA0\xBD\xED\xB8\x80"_ba;
    QTest::newRow("above U+10FFFF: F4 90 80 80") << "\xF4\x90\x80\x80"_ba;
    QTest::newRow("F5 lead") << "\xF5\x80\x80\x80"_ba;
    QTest::newRow("truncated two-byte") << "ab\xC3"_ba;
    QTest::newRow("truncated three-byte") << "ab\xE2\x82"_ba;
    QTest::newRow("truncated four-byte") << "ab\xF0\x9F\x98"_ba;
    QTest::newRow("lead followed by ASCII") << "\xE2\x82z"_ba;
    QTest::newRow("bad byte after a long ASCII run") << QByteArray(40, 'a') + "\xFF"_ba;
    QTest::newRow("stray continuation among sixteen ASCII") << "0123456789abcd\x80xy"_ba;
    QTest::newRow("bad byte after NUL") << "a\0\xFF"_ba;
}

void Utf8Test::malformed()
{
    QFETCH(QByteArray, payload);
    QVERIFY(!corvel::decodeUtf8(payload).has_value());
}

void Utf8Test::largestDatagram()
{
    // Every width, filling the largest payload exactly and ending on a four-byte character.
    const QString text = u"a€😀ë"_s.repeated(6550) + u"xyz😀"_s;
    const QByteArray payload = text.toUtf8();
    QCOMPARE(payload.size(), 65507);
    QCOMPARE(corvel::decodeUtf8(payload), std::optional(text));
    QVERIFY(!corvel::decodeUtf8(payload.chopped(1)).has_value());
}

void Utf8Test::agreesWithQtOnEveryCodePoint()
{
    for (char32_t codePoint = 0; codePoint <= 0x10FFFF; ++codePoint) {
        if (codePoint >= 0xD800 && codePoint <= 0xDFFF)
            continue;
        const QString text = QString::fromUcs4(&codePoint, 1);
        const auto decoded = corvel::decodeUtf8(text.toUtf8());
        if (decoded != text)
            QFAIL(qPrintable(u"U+%1"_s.arg(quint32(codePoint), 0, 16)));
    }
}

QTEST_GUILESS_MAIN(Utf8Test)
#include "test_utf8.moc"
