// A small code-list window on the query component and data source: browse, add,
// edit, delete, save and cancel against the real database, driven by keys.
#include "TestDatabase.h"
#include "Typing.h"
#include "controls/DataSetModel.h"
#include "controls/KVDataSource.h"
#include "data/ErrorHandler.h"
#include "data/KVQuery.h"
#include "data/SqlFunctions.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

using namespace kv;
using kvtest::RecordMessages;
using kvtest::TestDatabase;

namespace {

// The goods units list, written the way a master-data window declares itself.
class UnitWindow : public QWidget, private DataSetObserver {
public:
    TKVQuery query;
    TKVDataSource* source;
    QTableView* grid;
    QLineEdit* unit;
    QLineEdit* decimals;
    QPushButton *add, *edit, *del, *save, *cancel;

    UnitWindow() {
        query.setTableName(QStringLiteral("KV_ENDPRODUCT_UNIT_TABLE"));
        query.setSql(QStringLiteral("SELECT * FROM KV_ENDPRODUCT_UNIT_TABLE ORDER BY ENDPRODUCT_UNIT"));
        query.useTableStatements();
        query.FieldsData = {{.FieldName = "ENDPRODUCT_UNIT", .DisplayLabel = "单位", .Required = true},
                            {.FieldName = "DECIMAL_NUMBER", .DisplayLabel = "单位小数位数", .Kind = "N"}};
        query.CheckData = {{.Fields = {{.FieldName = "ENDPRODUCT_UNIT", .ColumnName = "ENDPRODUCT_UNIT"}},
                            .Message = "单位名称重复",
                            .KeyField = "ENDPRODUCT_UNIT",
                            .SqlHead = "SELECT ENDPRODUCT_UNIT FROM KV_ENDPRODUCT_UNIT_TABLE WHERE ",
                            .IsDuplicateCheck = true}};
        grid = new QTableView(this);
        grid->setModel(new DataSetModel(&query, grid));
        unit = new QLineEdit(this);
        decimals = new QLineEdit(this);
        add = new QPushButton(QStringLiteral("新增[F5]"), this);
        edit = new QPushButton(QStringLiteral("编辑[F6]"), this);
        del = new QPushButton(QStringLiteral("删除[F7]"), this);
        save = new QPushButton(QStringLiteral("保存[F8]"), this);
        cancel = new QPushButton(QStringLiteral("取消[F9]"), this);
        auto* layout = new QVBoxLayout(this);
        for (QWidget* w : std::initializer_list<QWidget*>{grid, unit, decimals, add, edit, del, save, cancel}) layout->addWidget(w);
        source = new TKVDataSource(&query, this);
        source->addControl(grid, ControlKind::Grid);
        source->addControl(unit, ControlKind::DataEdit);
        source->addControl(decimals, ControlKind::DataEdit);
        const std::pair<ButtonRole, QPushButton*> roles[] = {{ButtonRole::Add, add}, {ButtonRole::Edit, edit},
                                                             {ButtonRole::Delete, del}, {ButtonRole::Save, save},
                                                             {ButtonRole::Cancel, cancel}};
        int key = Qt::Key_F5;
        for (const auto& [role, button] : roles) {
            source->setButton(role, button);
            auto* shortcut = new QShortcut(QKeySequence(key++), this);
            connect(shortcut, &QShortcut::activated, button, [button] { if (button->isEnabled()) button->click(); });
        }
        guard(add, [this] { query.append(); });
        guard(edit, [this] { query.edit(); });
        guard(del, [this] { query.deleteRecord(); });
        guard(save, [this] { query.post(); });
        guard(cancel, [this] { query.cancel(); });
        connect(unit, &QLineEdit::textEdited, this, [this](const QString& t) { query.fieldByName("ENDPRODUCT_UNIT").setValue(t); });
        connect(decimals, &QLineEdit::textEdited, this, [this](const QString& t) { query.fieldByName("DECIMAL_NUMBER").setValue(t); });
        query.addObserver(this);
        query.open();
        source->applyLook();
    }
    ~UnitWindow() override { query.removeObserver(this); }

private:
    template <typename F>
    void guard(QPushButton* b, F f) {
        connect(b, &QPushButton::clicked, this, [this, f] {
            try {
                f();
            } catch (...) {
                HandleCurrentException(this);
            }
        });
    }
    void showRow() {
        unit->setText(query.active() ? query.fieldByName("ENDPRODUCT_UNIT").asString() : QString());
        decimals->setText(query.active() ? query.fieldByName("DECIMAL_NUMBER").asString() : QString());
    }
    void scrolled(TDataSet&) override { showRow(); }
    void stateChanged(TDataSet&) override { showRow(); }
};

QString units() {
    return QueryString(QString::fromUtf8(kDatabaseName),
                       QStringLiteral("SELECT group_concat(ENDPRODUCT_UNIT || '=' || IFNULL(DECIMAL_NUMBER,''), ',') FROM "
                                      "(SELECT * FROM KV_ENDPRODUCT_UNIT_TABLE ORDER BY ENDPRODUCT_UNIT)"));
}

}  // namespace

class TestCodeListWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void browseAddEditDeleteSaveCancel() {
        TestDatabase t;
        QVERIFY(ExecSql(QString::fromUtf8(kDatabaseName),
                        QStringLiteral("INSERT INTO KV_ENDPRODUCT_UNIT_TABLE(ENDPRODUCT_UNIT,DECIMAL_NUMBER) VALUES('个',0)")));
        RecordMessages rec;
        UnitWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.grid->model()->rowCount(), 1);
        QCOMPARE(w.grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("单位"));
        QVERIFY(w.unit->isReadOnly() && !w.save->isEnabled() && w.add->isEnabled());

        QTest::keyClick(&w, Qt::Key_F5);  // add
        QCOMPARE(w.query.state(), DataSetState::Insert);
        QVERIFY(!w.unit->isReadOnly() && w.save->isEnabled() && !w.add->isEnabled() && !w.grid->isEnabled());
        kvtest::TypeText(w.unit, QStringLiteral("公斤"));
        QTest::keyClicks(w.decimals, QStringLiteral("3"));
        QTest::keyClick(&w, Qt::Key_F8);  // save
        QCOMPARE(w.query.state(), DataSetState::Browse);
        QCOMPARE(units(), QStringLiteral("个=0,公斤=3"));
        QCOMPARE(w.grid->model()->rowCount(), 2);

        QTest::keyClick(&w, Qt::Key_F5);  // a duplicate is refused and stays typed
        kvtest::TypeText(w.unit, QStringLiteral("个"));
        QTest::keyClick(&w, Qt::Key_F8);
        QCOMPARE(rec->texts(), QStringList{QStringLiteral("单位名称重复")});
        QCOMPARE(w.query.state(), DataSetState::Insert);
        QCOMPARE(w.unit->text(), QStringLiteral("个"));
        QTest::keyClick(&w, Qt::Key_F9);  // cancel
        QCOMPARE(w.grid->model()->rowCount(), 2);

        w.query.first();
        QTest::keyClick(&w, Qt::Key_F6);  // edit
        w.decimals->clear();
        QTest::keyClicks(w.decimals, QStringLiteral("1"));
        QTest::keyClick(&w, Qt::Key_F8);
        QCOMPARE(units(), QStringLiteral("个=1,公斤=3"));

        rec->answers = {true};
        QTest::keyClick(&w, Qt::Key_F7);  // delete
        QCOMPARE(units(), QStringLiteral("公斤=3"));
        QCOMPARE(w.grid->model()->rowCount(), 1);
    }

    void rightsKeepButtonsOff() {
        TestDatabase t;
        UnitWindow w;
        w.source->rights.add = false;
        w.source->rights.del = false;
        w.source->applyLook();
        QVERIFY(!w.add->isEnabled() && !w.del->isEnabled() && w.edit->isEnabled());
        QTest::keyClick(&w, Qt::Key_F5);
        QCOMPARE(w.query.state(), DataSetState::Browse);
    }

    void lookRules_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("edit");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("button");
        QTest::newRow("edit, browse") << int(ControlKind::DataEdit) << 0 << false << true << true;
        QTest::newRow("edit, editing") << int(ControlKind::DataEdit) << 0 << true << false << true;
        QTest::newRow("tag 2 stays read-only") << int(ControlKind::DataEdit) << 2 << true << true << true;
        QTest::newRow("detail tag 503") << int(ControlKind::DataEdit) << 503 << true << true << true;
        QTest::newRow("combo-edit button in edit") << int(ControlKind::ComboEdit) << 0 << true << false << true;
        QTest::newRow("combo-edit button off in browse") << int(ControlKind::ComboEdit) << 0 << false << true << false;
        QTest::newRow("tag 6 reverses the button") << int(ControlKind::ComboEdit) << 6 << false << true << true;
        QTest::newRow("tag 7 read-only, browse button") << int(ControlKind::ComboEdit) << 7 << true << true << false;
        QTest::newRow("look-up tag 200 never read-only") << int(ControlKind::LookupList) << 200 << false << false << true;
    }
    void lookRules() {
        QFETCH(int, kind);
        QFETCH(int, tag);
        QFETCH(bool, edit);
        QFETCH(bool, readOnly);
        QFETCH(bool, button);
        const ControlLook look = LookFor(ControlKind(kind), tag, edit);
        QCOMPARE(look.readOnly, readOnly);
        QCOMPARE(look.buttonEnabled, button);
    }
};

QTEST_MAIN(TestCodeListWindow)
#include "tst_codelist_window.moc"
