#include "data/Query.h"

#include "data/Database.h"
#include "data/Dialect.h"
#include "data/Errors.h"

namespace kv {

TQuery::TQuery(QString db) { databaseName = std::move(db); }

TQuery::~TQuery() {
    if (master_) master_->removeObserver(this);
}

void TQuery::setSql(const QString& text) {
    if (active()) close();
    sql_ = text;
}

QStringList TQuery::paramNames() const { return paramCheck ? TranslateSql(sql_, true).parameters : QStringList(); }

Database& TQuery::database() const {
    Database* db = Database::find(databaseName);
    if (!db) throw EngineError::known(EngineCode::OpenFailed, QStringLiteral("Database not open: ") + databaseName);
    return *db;
}

static ColumnType typeOfValue(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::LongLong: return ColumnType::Integer;
    case QMetaType::Double: return ColumnType::Float;
    case QMetaType::QByteArray: return ColumnType::Blob;
    default: return ColumnType::Text;
    }
}

void TQuery::open() {
    if (active()) close();
    doBeforeOpen();
    if (master_) {
        for (const QString& p : paramNames())
            if (TField* f = master_->findField(p)) params_.insert(p, master_->active() && !master_->isEmpty() ? f->value() : QVariant());
    }
    Statement st = database().prepare(sql_, paramCheck);
    for (const QString& p : st.parameters()) st.bind(p, params_.value(p));
    const int columns = st.columnCount();
    QList<FieldSpec> specs;
    QList<bool> typed;
    for (int i = 0; i < columns; ++i) {
        const ColumnDef* def = st.columnDef(i);
        specs.append({st.columnName(i), def ? def->type : ColumnType::Text, def ? def->width : 0,
                      def && def->label ? QString::fromUtf8(def->label) : QString()});
        typed << (def != nullptr);
    }
    rows_.clear();
    deleted_.clear();
    QList<QVector<QVariant>> values;
    while (st.next()) {
        QVector<QVariant> row(columns);
        for (int i = 0; i < columns; ++i) row[i] = st.value(i);
        values.append(std::move(row));
    }
    // Expressions take the type of their first non-null value.
    for (int i = 0; i < columns; ++i) {
        if (typed[i]) continue;
        for (const auto& row : values)
            if (!row[i].isNull()) {
                specs[i].type = typeOfValue(row[i]);
                break;
            }
    }
    setFields(specs);
    const int width = fieldCount();
    rows_.reserve(values.size());
    for (auto& v : values) {
        v.resize(width);
        rows_.append(DataRecord{v, v, UpdateStatus::Unmodified});
    }
    TDataSet::open();
}

int TQuery::execSql() {
    Statement st = database().prepare(sql_, paramCheck);
    for (const QString& p : st.parameters()) st.bind(p, params_.value(p));
    return st.execute();
}

void TQuery::setMaster(TDataSet* master) {
    if (master_) master_->removeObserver(this);
    master_ = master;
    if (master_) master_->addObserver(this);
}

void TQuery::followMaster() {
    if (!active() || editing()) return;
    open();
}

void TQuery::scrolled(TDataSet&) { followMaster(); }

void TQuery::dataSetChanged(TDataSet& m) {
    if (!m.active() && active()) close();
}

}  // namespace kv
