#pragma once
// A data set in the style of classic desktop data access: typed fields, rows held in
// memory, a cursor and the states browse / edit / insert.

#include "data/Schema.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

namespace kv {

class TDataSet;

enum class DataSetState { Inactive, Browse, Edit, Insert };

class TField {
public:
    TField(TDataSet& owner, QString name, ColumnType type, int size, int index);

    const QString& fieldName() const { return name_; }
    ColumnType dataType() const { return type_; }
    int size() const { return size_; }
    int index() const { return index_; }
    TDataSet& dataSet() const { return owner_; }

    // Display settings a window or the rule arrays give.
    QString displayLabel;
    int displayWidth = 0;
    bool visible = true;
    int tag = 0;
    bool required = false;
    bool readOnly = false;
    bool calculated = false;

    QVariant value() const;
    void setValue(const QVariant& v);
    bool isNull() const;
    QString asString() const;   // numbers in their shortest text, dates YYYY-MM-DD
    double asFloat() const;
    int asInteger() const;
    qlonglong asLargeInt() const;
    QDate asDate() const;
    bool isNumeric() const;
    void clear() { setValue(QVariant()); }

private:
    TDataSet& owner_;
    QString name_;
    ColumnType type_;
    int size_;
    int index_;
};

// The shortest text that reads back to the same double: 2.5, 3, 19.5.
QString NumberText(double v);
// Any stored value as display text.
QString ValueText(const QVariant& v, ColumnType type = ColumnType::Text);

class TDataSet {
public:
    TDataSet();
    virtual ~TDataSet();
    TDataSet(const TDataSet&) = delete;
    TDataSet& operator=(const TDataSet&) = delete;

    bool active() const { return state_ != DataSetState::Inactive; }
    DataSetState state() const { return state_; }
    virtual void open();
    virtual void close();

    int fieldCount() const { return int(fields_.size()); }
    TField* field(int i) const { return fields_[size_t(i)].get(); }
    TField* findField(const QString& name) const;   // case-insensitive, null when absent
    TField& fieldByName(const QString& name) const;  // throws DatabaseError when absent
    QStringList fieldNames() const;

    // Cursor.
    int recordCount() const { return int(rows_.size()); }
    int recNo() const { return recNo_; }       // 0-based, -1 on an empty set
    bool isEmpty() const { return rows_.isEmpty(); }
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    void first();
    void last();
    void next();
    void prior();
    void moveBy(int distance);
    void setRecNo(int row);
    // First row, from the current one on, whose fields equal the values.
    bool locate(const QStringList& fieldNames, const QVariantList& values);

    // Raw row access for grids.
    QVariant valueAt(int row, int column) const;

protected:
    friend class TField;
    virtual QVariant currentValue(int column) const;
    virtual void setCurrentValue(int column, const QVariant& v);
    void setState(DataSetState s) { state_ = s; }

    TField& addField(const QString& name, ColumnType type, int size);
    void clearFields() { fields_.clear(); }

    std::vector<std::unique_ptr<TField>> fields_;
    QList<QVector<QVariant>> rows_;
    int recNo_ = -1;
    bool bof_ = true;
    bool eof_ = true;

private:
    DataSetState state_ = DataSetState::Inactive;
};

}  // namespace kv
