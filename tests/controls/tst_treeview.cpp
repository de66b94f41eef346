// The lazy tree: each level read when its node is opened, once, in the query's order.
#include "TestDatabase.h"
#include "controls/KVTreeViewUnit.h"
#include "data/SqlFunctions.h"
#include "data/SqlText.h"

#include <QtTest>

using namespace kv;
using kvtest::RecordMessages;
using kvtest::TestDatabase;

namespace {
const QString DB = QString::fromUtf8(kDatabaseName);

void addRegion(const QString& id, const QString& prior, int order) {
    QVERIFY(ExecSql(DB, QStringLiteral("INSERT INTO KV_PROVIDER_REGION_TABLE(PROVIDER_REGION_ID,PROVIDER_REGION_NAME,"
                                       "PRIOR_ID,ORDER_ID) VALUES(%1,%2,%3,%4)")
                            .arg(Quoted(id), Quoted(id + QStringLiteral("区")), Quoted(prior))
                            .arg(order)));
}

// The provider regions' window: five levels, the fifth without children.
void setRegionWindow(TKVTreeView& tree, QList<int>* opened = nullptr) {
    tree.DataBaseName = DB;
    tree.RootId = QStringLiteral("G001");
    tree.RootText = QStringLiteral("厂商区域");
    const QString count = QStringLiteral("SELECT Count(PROVIDER_REGION_ID) FROM KV_PROVIDER_REGION_TABLE WHERE PRIOR_ID = ");
    tree.SetLevelSql(TreeLevelQuery::Count, count, 0, {}, QStringLiteral("C"), {});
    tree.OnExpanding = [&tree, opened, count](QTreeWidgetItem* node) {
        const int level = TKVTreeView::NodeLevel(node);
        if (opened) opened->append(level);
        const QString tail = QStringLiteral(" ORDER BY ORDER_ID");
        if (level == 0) {
            tree.SetLevelSql(TreeLevelQuery::Child,
                             QStringLiteral("SELECT PROVIDER_REGION_ID,PROVIDER_REGION_NAME,ORDER_ID FROM "
                                            "KV_PROVIDER_REGION_TABLE WHERE PRIOR_ID = 'G001'"),
                             0, {}, {}, tail);
        } else {
            tree.SetLevelSql(TreeLevelQuery::Child,
                             QStringLiteral("SELECT PROVIDER_REGION_ID,PROVIDER_REGION_NAME,ORDER_ID FROM "
                                            "KV_PROVIDER_REGION_TABLE WHERE PRIOR_ID = "),
                             0, {}, QStringLiteral("C"), tail);
        }
        tree.SetLevelSql(TreeLevelQuery::Count, level < 4 ? count : QString(), 0, {}, QStringLiteral("C"), {});
    };
}

QStringList childIds(const QTreeWidgetItem* node) {
    QStringList ids;
    for (int i = 0; i < node->childCount(); ++i) ids << TKVTreeView::NodeId(node->child(i));
    return ids;
}

bool expandable(const QTreeWidgetItem* node) {
    return node->childCount() > 0 || node->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator;
}

QTreeWidgetItem* childById(QTreeWidgetItem* node, const QString& id) {
    for (int i = 0; i < node->childCount(); ++i)
        if (TKVTreeView::NodeId(node->child(i)) == id) return node->child(i);
    return nullptr;
}
}  // namespace

class TestTreeView : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void levelsReadWhenOpenedAndOnce() {
        TestDatabase t;
        addRegion(QStringLiteral("R1"), QStringLiteral("G001"), 2);
        addRegion(QStringLiteral("R2"), QStringLiteral("G001"), 1);
        addRegion(QStringLiteral("R'3"), QStringLiteral("G001"), 3);
        addRegion(QStringLiteral("R11"), QStringLiteral("R1"), 1);
        TKVTreeView tree;
        QList<int> opened;
        setRegionWindow(tree, &opened);
        QTreeWidgetItem* root = tree.BuildTree();
        QVERIFY(root);
        QCOMPARE(tree.topLevelItemCount(), 1);
        QCOMPARE(TKVTreeView::NodeId(root), QStringLiteral("G001"));
        QCOMPARE(root->text(0), QStringLiteral("厂商区域"));
        QVERIFY(!root->isExpanded());
        QVERIFY(expandable(root));
        QCOMPARE(root->childCount(), 0);  // nothing read before opening

        tree.show();
        tree.setCurrentItem(root);
        QTest::keyClick(&tree, Qt::Key_Right);  // opened by the user
        QVERIFY(root->isExpanded());
        QCOMPARE(opened, QList<int>{0});
        QCOMPARE(childIds(root), (QStringList{"R2", "R1", "R'3"}));  // by ORDER_ID
        QCOMPARE(TKVTreeView::NodeName(root->child(1)), QStringLiteral("R1区"));
        QTreeWidgetItem* r1 = childById(root, QStringLiteral("R1"));
        QVERIFY(expandable(r1));
        QCOMPARE(r1->childCount(), 0);
        QVERIFY(!expandable(childById(root, QStringLiteral("R2"))));
        QVERIFY(!expandable(childById(root, QStringLiteral("R'3"))));  // a quoted key counts

