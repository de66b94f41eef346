#include "data/DataSet.h"

#include "data/Database.h"
#include "data/Errors.h"

#include <QDate>
#include <QLocale>

namespace kv {

QString NumberText(double v) {
    if (v == 0) return QStringLiteral("0");
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

QString ValueText(const QVariant& v, ColumnType type) {
    if (!v.isValid() || v.isNull()) return {};
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: return NumberText(v.toDouble());
    case QMetaType::LongLong:
    case QMetaType::Int:
        if (type == ColumnType::Float || type == ColumnType::Bcd) return NumberText(v.toDouble());
        return QString::number(v.toLongLong());
    case QMetaType::Bool: return v.toBool() ? QStringLiteral("是") : QStringLiteral("否");
    case QMetaType::QDate: return v.toDate().toString(Qt::ISODate);
    default: return v.toString();
    }
}

QVariant ConvertForField(const QVariant& v, ColumnType type) {
    if (!v.isValid() || v.isNull()) return {};
    const bool text = v.typeId() == QMetaType::QString;
    const QString s = text ? v.toString().trimmed() : QString();
    switch (type) {
    case ColumnType::Integer:
    case ColumnType::Boolean: {
        if (!text) return QVariant(v.toLongLong());
        if (s.isEmpty()) return {};
        bool ok = false;
        const qlonglong n = s.toLongLong(&ok);
        if (!ok) throw ConvertError(QStringLiteral("'%1' is not a valid integer value").arg(s));
        return QVariant(n);
    }
    case ColumnType::Float:
    case ColumnType::Bcd: {
        if (!text) return QVariant(v.toDouble());
        if (s.isEmpty()) return {};
        bool ok = false;
        const double d = QString(s).remove(QLatin1Char(',')).toDouble(&ok);
        if (!ok) throw ConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(s));
        return QVariant(d);
    }
    case ColumnType::Date: {
        if (v.typeId() == QMetaType::QDate) return QVariant(v.toDate().toString(Qt::ISODate));
        if (s.isEmpty()) return {};
        QDate d = QDate::fromString(s.left(10), Qt::ISODate);
        if (!d.isValid()) d = QDate::fromString(s, QStringLiteral("yyyy/M/d"));
        if (!d.isValid()) throw ConvertError(QStringLiteral("'%1' is not a valid date").arg(s));
        return QVariant(d.toString(Qt::ISODate));
    }
    case ColumnType::Blob: return v;
    default: return text ? v : QVariant(ValueText(v));
    }
}

// ---- TField ----

TField::TField(TDataSet& owner, QString name, ColumnType type, int size, int index)
    : displayLabel(name), owner_(owner), name_(std::move(name)), type_(type), size_(size), index_(index) {}

QVariant TField::value() const { return owner_.currentValue(index_); }
void TField::setValue(const QVariant& v) { owner_.setCurrentValue(index_, ConvertForField(v, type_)); }
bool TField::isNull() const {
    const QVariant v = value();
    return !v.isValid() || v.isNull();
}
QString TField::asString() const { return ValueText(value(), type_); }
double TField::asFloat() const {
    const QVariant v = value();
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const double d = v.toString().trimmed().toDouble(&ok);
        return ok ? d : 0;
    }
    return v.toDouble();
}
int TField::asInteger() const { return int(asLargeInt()); }
qlonglong TField::asLargeInt() const {
    const QVariant v = value();
    if (v.typeId() == QMetaType::Double) return qRound64(v.toDouble());
    return v.toString().trimmed().toLongLong();
}
QDate TField::asDate() const {
    const QVariant v = value();
    if (v.typeId() == QMetaType::QDate) return v.toDate();
    return QDate::fromString(v.toString().left(10), Qt::ISODate);
}
bool TField::asBoolean() const {
    const QVariant v = value();
    if (v.typeId() == QMetaType::QString) return v.toString() == QStringLiteral("是");
    return v.toBool();
}
bool TField::isNumeric() const {
    return type_ == ColumnType::Integer || type_ == ColumnType::Float || type_ == ColumnType::Bcd;
}
QVariant TField::oldValue() const { return owner_.originalValue(index_); }

// ---- TDataSet ----

TDataSet::TDataSet() = default;
TDataSet::~TDataSet() {
    const auto observers = observers_;
    for (DataSetObserver* o : observers) o->dataSetDestroyed(*this);
}

void TDataSet::setState(DataSetState s) {
    if (state_ == s) return;
    state_ = s;
    for (DataSetObserver* o : observers_) o->stateChanged(*this);
    run(OnStateChange);
}

void TDataSet::open() {
    for (int r = 0; r < rows_.size(); ++r) calculate(r);
    setState(DataSetState::Browse);
    recNo_ = rows_.isEmpty() ? -1 : 0;
    bof_ = true;
    eof_ = rows_.isEmpty();
    notifyData();
    doAfterOpen();
    notifyScrolled();
}

