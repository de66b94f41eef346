#pragma once
#include "controls/KVDialog.h"

#include <QStringList>

class QPlainTextEdit;

namespace kv {

// "信息显示窗口": the problems of a many-row operation, one entry each, savable to a file.
class TErrorMsgForm : public TKVDialog {
    Q_OBJECT
public:
    explicit TErrorMsgForm(QWidget* parent = nullptr, QString proposedFileName = {});
    // An entry followed by its separator line of 51 "-".
    void addEntry(const QString& text);
    QStringList lines() const;
    bool isEmpty() const;
    bool saveTo(const QString& path) const;

private:
    QPlainTextEdit* memo_;
    QString proposed_;
};

}  // namespace kv
