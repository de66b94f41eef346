#include "controls/DataSetModel.h"

namespace kv {

DataSetModel::DataSetModel(TDataSet* ds, QObject* parent) : QAbstractTableModel(parent), dataSet_(ds) {
    dataSet_->addObserver(this);
    rebuildColumns();
}

DataSetModel::~DataSetModel() {
    if (dataSet_) dataSet_->removeObserver(this);
}

void DataSetModel::dataSetDestroyed(TDataSet&) {
    beginResetModel();
    dataSet_ = nullptr;
    columns_.clear();
    endResetModel();
}

void DataSetModel::rebuildColumns() {
    columns_.clear();
    if (!dataSet_) return;
    for (int i = 0; i < dataSet_->fieldCount(); ++i)
        if (dataSet_->field(i)->visible) columns_ << i;
}

TField* DataSetModel::fieldAt(int column) const {
    return column >= 0 && column < columns_.size() ? dataSet_->field(columns_[column]) : nullptr;
}

int DataSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !dataSet_ ? 0 : dataSet_->recordCount();
}
int DataSetModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(columns_.size()); }

QVariant DataSetModel::data(const QModelIndex& index, int role) const {
    TField* f = fieldAt(index.column());
    if (!f) return {};
    if (role == Qt::DisplayRole) return ValueText(dataSet_->valueAt(index.row(), f->index()), f->dataType());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(f->isNumeric() ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant DataSetModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal && role == Qt::DisplayRole)
        if (TField* f = fieldAt(section)) return f->displayLabel;
    return QAbstractTableModel::headerData(section, o, role);
}

void DataSetModel::dataSetChanged(TDataSet&) {
    beginResetModel();
    rebuildColumns();
    endResetModel();
}

void DataSetModel::recordChanged(TDataSet&, int row) {
    if (row >= 0 && row < rowCount()) Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void DataSetModel::scrolled(TDataSet& ds) { Q_EMIT currentRowChanged(ds.recNo()); }

}  // namespace kv
