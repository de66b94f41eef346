#pragma once
// A table model over a data set's visible fields, for the list grids.

#include "data/DataSet.h"

#include <QAbstractTableModel>

namespace kv {

class DataSetModel : public QAbstractTableModel, public DataSetObserver {
    Q_OBJECT
public:
    explicit DataSetModel(TDataSet* dataSet, QObject* parent = nullptr);
    ~DataSetModel() override;
    TDataSet* dataSet() const { return dataSet_; }
    TField* fieldAt(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    void currentRowChanged(int row);

private:
    void dataSetChanged(TDataSet&) override;
    void recordChanged(TDataSet&, int row) override;
    void scrolled(TDataSet&) override;
    void dataSetDestroyed(TDataSet&) override;
    void rebuildColumns();

    TDataSet* dataSet_;
    QList<int> columns_;  // field indexes of the visible fields
};

}  // namespace kv
