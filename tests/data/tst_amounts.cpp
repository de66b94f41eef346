#include "data/Amounts.h"
#include "data/MessageService.h"

#include <QtTest>

using namespace kv;

namespace {

class RecordedMessages : public MessageService {
public:
    explicit RecordedMessages(QStringList* texts) : texts_(texts) {}
    bool show(MessageKind, const QString&, const QString& text, QObject*) override {
        texts_->append(text);
        return true;
    }

private:
    QStringList* texts_;
};

}  // namespace

class TestAmounts : public QObject {
    Q_OBJECT

private slots:
    void init() { previous_ = InstallMessageService(std::make_unique<RecordedMessages>(&messages_)); }
    void cleanup() {
        InstallMessageService(std::move(previous_));
        messages_.clear();
    }

    void fixed_data() {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("half up") << 2 << 0.125 << "0.13";
        QTest::newRow("half away from zero") << 2 << -0.125 << "-0.13";
        QTest::newRow("stored below half") << 2 << 2.675 << "2.67";
        QTest::newRow("carry into integer") << 2 << 9.996 << "10.00";
        QTest::newRow("carry into new digit") << 1 << 99.96 << "100.0";
        QTest::newRow("whole number") << 0 << 0.5 << "1";
        QTest::newRow("tiny negative reads zero") << 2 << -0.004 << "0.00";
        QTest::newRow("negative zero") << 0 << -0.0 << "0";
        QTest::newRow("large") << 2 << 1e20 << "100000000000000000000.00";
        QTest::newRow("small") << 4 << 0.00005 << "0.0001";
        QTest::newRow("not a number") << 2 << std::nan("") << "0.00";
    }
    void fixed() {
        QFETCH(int, decimals);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(Fixed(decimals, value), expected);
    }

    void roundText_data() {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        const QString r45 = QStringLiteral("四舍五入");
        const QString r56 = QStringLiteral("五舍六入");
        const QString r34 = QStringLiteral("三舍四入");
        const QString r23 = QStringLiteral("二舍三入");
        const QString r12 = QStringLiteral("一舍二入");

        QTest::newRow("45 up") << 2 << r45 << 2.346 << "2.35";
        QTest::newRow("45 stored below half") << 2 << r45 << 1.005 << "1.00";
        // The double nearest 2.345 is 2.34500000000000019..., so it carries.
        QTest::newRow("45 2.345 stored above half") << 2 << r45 << 2.345 << "2.35";
        QTest::newRow("45 negative half") << 2 << r45 << -0.125 << "-0.13";
        QTest::newRow("empty mode is 45") << 0 << QString() << 2.5 << "3";
        QTest::newRow("unknown mode is 45") << 1 << QStringLiteral("七舍八入") << 1.25 << "1.3";

        QTest::newRow("56 five stays") << 1 << r56 << 1.25 << "1.2";
        QTest::newRow("56 six carries") << 1 << r56 << 1.26 << "1.3";
        QTest::newRow("56 rounds twice") << 1 << r56 << 1.249 << "1.2";
        QTest::newRow("56 binary below text") << 1 << r56 << 1.16 << "1.2";
        QTest::newRow("56 zero digit") << 1 << r56 << 1.2 << "1.2";
        QTest::newRow("56 carry through") << 1 << r56 << 9.96 << "10.0";
        QTest::newRow("56 whole") << 0 << r56 << 2.5 << "2";
        QTest::newRow("56 whole carries") << 0 << r56 << 2.6 << "3";
        QTest::newRow("56 negative mirror stays") << 1 << r56 << -1.24 << "-1.2";
        QTest::newRow("56 negative mirror carries") << 1 << r56 << -1.26 << "-1.3";
        QTest::newRow("56 negative to zero") << 2 << r56 << -0.004 << "0.00";

        QTest::newRow("34 four carries") << 1 << r34 << 1.24 << "1.3";
        QTest::newRow("34 three stays") << 1 << r34 << 1.23 << "1.2";
        QTest::newRow("34 negative mirror") << 1 << r34 << -1.24 << "-1.3";
        QTest::newRow("23 three carries") << 2 << r23 << 1.233 << "1.24";
        QTest::newRow("23 two stays") << 2 << r23 << 1.232 << "1.23";
        QTest::newRow("12 two carries") << 1 << r12 << 1.22 << "1.3";
        QTest::newRow("12 one stays") << 1 << r12 << 1.21 << "1.2";

        QTest::newRow("zero k=0") << 0 << r45 << 0.0 << "0";
        QTest::newRow("zero k=2") << 2 << r45 << 0.0 << "0.00";
        QTest::newRow("zero shifted k=2") << 2 << r56 << 0.0 << "0.00";
        QTest::newRow("nine decimals") << 9 << r56 << 1.0000000006 << "1.000000001";
        QTest::newRow("N 10 is whole") << 10 << r45 << 2.5 << "3";
        QTest::newRow("N negative is whole") << -1 << r45 << 2.5 << "3";
        QTest::newRow("N 10 shifted is whole") << 10 << r56 << 2.6 << "3";
    }
    void roundText() {
        QFETCH(int, decimals);
        QFETCH(QString, mode);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(RoundText(decimals, mode, value), expected);
    }

