// Conditions that select a node of a tree table with everything below it.
#include "TestDatabase.h"
#include "data/SqlFunctions.h"
#include "data/SqlText.h"
#include "data/SubtreeCondition.h"

#include <QtTest>

using namespace kv;
using kvtest::TestDatabase;

Q_DECLARE_METATYPE(kv::TreeTable)

namespace {
const QString DB = QString::fromUtf8(kDatabaseName);

struct Table {
    const char* name;
    const char* id;
    const char* caption;
};

Table tableOf(TreeTable t) {
    switch (t) {
    case TreeTable::Company: return {"SYS_COMPANY_TABLE", "COMPANY_ID", "COMPANY_NAME"};
    case TreeTable::GoodsType: return {"BOM_ENDPRODUCT_TYPE_TABLE", "ENDPRODUCT_TYPE_ID", "ENDPRODUCT_TYPE_NAME"};
    case TreeTable::ProviderRegion: return {"KV_PROVIDER_REGION_TABLE", "PROVIDER_REGION_ID", "PROVIDER_REGION_NAME"};
    }
    return {};
}

// The same shape in every table:
//   G001 ─ A ─ B ─ D ─ E        Q'1 ─ O'B       X ⇄ Y (each the other's parent)
//          └── C                                S (its own parent)
void addFixture(TreeTable t) {
    const Table tb = tableOf(t);
    const QList<QStringList> rows = {{"A", "G001", "1"}, {"B", "A", "1"},   {"C", "A", "2"},
                                     {"D", "B", "1"},    {"E", "D", "1"},   {"Q'1", "G001", "2"},
                                     {"O'B", "Q'1", "1"}, {"X", "Y", "1"},  {"Y", "X", "1"},
                                     {"S", "S", "1"}};
    for (const QStringList& r : rows)
        QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO %1(%2,%3,PRIOR_ID,ORDER_ID) VALUES(%4,%5,%6,%7)")
                                .arg(QLatin1String(tb.name), QLatin1String(tb.id), QLatin1String(tb.caption),
                                     Quoted(r[0]), Quoted(r[0] + QStringLiteral("名")), Quoted(r[1]), r[2])));
}

QString ids(const char* column, const QString& alias, const QStringList& values) {
    const QString col = alias.isEmpty() ? QLatin1String(column) : alias + QLatin1Char('.') + QLatin1String(column);
    QStringList terms;
    for (const QString& v : values) terms << col + QStringLiteral(" = ") + Quoted(v);
    return terms.join(QStringLiteral(" OR "));
}
}  // namespace

