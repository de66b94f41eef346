#pragma once
// A data set in the style of classic desktop data access: typed fields, rows held in
// memory, a cursor, the states browse / edit / insert, before/after events and
// cached updates applied through insert / modify / delete statements.

#include "data/Schema.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace kv {

class TDataSet;

enum class DataSetState { Inactive, Browse, Edit, Insert };
enum class UpdateStatus { Unmodified, Modified, Inserted };

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
    // Converts to the field's type; a text that is no number throws ConvertError.
    void setValue(const QVariant& v);
    void setAsString(const QString& text) { setValue(text); }
    bool isNull() const;
    QString asString() const;   // numbers in their shortest text, dates YYYY-MM-DD
    double asFloat() const;
    int asInteger() const;
    qlonglong asLargeInt() const;
    QDate asDate() const;
    bool asBoolean() const;
    bool isNumeric() const;
    void clear() { setValue(QVariant()); }
    QVariant oldValue() const;  // as read from the database

private:
    friend class TDataSet;
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
// A value converted for a field of the type; throws ConvertError.
QVariant ConvertForField(const QVariant& v, ColumnType type);

// What a grid or data source hears from a data set.
class DataSetObserver {
public:
    virtual ~DataSetObserver() = default;
    virtual void dataSetChanged(TDataSet&) {}           // opened, closed, rows added or removed
    virtual void recordChanged(TDataSet&, int /*row*/) {}
    virtual void scrolled(TDataSet&) {}
    virtual void stateChanged(TDataSet&) {}
    // The data set goes away (a window's query may die before its grids).
    virtual void dataSetDestroyed(TDataSet&) {}
};

struct DataRecord {
    QVector<QVariant> values;
    QVector<QVariant> original;
    UpdateStatus status = UpdateStatus::Unmodified;
};

class TDataSet {
public:
    using Handler = std::function<void(TDataSet&)>;

    TDataSet();
    virtual ~TDataSet();
    TDataSet(const TDataSet&) = delete;
    TDataSet& operator=(const TDataSet&) = delete;

    QString name;  // component name, used in messages
    QString databaseName = QStringLiteral("RORareDidoZuvi");

    bool active() const { return state_ != DataSetState::Inactive; }
    DataSetState state() const { return state_; }
    bool editing() const { return state_ == DataSetState::Edit || state_ == DataSetState::Insert; }
    virtual void open();
    virtual void close();
    void refresh();  // reopens, keeping the row number where possible

    int fieldCount() const { return int(fields_.size()); }
    TField* field(int i) const { return fields_[size_t(i)].get(); }
    TField* findField(const QString& name) const;   // case-insensitive, null when absent
    TField& fieldByName(const QString& name) const;  // throws DatabaseError when absent
    QStringList fieldNames() const;
    TField& addCalculatedField(const QString& name, ColumnType type);

    // Cursor.
    int recordCount() const { return int(rows_.size()); }
    int recNo() const { return recNo_; }  // 0-based, -1 on an empty set
    bool isEmpty() const { return rows_.isEmpty() && state_ != DataSetState::Insert; }
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    void first();
    void last();
    void next();
    void prior();
    void moveBy(int distance);
    void setRecNo(int row);
    // First row whose fields equal the values; moves there.
    bool locate(const QStringList& fieldNames, const QVariantList& values);

    // Editing.
    virtual void append();
    virtual void edit();
    virtual void post();
    virtual void cancel();
    virtual void deleteRecord();

    // Cached updates: changes stay in the data set until applied.
    bool cachedUpdates = false;
    QString insertSql, modifySql, deleteSql;  // local dialect with :COL and :OLD_COL
    bool updatesPending() const;
    // Runs the statements of every pending change in one transaction; on failure
    // nothing is written and the changes stay pending.
    virtual void applyUpdates();
    void commitUpdates();   // the cache becomes the rows as read
    void cancelUpdates();   // back to the rows as read
    UpdateStatus updateStatus() const;

    // Events: the window's handlers, run after the component's own work.
    Handler BeforeOpen, AfterOpen, BeforeClose, AfterClose, BeforeInsert, AfterInsert, BeforeEdit, AfterEdit,
        BeforePost, AfterPost, BeforeCancel, AfterCancel, BeforeDelete, AfterDelete, AfterScroll, OnNewRecord,
        OnCalcFields, OnStateChange;
    std::function<void(TDataSet&, const std::exception&)> OnUpdateError;

    void addObserver(DataSetObserver* o);
    void removeObserver(DataSetObserver* o);
    bool controlsDisabled() const { return disableCount_ > 0; }
    void disableControls() { ++disableCount_; }
    void enableControls();

    // Raw row access for grids.
    QVariant valueAt(int row, int column) const;
    const DataRecord* recordAt(int row) const;

protected:
    friend class TField;
    virtual QVariant currentValue(int column) const;
    virtual void setCurrentValue(int column, const QVariant& v);
    QVariant originalValue(int column) const;
    void setState(DataSetState s);

    // The component's own part of each event; the default runs the window's handler.
    virtual void doBeforeOpen() { run(BeforeOpen); }
    virtual void doAfterOpen() { run(AfterOpen); }
    virtual void doBeforeClose() { run(BeforeClose); }
    virtual void doBeforeInsert() { run(BeforeInsert); }
    virtual void doAfterInsert() { run(AfterInsert); }
    virtual void doBeforeEdit() { run(BeforeEdit); }
    virtual void doAfterEdit() { run(AfterEdit); }
    virtual void doBeforePost() { run(BeforePost); }
    virtual void doAfterPost() { run(AfterPost); }
    virtual void doBeforeCancel() { run(BeforeCancel); }
    virtual void doAfterCancel() { run(AfterCancel); }
    virtual void doBeforeDelete() { run(BeforeDelete); }
    virtual void doAfterDelete() { run(AfterDelete); }
    virtual void doAfterScroll() { run(AfterScroll); }
    virtual void doOnNewRecord() { run(OnNewRecord); }
    virtual void doUpdateError(const std::exception& e) { if (OnUpdateError) OnUpdateError(*this, e); }
    void run(const Handler& h) { if (h) h(*this); }

    // Posts the edit buffer into the rows without events or statements.
    void postToCache();
    void calculate(int row);
    void notifyScrolled();
    void notifyData();
    void notifyRecord(int row);
    // Binds :COL / :OLD_COL of a statement from a record.
    void runStatement(const QString& sql, const DataRecord& rec);

    struct FieldSpec {
        QString name;
        ColumnType type;
        int size;
        QString label;
    };
    // The columns of a new open: fields of the same name are kept with their
    // display settings, so pointers held by windows stay valid; calculated fields
    // follow the columns.
    void setFields(const QList<FieldSpec>& columns);
    TField& addField(const QString& name, ColumnType type, int size);

    std::vector<std::unique_ptr<TField>> fields_;
    QList<DataRecord> rows_;
    QList<DataRecord> deleted_;
    int recNo_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    DataRecord buffer_;       // the row being edited or inserted
    int insertedAt_ = -1;     // where an inserted row goes

private:
    void moved(int oldRecNo);
    DataSetState state_ = DataSetState::Inactive;
    int calcRow_ = -1;
    QList<DataSetObserver*> observers_;
    int disableCount_ = 0;
    bool scrollPending_ = false;
};

}  // namespace kv
