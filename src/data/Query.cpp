#include "data/Query.h"

#include "data/Database.h"
#include "data/Dialect.h"
#include "data/Errors.h"

namespace kv {

TQuery::TQuery(QString name) : databaseName(std::move(name)) {}

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
    Statement st = database().prepare(sql_, paramCheck);
    for (const QString& p : st.parameters()) st.bind(p, params_.value(p));
    clearFields();
    const int columns = st.columnCount();
    QList<bool> typed;
    for (int i = 0; i < columns; ++i) {
        const ColumnDef* def = st.columnDef(i);
        TField& f = addField(st.columnName(i), def ? def->type : ColumnType::Text, def ? def->width : 0);
        if (def && def->label && *def->label) f.displayLabel = QString::fromUtf8(def->label);
        typed << (def != nullptr);
    }
    rows_.clear();
    while (st.next()) {
        QVector<QVariant> row(columns);
        for (int i = 0; i < columns; ++i) row[i] = st.value(i);
        rows_.append(std::move(row));
    }
    // Expressions take the type of their first non-null value.
    for (int i = 0; i < columns; ++i) {
        if (typed[i]) continue;
        for (const auto& row : rows_)
            if (!row[i].isNull()) {
                auto& old = fields_[size_t(i)];
                auto f = std::make_unique<TField>(*this, old->fieldName(), typeOfValue(row[i]), 0, i);
                f->displayLabel = old->displayLabel;
                old = std::move(f);
                break;
            }
    }
    TDataSet::open();
}

int TQuery::execSql() {
    Statement st = database().prepare(sql_, paramCheck);
    for (const QString& p : st.parameters()) st.bind(p, params_.value(p));
    return st.execute();
}

}  // namespace kv
