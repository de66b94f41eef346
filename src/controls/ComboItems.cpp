#include "controls/ComboItems.h"

#include "data/DataSet.h"

#include <QComboBox>
#include <QWidget>

namespace kv {

void LoadComboItems(QComboBox* box, TDataSet& query, const QString& fieldName) {
    QStringList items;
    TField& f = query.fieldByName(fieldName);
    for (query.first(); !query.eof(); query.next()) items << f.asString();
    box->clear();
    box->addItems(items);
}

void ForceFocus(QWidget* window) {
    if (!window) return;
    window->raise();
    window->activateWindow();
    window->setFocus();
}

}  // namespace kv
