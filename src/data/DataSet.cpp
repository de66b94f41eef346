#include "data/DataSet.h"

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
    case QMetaType::QDate: return v.toDate().toString(Qt::ISODate);
    default: return v.toString();
    }
}

// ---- TField ----

TField::TField(TDataSet& owner, QString name, ColumnType type, int size, int index)
    : displayLabel(name), owner_(owner), name_(std::move(name)), type_(type), size_(size), index_(index) {}

QVariant TField::value() const { return owner_.currentValue(index_); }
void TField::setValue(const QVariant& v) { owner_.setCurrentValue(index_, v); }
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
bool TField::isNumeric() const {
    return type_ == ColumnType::Integer || type_ == ColumnType::Float || type_ == ColumnType::Bcd;
}

// ---- TDataSet ----

TDataSet::TDataSet() = default;
TDataSet::~TDataSet() = default;

void TDataSet::open() {
    setState(DataSetState::Browse);
    first();
}

void TDataSet::close() {
    rows_.clear();
    recNo_ = -1;
    bof_ = eof_ = true;
    setState(DataSetState::Inactive);
}

TField* TDataSet::findField(const QString& name) const {
    for (const auto& f : fields_)
        if (f->fieldName().compare(name, Qt::CaseInsensitive) == 0) return f.get();
    return nullptr;
}

TField& TDataSet::fieldByName(const QString& name) const {
    TField* f = findField(name);
    if (!f) throw DatabaseError(QStringLiteral("Field '%1' not found").arg(name));
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

void TDataSet::first() {
    recNo_ = rows_.isEmpty() ? -1 : 0;
    bof_ = true;
    eof_ = rows_.isEmpty();
}

void TDataSet::last() {
    recNo_ = int(rows_.size()) - 1;
    eof_ = true;
    bof_ = rows_.isEmpty();
}

void TDataSet::next() {
    bof_ = false;
    if (recNo_ + 1 < rows_.size()) {
        ++recNo_;
        eof_ = false;
    } else {
        eof_ = true;
    }
}

void TDataSet::prior() {
    eof_ = false;
    if (recNo_ > 0) {
        --recNo_;
        bof_ = false;
    } else {
        bof_ = true;
    }
}

void TDataSet::moveBy(int distance) {
    for (; distance > 0; --distance) next();
    for (; distance < 0; ++distance) prior();
}

void TDataSet::setRecNo(int row) {
    if (rows_.isEmpty()) return;
    recNo_ = qBound(0, row, int(rows_.size()) - 1);
    bof_ = eof_ = false;
}

bool TDataSet::locate(const QStringList& names, const QVariantList& values) {
    QList<int> columns;
    for (const QString& n : names) columns << fieldByName(n).index();
    for (int r = 0; r < rows_.size(); ++r) {
        bool match = true;
        for (int i = 0; i < columns.size() && match; ++i)
            match = ValueText(rows_[r][columns[i]]) == ValueText(values.value(i));
        if (match) {
            setRecNo(r);
            return true;
        }
    }
    return false;
}

QVariant TDataSet::valueAt(int row, int column) const {
    if (row < 0 || row >= rows_.size()) return {};
    return rows_[row].value(column);
}

QVariant TDataSet::currentValue(int column) const { return valueAt(recNo_, column); }

void TDataSet::setCurrentValue(int column, const QVariant& v) {
    if (recNo_ < 0 || recNo_ >= rows_.size()) throw DatabaseError(QStringLiteral("No current record"));
    rows_[recNo_][column] = v;
}

}  // namespace kv
