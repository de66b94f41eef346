#pragma once
// A modal dialog with the system's keys: Enter moves to the next field, function
// keys click the button that carries them.

#include <QDialog>
#include <QHash>

class QAbstractButton;

namespace kv {

class TKVDialog : public QDialog {
    Q_OBJECT
public:
    explicit TKVDialog(QWidget* parent = nullptr);
    // The button clicked by the key (e.g. Qt::Key_F3), when enabled and visible.
    void bindKey(int key, QAbstractButton* button);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    // Enter in a field: true when the dialog handled it.
    virtual bool enterPressed(QWidget* field);

private:
    QHash<int, QAbstractButton*> keys_;
};

}  // namespace kv