        // Rows written after a level was read: the read level stays as read, an unread
        // one is read when opened.
        addRegion(QStringLiteral("R4"), QStringLiteral("G001"), 4);
        addRegion(QStringLiteral("R12"), QStringLiteral("R1"), 2);
        addRegion(QStringLiteral("R21"), QStringLiteral("R2"), 1);
        root->setExpanded(false);
        root->setExpanded(true);
        QCOMPARE(childIds(root), (QStringList{"R2", "R1", "R'3"}));
        QVERIFY(!expandable(childById(root, QStringLiteral("R2"))));
        r1->setExpanded(true);
        QCOMPARE(childIds(r1), (QStringList{"R11", "R12"}));
        QCOMPARE(opened, (QList<int>{0, 0, 1}));

        tree.BuildTree();  // a rebuild reads again
        tree.topLevelItem(0)->setExpanded(true);
        QCOMPARE(childIds(tree.topLevelItem(0)), (QStringList{"R2", "R1", "R'3", "R4"}));
        QVERIFY(expandable(childById(tree.topLevelItem(0), QStringLiteral("R2"))));
    }

    void fifthLevelIsLeaf() {
        TestDatabase t;
        QStringList chain{QStringLiteral("G001")};
        for (int i = 1; i <= 6; ++i) {
            chain << QStringLiteral("L%1").arg(i);
            addRegion(chain.last(), chain.at(i - 1), 1);
        }
        TKVTreeView tree;
        setRegionWindow(tree);
        QTreeWidgetItem* node = tree.BuildTree();
        for (int level = 0; level < 5; ++level) {
            QVERIFY2(expandable(node), qPrintable(TKVTreeView::NodeId(node)));
            node->setExpanded(true);
            QCOMPARE(node->childCount(), 1);
            node = node->child(0);
        }
        QCOMPARE(TKVTreeView::NodeId(node), QStringLiteral("L5"));
        QCOMPARE(TKVTreeView::NodeLevel(node), 5);
        QVERIFY(!expandable(node));  // L6 exists but is never shown
    }

    // How the node's id enters the child query, and how captions are made.
    void childQuery_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("zeroFill");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("caption");
        QTest::newRow("C: quoted") << "O'Brien" << "SELECT 'k', " << "C" << 0 << "" << "O'Brien";
        QTest::newRow("other kind: bare") << "40+2" << "SELECT 'k', " << "N" << 0 << "" << "42";
        QTest::newRow("empty kind: id unused") << "40+2" << "SELECT 'k', 'fixed'" << "" << 0 << "" << "fixed";
        QTest::newRow("zero fill, suffix") << "7" << "SELECT 'k', " << "N" << 3 << "号" << "007号";
        QTest::newRow("wider than the fill") << "12345" << "SELECT 'k', " << "N" << 3 << "" << "12345";
    }
    void childQuery() {
        QFETCH(QString, id);
        QFETCH(QString, head);
        QFETCH(QString, kind);
        QFETCH(int, zeroFill);
        QFETCH(QString, suffix);
        QFETCH(QString, caption);
        TestDatabase t;
        TKVTreeView tree;
        tree.DataBaseName = DB;
        tree.RootId = id;
        tree.RootText = QStringLiteral("根");
        tree.SetLevelSql(TreeLevelQuery::Count, {}, 0, {}, QStringLiteral("A"), {});
        tree.SetLevelSql(TreeLevelQuery::Child, head, zeroFill, suffix, kind, QStringLiteral("LIMIT 1"));
        QTreeWidgetItem* root = tree.BuildTree();
        QVERIFY(expandable(root));  // "A": no count query needed
        root->setExpanded(true);
        QCOMPARE(root->childCount(), 1);
        QCOMPARE(TKVTreeView::NodeId(root->child(0)), QStringLiteral("k"));
        QCOMPARE(root->child(0)->text(0), caption);
        QCOMPARE(TKVTreeView::NodeName(root->child(0)), caption);
    }

    void everyNodeOpensWithKindA() {
        TestDatabase t;
        TKVTreeView tree;
        tree.DataBaseName = DB;
        tree.RootId = QStringLiteral("G001");
        tree.RootText = QStringLiteral("商品类别");
        tree.SetLevelSql(TreeLevelQuery::Count, {}, 0, {}, QStringLiteral("A"), {});
        tree.SetLevelSql(TreeLevelQuery::Child,
                         QStringLiteral("SELECT ENDPRODUCT_TYPE_ID,ENDPRODUCT_TYPE_NAME FROM BOM_ENDPRODUCT_TYPE_TABLE "
                                        "WHERE PRIOR_ID = "),
                         0, {}, QStringLiteral("C"), QStringLiteral(" ORDER BY ORDER_ID"));
        QTreeWidgetItem* root = tree.BuildTree();
        QVERIFY(expandable(root));
        root->setExpanded(true);  // the table is empty: the sign goes
        QVERIFY(!expandable(root));
        QVERIFY(TKVTreeView::IsPending(tree.AddNode(root, QStringLiteral("饮料"), QStringLiteral("T1"))));
    }

    void addAndDeleteNodes() {
        TestDatabase t;
        addRegion(QStringLiteral("R1"), QStringLiteral("G001"), 1);
        addRegion(QStringLiteral("R11"), QStringLiteral("R1"), 1);
        RecordMessages rec;
        TKVTreeView tree;
        setRegionWindow(tree);
        QVERIFY(!tree.AddNode(nullptr, QStringLiteral("x"), QStringLiteral("x")));
        QCOMPARE(rec->texts(), QStringList{QStringLiteral("必须有头节点数据及未节点数据")});
        rec->clear();

        QTreeWidgetItem* root = tree.BuildTree();
        root->setExpanded(true);
        QTreeWidgetItem* r1 = root->child(0);
        QCOMPARE(TKVTreeView::imageIndex(r1), 0);

        // A node the window adds under an unread level is not read a second time.
        addRegion(QStringLiteral("R12"), QStringLiteral("R1"), 2);
        QTreeWidgetItem* r12 = tree.AddNode(r1, QStringLiteral("新区"), QStringLiteral("R12"));
        QCOMPARE(TKVTreeView::imageIndex(r12), 2);
        QVERIFY(!expandable(r12));
        r1->setExpanded(true);
        QCOMPARE(childIds(r1), (QStringList{"R12", "R11"}));
        QCOMPARE(TKVTreeView::NodeName(r12), QStringLiteral("新区"));
        QCOMPARE(TKVTreeView::imageIndex(r1), 1);
        TKVTreeView::SetNodeName(r12, QStringLiteral("改名"));
        QCOMPARE(r12->text(0), QStringLiteral("改名"));
        QCOMPARE(TKVTreeView::NodeName(r12), QStringLiteral("改名"));

        QVERIFY(!tree.DeleteNode(r1, false));
        QCOMPARE(rec->texts(), QStringList{QStringLiteral("请先删除该节点的子节点")});
        tree.setCurrentItem(root);
        QVERIFY(tree.DeleteNode(r1, true));
        QCOMPARE(root->childCount(), 0);
        QVERIFY(!expandable(root));
        QCOMPARE(TKVTreeView::imageIndex(root), 2);
    }

    void unreadChildrenBlockDeletion() {
        TestDatabase t;
        addRegion(QStringLiteral("R1"), QStringLiteral("G001"), 1);
        addRegion(QStringLiteral("R11"), QStringLiteral("R1"), 1);
        RecordMessages rec;
        TKVTreeView tree;
        setRegionWindow(tree);
        QTreeWidgetItem* root = tree.BuildTree();
        root->setExpanded(true);
        QVERIFY(!tree.DeleteNode(root->child(0), false));  // R11 not read yet, but there
        QCOMPARE(rec->texts(), QStringList{QStringLiteral("请先删除该节点的子节点")});
    }

    void buildNeedsRoot_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("no id") << "" << "商店";
        QTest::newRow("no text") << "G001" << "";
    }
    void buildNeedsRoot() {
        QFETCH(QString, id);
        QFETCH(QString, text);
        RecordMessages rec;
        TKVTreeView tree;
        tree.RootId = id;
        tree.RootText = text;
        QVERIFY(!tree.BuildTree());
        QCOMPARE(tree.topLevelItemCount(), 0);
        QCOMPARE(rec->texts(), QStringList{QStringLiteral("没有节点ID或没有节点名称，不能建立节点")});
    }

    void selectionChanges() {
        TestDatabase t;
        TKVTreeView tree;
        tree.RootId = QStringLiteral("G001");
        tree.RootText = QStringLiteral("商店");
        tree.setSelectColor(Qt::red);
        QTreeWidgetItem* root = tree.BuildTree();
        QCOMPARE(tree.selectColor(), QColor(0x00, 0x80, 0xC0));  // $C08000 whatever was set
        QCOMPARE(tree.palette().color(QPalette::Inactive, QPalette::Highlight), QColor(0x00, 0x80, 0xC0));
        QTreeWidgetItem* a = tree.AddNode(root, QStringLiteral("一部"), QStringLiteral("A"));
        QTreeWidgetItem* b = tree.AddNode(root, QStringLiteral("二部"), QStringLiteral("B"));
        QStringList seen;
        tree.OnChange = [&seen](QTreeWidgetItem* n) { seen << TKVTreeView::NodeId(n); };
        tree.SetColor = true;
        tree.setCurrentItem(a);
        tree.setCurrentItem(b);
        QCOMPARE(seen, QStringList{"B"});
        QVERIFY(!tree.SetColor);
        tree.BuildTree();  // no change for the window while rebuilding
        QCOMPARE(seen, QStringList{"B"});
    }
};

QTEST_MAIN(TestTreeView)
#include "tst_treeview.moc"