void TDataSet::close() {
    if (!active()) return;
    doBeforeClose();
    rows_.clear();
    deleted_.clear();
    recNo_ = -1;
    bof_ = eof_ = true;
    setState(DataSetState::Inactive);
    notifyData();
    run(AfterClose);
}

void TDataSet::refresh() {
    const int row = recNo_;
    open();
    if (row >= 0) setRecNo(row);
}

TField* TDataSet::findField(const QString& name) const {
    for (const auto& f : fields_)
        if (f->fieldName().compare(name, Qt::CaseInsensitive) == 0) return f.get();
    return nullptr;
}

TField& TDataSet::fieldByName(const QString& name) const {
    TField* f = findField(name);
    if (!f) throw DatabaseError(QStringLiteral("%1: Field '%2' not found").arg(this->name, name));
    return *f;
}

QStringList TDataSet::fieldNames() const {
    QStringList names;
    for (const auto& f : fields_) names << f->fieldName();
    return names;
}

TField& TDataSet::addField(const QString& name, ColumnType type, int size) {
    fields_.push_back(std::make_unique<TField>(*this, name, type, size, int(fields_.size())));
    return *fields_.back();
}

TField& TDataSet::addCalculatedField(const QString& name, ColumnType type) {
    TField& f = addField(name, type, 0);
    f.calculated = true;
    for (DataRecord& r : rows_) {
        r.values.append(QVariant());
        r.original.append(QVariant());
    }
    return f;
}

void TDataSet::setFields(const QList<FieldSpec>& columns) {
    std::vector<std::unique_ptr<TField>> old = std::move(fields_);
    fields_.clear();
    const auto take = [&](const QString& n, bool calculated) -> std::unique_ptr<TField> {
        for (auto& f : old)
            if (f && f->calculated == calculated && f->fieldName().compare(n, Qt::CaseInsensitive) == 0) return std::move(f);
        return nullptr;
    };
    for (const FieldSpec& c : columns) {
        std::unique_ptr<TField> f = take(c.name, false);
        if (f) {
            f->type_ = c.type;
            f->size_ = c.size;
        } else {
            f = std::make_unique<TField>(*this, c.name, c.type, c.size, 0);
            if (!c.label.isEmpty()) f->displayLabel = c.label;
        }
        f->index_ = int(fields_.size());
        fields_.push_back(std::move(f));
    }
    for (auto& f : old)
        if (f && f->calculated) {
            f->index_ = int(fields_.size());
            fields_.push_back(std::move(f));
        }
}

// ---- cursor ----

void TDataSet::moved(int oldRecNo) {
    if (recNo_ != oldRecNo) notifyScrolled();
}

void TDataSet::first() {
    if (editing()) post();
    const int old = recNo_;
    recNo_ = rows_.isEmpty() ? -1 : 0;
    bof_ = true;
    eof_ = rows_.isEmpty();
    moved(old);
}

void TDataSet::last() {
    if (editing()) post();
    const int old = recNo_;
    recNo_ = int(rows_.size()) - 1;
    eof_ = true;
    bof_ = rows_.isEmpty();
    moved(old);
}

void TDataSet::next() {
    if (editing()) post();
    const int old = recNo_;
    bof_ = false;
    if (recNo_ + 1 < rows_.size()) {
        ++recNo_;
        eof_ = false;
    } else {
        eof_ = true;
    }
    moved(old);
}

void TDataSet::prior() {
    if (editing()) post();
    const int old = recNo_;
    eof_ = false;
    if (recNo_ > 0) {
        --recNo_;
        bof_ = false;
    } else {
        bof_ = true;
    }
    moved(old);
}

void TDataSet::moveBy(int distance) {
    for (; distance > 0; --distance) next();
    for (; distance < 0; ++distance) prior();
}

void TDataSet::setRecNo(int row) {
    if (rows_.isEmpty()) return;
    if (editing()) post();
    const int old = recNo_;
    recNo_ = qBound(0, row, int(rows_.size()) - 1);
    bof_ = eof_ = false;
    moved(old);
}

bool TDataSet::locate(const QStringList& names, const QVariantList& values) {
    QList<int> columns;
    for (const QString& n : names) columns << fieldByName(n).index();
    for (int r = 0; r < rows_.size(); ++r) {
        bool match = true;
        for (int i = 0; i < columns.size() && match; ++i)
            match = ValueText(rows_[r].values[columns[i]]) == ValueText(values.value(i));
        if (match) {
            setRecNo(r);
            return true;
        }
    }
    return false;
}

QVariant TDataSet::valueAt(int row, int column) const {
    if (editing() && row == recNo_) return buffer_.values.value(column);
    if (row < 0 || row >= rows_.size()) return {};
    return rows_[row].values.value(column);
}

