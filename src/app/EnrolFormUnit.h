#pragma once
#include "app/EnrolLogic.h"
#include "controls/KVDialog.h"

#include <QMap>

class QComboBox;
class QPushButton;

namespace kv {

class TKVEdit;

// "注册窗口": the first-run set-up; accepted when it completed.
class TEnrolForm : public TKVDialog {
    Q_OBJECT
public:
    explicit TEnrolForm(QWidget* parent = nullptr);
    TKVEdit* field(EnrolField f) const { return fields_.value(f); }
    TKVEdit* faxField() const { return fax_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* closeButton() const { return close_; }
    EnrolInput input() const;
    // Shows the numbering window; tests replace it.
    std::function<void()> showNumberingWindow;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void confirm();
    QMap<EnrolField, TKVEdit*> fields_;
    TKVEdit* fax_;
    QComboBox* imes_;
    QPushButton* ok_;
    QPushButton* close_;
};

}  // namespace kv
