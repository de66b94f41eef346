// The typing filter of the entry controls, one key at a time.

#include "controls/TypingFilter.h"

#include <QTest>

using namespace kv;

Q_DECLARE_METATYPE(kv::TEditTypes)

namespace {
const QString Back = QString(QChar(8));
const QString Enter = QString(QChar(13));
}  // namespace

class TstTypingFilter : public QObject {
    Q_OBJECT
private slots:
    void filterKey_data() {
        QTest::addColumn<TEditTypes>("type");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selectionStart");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("inserted");  // empty: the key itself
        QTest::addColumn<int>("newMaxLength");

        const auto I = TEditTypes::etInteger, F = TEditTypes::etFloat, D = TEditTypes::etDate, T = TEditTypes::etTime;
        const QString none;
        // clang-format off
        QTest::newRow("int digit")                 << I << "7" << "12"   << -1 << 5 << true  << none << -1;
        QTest::newRow("int backspace")             << I << Back << "12"  << -1 << 5 << true  << none << -1;
        QTest::newRow("int enter")                 << I << Enter << "12" << -1 << 5 << true  << none << -1;
        QTest::newRow("int minus first")           << I << "-" << ""     << -1 << 0 << true  << none << 11;
        QTest::newRow("int minus trailing")        << I << "-" << "12"   << -1 << 0 << true  << none << 11;
        QTest::newRow("int second minus")          << I << "-" << "-12"  << -1 << 0 << false << none << 11;
        QTest::newRow("int digit after a minus")   << I << "3" << "-12"  << -1 << 0 << true  << none << 11;
        QTest::newRow("int letter after a minus")  << I << "x" << "-12"  << -1 << 0 << false << none << 11;
        QTest::newRow("int minus keeps a limit")   << I << "-" << "12"   << -1 << 6 << true  << none << -1;
        QTest::newRow("int without minus no limit")<< I << "3" << "12"   << -1 << 0 << true  << none << -1;
        QTest::newRow("int space")                 << I << " " << "12"   << -1 << 5 << false << none << -1;
        QTest::newRow("int separator")             << I << "." << "12"   << -1 << 5 << false << none << -1;
        QTest::newRow("int letter")                << I << "a" << "12"   << -1 << 5 << false << none << -1;
        QTest::newRow("int full-width digit")      << I << "１" << "12"  << -1 << 5 << false << none << -1;
        QTest::newRow("int over selection at 0")   << I << "a" << "123"  << 0  << 0 << true  << none << -1;
        QTest::newRow("int over selection at 1")   << I << "a" << "123"  << 1  << 0 << false << none << -1;
        QTest::newRow("int minus over selection at 0") << I << "-" << "-1" << 0 << 0 << true << none << -1;

        QTest::newRow("float comma")               << F << "," << "12"   << -1 << 16 << true  << "." << -1;
        QTest::newRow("float point")               << F << "." << "12"   << -1 << 16 << true  << "." << -1;
        QTest::newRow("float second separator")    << F << "," << "12.5" << -1 << 16 << false << none << -1;
        QTest::newRow("float point after a comma") << F << "." << "12,5" << -1 << 16 << false << none << -1;
        QTest::newRow("float minus")               << F << "-" << "1.5"  << -1 << 0  << true  << none << -1;
        QTest::newRow("float second minus")        << F << "-" << "1-"   << -1 << 0  << false << none << -1;
        QTest::newRow("float space")               << F << " " << "1"    << -1 << 16 << false << none << -1;
        QTest::newRow("float exponent")            << F << "e" << "1"    << -1 << 16 << false << none << -1;
        QTest::newRow("float comma over selection at 0") << F << "," << "12.5" << 0 << 16 << true << "," << -1;

        QTest::newRow("date digit")                << D << "2" << ""     << -1 << 10 << true  << none << -1;
        QTest::newRow("date minus")                << D << "-" << "2024" << -1 << 10 << true  << none << -1;
        QTest::newRow("date second minus")         << D << "-" << "2024-05" << -1 << 10 << true << none << -1;
        QTest::newRow("date slash")                << D << "/" << "2024" << -1 << 10 << true  << none << -1;
        QTest::newRow("date letter")               << D << "a" << "2024" << -1 << 10 << false << none << -1;
        QTest::newRow("date colon")                << D << ":" << "2024" << -1 << 10 << false << none << -1;
        QTest::newRow("date space")                << D << " " << "2024" << -1 << 10 << false << none << -1;
        QTest::newRow("date point")                << D << "." << "2024" << -1 << 10 << false << none << -1;
        QTest::newRow("date over selection")       << D << "a" << "2024" << 0  << 10 << false << none << -1;

        QTest::newRow("time colon")                << T << ":" << "12"   << -1 << 0 << true  << none << -1;
        QTest::newRow("time digit")                << T << "5" << "12:"  << -1 << 0 << true  << none << -1;
        QTest::newRow("time minus")                << T << "-" << "12"   << -1 << 0 << false << none << -1;
        QTest::newRow("time slash")                << T << "/" << "12"   << -1 << 0 << false << none << -1;
        QTest::newRow("time backspace")            << T << Back << "12"  << -1 << 0 << true  << none << -1;

        for (const auto type : {TEditTypes::etString, TEditTypes::etPhone})
            for (const QString key : {"a", "#", " ", "张", ",", "-"})
                QTest::addRow("%s %s", type == TEditTypes::etString ? "string" : "phone", qPrintable(key))
                    << type << key << "-1,2" << -1 << 0 << true << none << -1;

        // End, Home, Left and Right share the codes of these characters: never accepted as text.
        const std::pair<TEditTypes, const char*> numeric[] = {{I, "int"}, {F, "float"}, {D, "date"}, {T, "time"}};
        for (const auto& [type, name] : numeric)
            for (const QString key : {"#", "$", "%", "'"})
                QTest::addRow("%s rejects %s", name, qPrintable(key)) << type << key << "12" << -1 << 5 << false << none << -1;
        // clang-format on
    }

    void filterKey() {
        QFETCH(TEditTypes, type);
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(int, selectionStart);
        QFETCH(int, maxLength);
        QFETCH(bool, accepted);
        QFETCH(QString, inserted);
        QFETCH(int, newMaxLength);
        QCOMPARE(key.size(), 1);

        const FilterResult r = FilterKey(type, key[0], text, selectionStart, maxLength);
        QCOMPARE(r.accepted, accepted);
        if (accepted) QCOMPARE(QString(r.replacement), inserted.isEmpty() ? key : inserted);
        QCOMPARE(r.newMaxLength, newMaxLength);
    }
};

QTEST_MAIN(TstTypingFilter)
#include "tst_typingfilter.moc"