const DataRecord* TDataSet::recordAt(int row) const {
    if (row < 0 || row >= rows_.size()) return nullptr;
    return &rows_[row];
}

QVariant TDataSet::currentValue(int column) const {
    if (editing()) return buffer_.values.value(column);
    return valueAt(recNo_, column);
}

QVariant TDataSet::originalValue(int column) const {
    if (state_ == DataSetState::Insert) return {};
    const DataRecord* r = recordAt(recNo_);
    return r ? r->original.value(column) : QVariant();
}

void TDataSet::setCurrentValue(int column, const QVariant& v) {
    if (calcRow_ >= 0) {
        rows_[calcRow_].values[column] = v;
        return;
    }
    if (!editing()) {
        if (!active() || rows_.isEmpty())
            throw DatabaseError(name + QStringLiteral(": Dataset not in edit or insert mode"));
        edit();
    }
    if (column < 0 || column >= buffer_.values.size()) return;
    buffer_.values[column] = v;
    if (!fields_[size_t(column)]->calculated) {
        // calculated fields follow the row being typed
        const int saved = recNo_;
        run(OnCalcFields);
        recNo_ = saved;
    }
    notifyRecord(recNo_);
}

// ---- editing ----

void TDataSet::append() {
    if (!active()) throw DatabaseError(name + QStringLiteral(": Cannot perform this operation on a closed dataset"));
    if (editing()) post();
    doBeforeInsert();
    buffer_ = DataRecord();
    buffer_.values.resize(fieldCount());
    buffer_.original.resize(fieldCount());
    buffer_.status = UpdateStatus::Inserted;
    insertedAt_ = int(rows_.size());
    // The new row shows at the end while it is typed.
    rows_.append(buffer_);
    recNo_ = insertedAt_;
    bof_ = eof_ = false;
    setState(DataSetState::Insert);
    notifyData();
    doOnNewRecord();
    doAfterInsert();
    notifyScrolled();
}

void TDataSet::edit() {
    if (editing()) return;
    if (!active() || rows_.isEmpty())
        throw DatabaseError(name + QStringLiteral(": Cannot modify an empty dataset"));
    doBeforeEdit();
    buffer_ = rows_[recNo_];
    setState(DataSetState::Edit);
    doAfterEdit();
}

void TDataSet::postToCache() {
    if (!editing()) return;
    DataRecord rec = buffer_;
    if (state_ == DataSetState::Edit && rec.status == UpdateStatus::Unmodified) rec.status = UpdateStatus::Modified;
    rows_[recNo_] = rec;
    calculate(recNo_);
    setState(DataSetState::Browse);
    notifyRecord(recNo_);
}

void TDataSet::post() {
    if (!editing()) return;
    doBeforePost();
    const bool inserting = state_ == DataSetState::Insert;
    postToCache();
    if (!cachedUpdates && (inserting ? !insertSql.isEmpty() : !modifySql.isEmpty())) {
        // A live data set writes each row at once; a failure takes it back into edit.
        try {
            applyUpdates();
        } catch (...) {
            buffer_ = rows_[recNo_];
            setState(inserting ? DataSetState::Insert : DataSetState::Edit);
            throw;
        }
    }
    doAfterPost();
}

void TDataSet::cancel() {
    if (!editing()) return;
    doBeforeCancel();
    if (state_ == DataSetState::Insert) {
        rows_.removeAt(recNo_);
        if (recNo_ >= rows_.size()) recNo_ = int(rows_.size()) - 1;
        eof_ = rows_.isEmpty();
        setState(DataSetState::Browse);
        notifyData();
        notifyScrolled();
    } else {
        setState(DataSetState::Browse);
        notifyRecord(recNo_);
    }
    doAfterCancel();
}

void TDataSet::deleteRecord() {
    if (state_ == DataSetState::Insert) {
        cancel();
        return;
    }
    if (!active() || rows_.isEmpty()) throw DatabaseError(name + QStringLiteral(": Cannot perform this operation on an empty dataset"));
    if (editing()) cancel();
    doBeforeDelete();
    DataRecord removed = rows_.takeAt(recNo_);
    if (removed.status != UpdateStatus::Inserted) deleted_.append(removed);
    if (recNo_ >= rows_.size()) recNo_ = int(rows_.size()) - 1;
    eof_ = rows_.isEmpty();
    notifyData();
    if (!cachedUpdates && !deleteSql.isEmpty()) {
        try {
            applyUpdates();
        } catch (...) {
            // nothing was deleted: show the row again
            deleted_.removeLast();
            rows_.insert(qMax(0, recNo_), removed);
            if (recNo_ < 0) recNo_ = 0;
            notifyData();
            throw;
        }
    }
    doAfterDelete();
    notifyScrolled();
}

// ---- cached updates ----

