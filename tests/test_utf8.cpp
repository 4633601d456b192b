#include "net/utf8.h"

#include <QTest>

#include <utility>

using namespace Qt::StringLiterals;

class Utf8Test : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wellFormed();
    void malformed();
    void largestDatagram();
};

void Utf8Test::wellFormed()
{
    const QList<std::pair<QByteArray, QString>> table = {{QByteArray(), QString()},
                                                         {"a\0b\0"_ba, u"a\0b\0"_s},
                                                         {"\xEF\xBB\xBFhi"_ba, u"\uFEFFhi"_s},
                                                         {"zo\xC3\xAB \xE2\x82\xAC"_ba, u"zoë €"_s},
                                                         {"\xF0\x9F\x98\x80!"_ba, u"\U0001F600!"_s}};
    for (const auto &[payload, text] : table)
        QCOMPARE(corvel::decodeUtf8(payload), std::optional(text));
}

void Utf8Test::malformed()
{
    // Each one shows nothing rather than a guess.
    for (const QByteArray &payload : {"\xFF"_ba, "\xC0\x80"_ba, "\xED\xA0\x80"_ba, "\xF4\x90\x80\x80"_ba,
                                      "ab\xE2\x82"_ba, "ab\xF0\x9F\x98"_ba, "a\x80"_ba, "\xE2\x82z"_ba})
        QVERIFY2(!corvel::decodeUtf8(payload).has_value(), payload.toHex(' ').constData());
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

QTEST_GUILESS_MAIN(Utf8Test)
#include "test_utf8.moc"