class TestSubtree : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void descendants_data() {
        QTest::addColumn<TreeTable>("table");
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("alias");
        QTest::addColumn<QString>("soFar");
        QTest::addColumn<QString>("expected");
        const QString b = QStringLiteral("ENDPRODUCT_TYPE_ID = 'B'"), d = QStringLiteral("ENDPRODUCT_TYPE_ID = 'D'"),
                      e = QStringLiteral("ENDPRODUCT_TYPE_ID = 'E'"), c = QStringLiteral("ENDPRODUCT_TYPE_ID = 'C'");
        QTest::newRow("no alias: blank first, depth first B D E C")
            << TreeTable::GoodsType << "A" << "" << "" << " " + b + " OR " + d + " OR " + e + " OR " + c;
        QTest::newRow("alias: no blank")
            << TreeTable::GoodsType << "A" << "T" << ""
            << "T." + b + " OR T." + d + " OR T." + e + " OR T." + c;
        QTest::newRow("appends to a condition so far")
            << TreeTable::GoodsType << "B" << "" << "X = 1" << "X = 1 OR " + d + " OR " + e;
        QTest::newRow("leaf") << TreeTable::GoodsType << "E" << "" << "" << "";
        QTest::newRow("leaf keeps the condition so far") << TreeTable::GoodsType << "E" << "T" << "X = 1" << "X = 1";
        QTest::newRow("unknown node") << TreeTable::GoodsType << "ZZ" << "T" << "" << "";
        QTest::newRow("whole tree from the root")
            << TreeTable::ProviderRegion << "G001" << "R" << ""
            << ids("PROVIDER_REGION_ID", "R", {"A", "B", "D", "E", "C", "Q'1", "O'B"});
        QTest::newRow("quote in parent and child")
            << TreeTable::ProviderRegion << "Q'1" << "" << "" << " PROVIDER_REGION_ID = 'O''B'";
        QTest::newRow("two-node cycle stops at the start")
            << TreeTable::GoodsType << "X" << "" << "" << " ENDPRODUCT_TYPE_ID = 'Y'";
        QTest::newRow("own parent") << TreeTable::GoodsType << "S" << "" << "" << "";
        QTest::newRow("departments")
            << TreeTable::Company << "A" << "" << "" << " " + ids("COMPANY_ID", "", {"B", "D", "E", "C"});
    }
    void descendants() {
        QFETCH(TreeTable, table);
        QFETCH(QString, node);
        QFETCH(QString, alias);
        QFETCH(QString, soFar);
        QFETCH(QString, expected);
        TestDatabase t;
        addFixture(table);
        QString condition = soFar;
        if (table == TreeTable::Company) SubtreeCondition(node, condition);
        else SubtreeCondition(table, node, condition, alias);
        QCOMPARE(condition, expected);
        if (soFar.isEmpty()) QCOMPARE(SubtreeText(table, node, alias), expected);
    }

    // The picker's condition, and that it selects exactly the subtree when run.
    void pickerCondition_data() {
        QTest::addColumn<TreeTable>("table");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("alias");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("rows");
        QTest::newRow("goods, alias")
            << TreeTable::GoodsType << "B" << "T"
            << "(T.ENDPRODUCT_TYPE_ID = 'B' OR T.ENDPRODUCT_TYPE_ID = 'D' OR T.ENDPRODUCT_TYPE_ID = 'E')" << 3;
        QTest::newRow("goods, no alias keeps the descendants' blank")
            << TreeTable::GoodsType << "B" << ""
            << "(ENDPRODUCT_TYPE_ID = 'B' OR  ENDPRODUCT_TYPE_ID = 'D' OR ENDPRODUCT_TYPE_ID = 'E')" << 3;
        QTest::newRow("goods leaf, alias") << TreeTable::GoodsType << "E" << "T" << "T.ENDPRODUCT_TYPE_ID = 'E'" << 1;
        QTest::newRow("goods leaf, no alias") << TreeTable::GoodsType << "C" << "" << "ENDPRODUCT_TYPE_ID = 'C'" << 1;
        QTest::newRow("goods cycle")
            << TreeTable::GoodsType << "Y" << "" << "(ENDPRODUCT_TYPE_ID = 'Y' OR  ENDPRODUCT_TYPE_ID = 'X')" << 2;
        QTest::newRow("goods own parent") << TreeTable::GoodsType << "S" << "" << "ENDPRODUCT_TYPE_ID = 'S'" << 1;
        QTest::newRow("region, quotes")
            << TreeTable::ProviderRegion << "Q'1" << "T" << "(T.PROVIDER_REGION_ID = 'Q''1' OR T.PROVIDER_REGION_ID = 'O''B')"
            << 2;
        QTest::newRow("region leaf with quote") << TreeTable::ProviderRegion << "O'B" << "" << "PROVIDER_REGION_ID = 'O''B'"
                                                << 1;
    }
    void pickerCondition() {
        QFETCH(TreeTable, table);
        QFETCH(QString, chosen);
        QFETCH(QString, alias);
        QFETCH(QString, expected);
        QFETCH(int, rows);
        TestDatabase t;
        addFixture(table);
        const QString condition =
            table == TreeTable::GoodsType ? GoodsTypeCondition(chosen, alias) : RegionCondition(chosen, alias);
        QCOMPARE(condition, expected);
        const QString from = QLatin1String(tableOf(table).name) + (alias.isEmpty() ? QString() : QLatin1Char(' ') + alias);
        QCOMPARE(t.count(QStringLiteral("SELECT COUNT(*) FROM ") + from + QStringLiteral(" WHERE ") + condition), rows);
    }
};

QTEST_GUILESS_MAIN(TestSubtree)
#include "tst_subtree.moc"
