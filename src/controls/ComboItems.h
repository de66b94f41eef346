#pragma once
#include <QString>

class QComboBox;
class QWidget;

namespace kv {

class TDataSet;

// Replaces the box's items with the field's text of every row, from the first.
void LoadComboItems(QComboBox* box, TDataSet& query, const QString& fieldName);
// Brings a window to the foreground and gives it the focus.
void ForceFocus(QWidget* window);

}  // namespace kv