bool TDataSet::updatesPending() const {
    if (!deleted_.isEmpty()) return true;
    for (const DataRecord& r : rows_)
        if (r.status != UpdateStatus::Unmodified) return true;
    return false;
}

UpdateStatus TDataSet::updateStatus() const {
    const DataRecord* r = recordAt(recNo_);
    return r ? r->status : UpdateStatus::Unmodified;
}

void TDataSet::runStatement(const QString& sql, const DataRecord& rec) {
    Database* db = Database::find(databaseName);
    if (!db) throw EngineError::known(EngineCode::OpenFailed, QStringLiteral("Database not open: ") + databaseName);
    Statement st = db->prepare(sql);
    for (const QString& p : st.parameters()) {
        const bool old = p.startsWith(QLatin1String("OLD_"), Qt::CaseInsensitive);
        TField* f = findField(old ? p.mid(4) : p);
        if (!f && old) f = findField(p);  // a column really named OLD_...
        if (!f) continue;
        st.bind(p, old && findField(p.mid(4)) ? rec.original.value(f->index()) : rec.values.value(f->index()));
    }
    // A modify or delete that finds no row was changed or deleted meanwhile: never report it as saved.
    if (st.execute() == 0 && sql != insertSql)
        throw EngineError::known(EngineCode::RecordChanged, QStringLiteral("Record changed by another user"));
}

void TDataSet::applyUpdates() {
    if (!updatesPending()) return;
    Database* db = Database::find(databaseName);
    if (!db) throw EngineError::known(EngineCode::OpenFailed, QStringLiteral("Database not open: ") + databaseName);
    try {
        Transaction tx(*db);
        for (const DataRecord& r : deleted_)
            if (!deleteSql.isEmpty()) runStatement(deleteSql, r);
        for (const DataRecord& r : rows_) {
            if (r.status == UpdateStatus::Inserted && !insertSql.isEmpty()) runStatement(insertSql, r);
            if (r.status == UpdateStatus::Modified && !modifySql.isEmpty()) runStatement(modifySql, r);
        }
        tx.commit();
    } catch (const std::exception& e) {
        doUpdateError(e);
        throw;
    }
    commitUpdates();
}

void TDataSet::commitUpdates() {
    deleted_.clear();
    for (DataRecord& r : rows_) {
        r.original = r.values;
        r.status = UpdateStatus::Unmodified;
    }
}

void TDataSet::cancelUpdates() {
    if (editing()) TDataSet::cancel();
    QList<DataRecord> kept;
    for (DataRecord& r : rows_) {
        if (r.status == UpdateStatus::Inserted) continue;
        r.values = r.original;
        r.status = UpdateStatus::Unmodified;
        kept.append(r);
    }
    for (DataRecord& r : deleted_) {
        r.values = r.original;
        r.status = UpdateStatus::Unmodified;
        kept.append(r);
    }
    deleted_.clear();
    rows_ = kept;
    if (recNo_ >= rows_.size()) recNo_ = int(rows_.size()) - 1;
    if (recNo_ < 0 && !rows_.isEmpty()) recNo_ = 0;
    eof_ = rows_.isEmpty();
    notifyData();
    notifyScrolled();
}

// ---- calculated fields and observers ----

void TDataSet::calculate(int row) {
    if (!OnCalcFields || row < 0 || row >= rows_.size()) return;
    bool any = false;
    for (const auto& f : fields_) any = any || f->calculated;
    if (!any) return;
    const int saved = recNo_;
    const DataSetState savedState = state_;
    recNo_ = row;
    // Calculated values are written straight into the row, outside the edit states.
    state_ = DataSetState::Browse;
    calcRow_ = row;
    OnCalcFields(*this);
    calcRow_ = -1;
    state_ = savedState;
    recNo_ = saved;
}

void TDataSet::addObserver(DataSetObserver* o) {
    if (!observers_.contains(o)) observers_.append(o);
}
void TDataSet::removeObserver(DataSetObserver* o) { observers_.removeAll(o); }

void TDataSet::enableControls() {
    if (disableCount_ > 0) --disableCount_;
    if (disableCount_ == 0 && scrollPending_) {
        scrollPending_ = false;
        notifyData();
        notifyScrolled();
    }
}

void TDataSet::notifyScrolled() {
    if (disableCount_ > 0) {
        scrollPending_ = true;
        return;
    }
    for (DataSetObserver* o : observers_) o->scrolled(*this);
    doAfterScroll();
}

void TDataSet::notifyData() {
    if (disableCount_ > 0) {
        scrollPending_ = true;
        return;
    }
    for (DataSetObserver* o : observers_) o->dataSetChanged(*this);
}

void TDataSet::notifyRecord(int row) {
    if (disableCount_ > 0) return;
    for (DataSetObserver* o : observers_) o->recordChanged(*this, row);
}

}  // namespace kv