    void formatMoney_data() {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("withSign");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("sign and thousands") << 2 << true << 1234.5 << "￥1,234.50";
        QTest::newRow("zero whole") << 0 << false << 0.0 << "0";
        QTest::newRow("zero 10 with sign") << 10 << true << 0.0 << "￥0.00";
        QTest::newRow("zero two decimals") << 2 << false << 0.0 << "0.00";
        QTest::newRow("zero two decimals with sign") << 2 << true << 0.0 << "￥0.00";
        QTest::newRow("10 drops trailing zeros") << 10 << false << 12.5 << "12.5";
        QTest::newRow("10 rounds to two") << 10 << false << 12.346 << "12.35";
        QTest::newRow("10 whole") << 10 << false << 12.0 << "12";
        QTest::newRow("below one") << 2 << false << 0.5 << "0.50";
        QTest::newRow("negative below one") << 2 << false << -0.5 << "-0.50";
        QTest::newRow("negative 10 below one") << 10 << true << -0.5 << "￥-0.5";
        QTest::newRow("millions") << 2 << false << 1234567.891 << "1,234,567.89";
        QTest::newRow("negative thousands") << 4 << false << -1234.5 << "-1,234.5000";
        QTest::newRow("whole thousands") << 0 << false << 1234567.5 << "1,234,568";
        QTest::newRow("rounds into thousand") << 3 << false << 999.9996 << "1,000.000";
        QTest::newRow("three digits no separator") << 1 << false << 999.0 << "999.0";
        QTest::newRow("decimals capped at four") << 6 << false << 1.23456 << "1.2346";
        QTest::newRow("negative to zero") << 2 << false << -0.001 << "0.00";
    }
    void formatMoney() {
        QFETCH(int, decimals);
        QFETCH(bool, withSign);
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(FormatMoney(decimals, withSign, value), expected);
    }

    void parseMoney_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("thousands") << "1,234.50" << 1234.5;
        QTest::newRow("currency sign") << "￥1" << 0.0;
        QTest::newRow("blanks") << " 12 " << 12.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks and commas only") << " , " << 0.0;
        QTest::newRow("commas by blanks") << " ,7 , " << 7.0;
        QTest::newRow("negative") << "-3.5" << -3.5;
        QTest::newRow("formatted negative") << "-1,234.5000" << -1234.5;
        QTest::newRow("words") << "abc" << 0.0;
        QTest::newRow("inner blank") << "1 234" << 0.0;
        QTest::newRow("not finite") << "inf" << 0.0;
    }
    void parseMoney() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(ParseMoney(text), expected);
    }

    void amountInWords_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("yuan jiao fen") << "1234.56" << "壹仟贰佰叁拾肆元伍角陆分";
        QTest::newRow("hundred") << "100" << "壹佰元整";
        QTest::newRow("jiao only") << "10.50" << "壹拾元伍角整";
        QTest::newRow("fen below one yuan") << "0.05" << "零伍分";
        QTest::newRow("jiao below one yuan") << "0.5" << "伍角整";
        QTest::newRow("zero") << "0" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("negative") << "-3" << "负叁元整";
        QTest::newRow("negative below one yuan") << "-0.05" << "负零伍分";
        QTest::newRow("negative zero") << "-0" << "";
        QTest::newRow("thousands separators") << "1,234.56" << "壹仟贰佰叁拾肆元伍角陆分";
        QTest::newRow("zero jiao") << "10.05" << "壹拾元零伍分";
        QTest::newRow("inner zero") << "101" << "壹佰零壹元整";
        QTest::newRow("inner zeros once") << "1001" << "壹仟零壹元整";
        QTest::newRow("zero then tens") << "1010" << "壹仟零壹拾元整";
        QTest::newRow("tens no zero") << "1680.32" << "壹仟陆佰捌拾元叁角贰分";
        QTest::newRow("wan only") << "200000" << "贰拾万元整";
        QTest::newRow("yi only") << "100000000" << "壹亿元整";
        QTest::newRow("yi and qian wan") << "110000000" << "壹亿壹仟万元整";
        QTest::newRow("shi yi") << "1000000000" << "壹拾亿元整";
        QTest::newRow("group inner zero") << "100101" << "壹拾万零壹佰零壹元整";
        QTest::newRow("group leading zeros") << "10050" << "壹万零伍拾元整";
        QTest::newRow("wan then one") << "1000001" << "壹佰万零壹元整";
        QTest::newRow("yi then one") << "100000001" << "壹亿零壹元整";
        QTest::newRow("yi then wan") << "100010000" << "壹亿零壹万元整";
        QTest::newRow("zero group between") << "100001000" << "壹亿零壹仟元整";
        QTest::newRow("group trailing zeros") << "10001000" << "壹仟万壹仟元整";
        QTest::newRow("twelve digits") << "100000000001" << "壹仟亿零壹元整";
        QTest::newRow("largest")
            << "999999999999.99" << "玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分";
        QTest::newRow("wan and jiao") << "40000.5" << "肆万元伍角整";
    }
    void amountInWords() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(AmountInWords(text), expected);
        QCOMPARE(messages_, QStringList());
    }

    void amountInWordsOutOfRange() {
        // Thirteen integer digits: a warning, then the words go on without the integer part.
        QCOMPARE(AmountInWords(QStringLiteral("1000000000000.5")), QStringLiteral("伍角整"));
        QCOMPARE(messages_, QStringList{QStringLiteral("所处理数据超出范围!")});
    }

private:
    QStringList messages_;
    std::unique_ptr<MessageService> previous_;
};

QTEST_GUILESS_MAIN(TestAmounts)
#include "tst_amounts.moc"
