#pragma once
// The data source: follows a data set's state and gives the window's controls and
// buttons the browse or edit look, within the user's rights.

#include "controls/DataSourceLook.h"
#include "data/DataSet.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace kv {

class TKVDataSource : public QObject, public DataSetObserver {
    Q_OBJECT
public:
    TKVDataSource(TDataSet* dataSet, QWidget* owner);
    ~TKVDataSource() override;
    TDataSet* dataSet() const { return dataSet_; }

    QColor BrowseColor = QColor(248, 252, 226);
    QColor EditColor = Qt::white;
    QColor ColorOnFocus = QColor(0xC7, 0xF7, 0xF8);
    bool ActiveColor = true;
    bool IS_MASTER_CHANGE = true;
    bool IS_DETAIL_CHANGE = false;
    Rights rights;

    // A tool or push button (any QObject with an "enabled" property: buttons, actions).
    void setButton(ButtonRole role, QObject* button);
    // The controls that show this data set; without a list, every control of the owner.
    void addControl(QWidget* control, ControlKind kind);
    std::function<void()> OnStateChange;

    void applyLook();
    bool editLook() const;

private:
    void stateChanged(TDataSet&) override;
    void dataSetDestroyed(TDataSet&) override { dataSet_ = nullptr; }
    TDataSet* dataSet_;
    QPointer<QWidget> owner_;
    QList<QPair<ButtonRole, QPointer<QObject>>> buttons_;
    QList<QPair<QPointer<QWidget>, ControlKind>> controls_;
};

}  // namespace kv
