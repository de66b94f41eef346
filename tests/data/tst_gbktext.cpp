#include "data/GbkText.h"

#include <QtTest>

using namespace kv;

namespace {
const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80");  // outside GBK, two QChars
}

class TestGbkText : public QObject {
    Q_OBJECT

private slots:
    void conversion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("gbk");
        QTest::newRow("ascii") << "AB1" << QByteArray("AB1");
        QTest::newRow("chinese") << "中文" << QByteArray("\xD6\xD0\xCE\xC4");
        QTest::newRow("full-width yen") << "￥" << QByteArray("\xA3\xA4");
        QTest::newRow("mixed") << "a中b" << QByteArray("a\xD6\xD0" "b");
        QTest::newRow("outside gbk") << kEmoji + "中" << QByteArray("?\xD6\xD0");
    }
    void conversion() {
        QFETCH(QString, text);
        QFETCH(QByteArray, gbk);
        QCOMPARE(ToGbk(text), gbk);
        if (!text.contains(kEmoji)) QCOMPARE(FromGbk(gbk), text);
    }

    void fromBrokenGbk() {
        // A lead byte without a valid trail byte costs one '?', the next character stays.
        QCOMPARE(FromGbk(QByteArray("\x81 a\xD6\xD0")), QStringLiteral("? a中"));
        QCOMPARE(FromGbk(QByteArray("a\xD6")), QStringLiteral("a?"));
    }

    void gbkLength_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bytes");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("ascii") << "abc" << 3;
        QTest::newRow("chinese") << "商品资料" << 8;
        QTest::newRow("mixed") << "商品ABC" << 7;
        QTest::newRow("full-width punctuation") << "合计：" << 6;
        QTest::newRow("outside gbk counts one") << kEmoji << 1;
    }
    void gbkLength() {
        QFETCH(QString, text);
        QFETCH(int, bytes);
        QCOMPARE(GbkLength(text), bytes);
    }

    void gbkLeft_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maxBytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ascii") << "abcdef" << 4 << "abcd";
        QTest::newRow("fits whole") << "中文" << 10 << "中文";
        QTest::newRow("exact") << "中文字" << 4 << "中文";
        QTest::newRow("would split") << "中文字" << 3 << "中";
        QTest::newRow("one byte for a chinese") << "中" << 1 << "";
        QTest::newRow("mixed before") << "a中b" << 2 << "a";
        QTest::newRow("mixed after") << "a中b" << 3 << "a中";
        QTest::newRow("zero") << "abc" << 0 << "";
        QTest::newRow("surrogate pair kept whole") << kEmoji + "中" << 3 << kEmoji + "中";
    }
    void gbkLeft() {
        QFETCH(QString, text);
        QFETCH(int, maxBytes);
        QFETCH(QString, expected);
        QCOMPARE(GbkLeft(text, maxBytes), expected);
    }

    void wrapText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        const QString twenty = QStringLiteral("可口可乐雪碧芬达美年达橙汁苹果汁葡萄汁酸");  // 40 bytes
        QTest::newRow("ascii") << "abcdefg" << 3 << "abc\r\ndef\r\ng";
        QTest::newRow("exact width no break") << "abc" << 3 << "abc";
        QTest::newRow("chinese even") << "中文字" << 4 << "中文\r\n字";
        QTest::newRow("break moves earlier") << "ab中c" << 3 << "ab\r\n中c";
        QTest::newRow("mixed every line") << "a中文" << 2 << "a\r\n中\r\n文";
        QTest::newRow("wide char on narrow line") << "中" << 1 << "中";
        QTest::newRow("existing line break restarts") << "ab\ncd" << 2 << "ab\ncd";
        QTest::newRow("no width") << "中文" << 0 << "中文";
        QTest::newRow("goods name 40 bytes") << twenty << 38 << twenty.left(19) + "\r\n" + twenty.mid(19);
        QTest::newRow("goods name odd start")
            << "A" + twenty.left(19) << 38 << "A" + twenty.left(18) + "\r\n" + twenty.mid(18, 1);
    }
    void wrapText() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(WrapText(text, width), expected);
    }

    void padSpaces_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ascii fill") << "ab" << 4 << "ab  ";
        QTest::newRow("ascii cut") << "abcdef" << 3 << "abc";
        QTest::newRow("empty") << "" << 3 << "   ";
        QTest::newRow("chinese fill") << "合计折扣：12.50" << 18 << "合计折扣：12.50   ";
        QTest::newRow("chinese exact") << "中文" << 4 << "中文";
        QTest::newRow("chinese split pads") << "中文" << 3 << "中 ";
        QTest::newRow("mixed split pads") << "a中" << 2 << "a ";
        QTest::newRow("zero width") << "ab" << 0 << "";
    }
    void padSpaces() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, expected);
        const QString padded = PadSpaces(text, width);
        QCOMPARE(padded, expected);
        QCOMPARE(GbkLength(padded), width);
    }

    void padZeros_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("fill") << "13" << 4 << "0013";
        QTest::newRow("cut keeps the end") << "12345" << 3 << "345";
        QTest::newRow("nine zeros at most") << "7" << 12 << "0000000007";
        QTest::newRow("empty") << "" << 2 << "00";
    }
    void padZeros() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(PadZeros(text, width), expected);
    }

    void textPiece_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first") << "a,b,c" << "," << 0 << "a";
        QTest::newRow("middle") << "a,b,c" << "," << 1 << "b";
        QTest::newRow("last") << "a,b,c" << "," << 2 << "c";
        QTest::newRow("beyond") << "a,b,c" << "," << 3 << "";
        QTest::newRow("minus one is the rest") << "a,b,c" << "," << -1 << "c";
        QTest::newRow("minus one without separator") << "abc" << "," << -1 << "abc";
        QTest::newRow("other negative") << "a,b" << "," << -2 << "";
        QTest::newRow("no separator") << "abc" << "," << 0 << "abc";
        QTest::newRow("empty piece") << "a,,b" << "," << 1 << "";
        QTest::newRow("chinese") << "商品|单位|数量" << "|" << 1 << "单位";
        QTest::newRow("chinese separator") << "一、二、三" << "、" << 2 << "三";
        QTest::newRow("long separator") << "a::b::c" << "::" << 1 << "b";
    }
    void textPiece() {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(int, n);
        QFETCH(QString, expected);
        QCOMPARE(TextPiece(text, separator, n), expected);
    }
};

QTEST_GUILESS_MAIN(TestGbkText)
#include "tst_gbktext.moc"
