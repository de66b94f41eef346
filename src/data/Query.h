#pragma once
// A query over the database named by its database name: SQL text in the local
// dialect, :NAME parameters, all rows read on open. A detail query takes its
// parameters from the same-named fields of its master and follows its cursor.

#include "data/DataSet.h"

#include <QVariantHash>

namespace kv {

class Database;

class TQuery : public TDataSet, private DataSetObserver {
public:
    explicit TQuery(QString databaseName = QString::fromUtf8("RORareDidoZuvi"));
    ~TQuery() override;

    bool paramCheck = true;  // false: a colon in the text is no parameter

    const QString& sql() const { return sql_; }
    void setSql(const QString& text);
    QStringList paramNames() const;
    void setParam(const QString& name, const QVariant& value) { params_.insert(name, value); }
    QVariant param(const QString& name) const { return params_.value(name); }
    const QVariantHash& params() const { return params_; }

    void open() override;
    // Runs the text as a statement; rows changed.
    int execSql();

    // Master/detail: parameters named like master fields take their values.
    void setMaster(TDataSet* master);
    TDataSet* master() const { return master_; }

    Database& database() const;

private:
    void scrolled(TDataSet& master) override;
    void dataSetChanged(TDataSet& master) override;
    void dataSetDestroyed(TDataSet&) override { master_ = nullptr; }
    void followMaster();

    QString sql_;
    QVariantHash params_;
    TDataSet* master_ = nullptr;
};

}  // namespace kv
