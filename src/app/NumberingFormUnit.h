#pragma once
#include "controls/KVDialog.h"

class QCheckBox;
class QPushButton;

namespace kv {

// "编号方式设置窗口": which numbers the system fills in, and the automatic backup.
class TNumberingForm : public TKVDialog {
    Q_OBJECT
public:
    explicit TNumberingForm(QWidget* parent = nullptr);
    QCheckBox* box(int i) const { return boxes_[i]; }
    QPushButton* okButton() const { return ok_; }
    void load();
    void save();

protected:
    void showEvent(QShowEvent* e) override;

private:
    QCheckBox* boxes_[5];
    QPushButton* ok_;
};

}  // namespace kv
