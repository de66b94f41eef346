#pragma once
#include <QMainWindow>
#include <QTimer>

class QLabel;

namespace kv {

class TDM;

// The main frame. Creation connects the database and reads the store name.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(TDM& dm, QWidget* parent = nullptr);
    bool createFailed() const { return createFailed_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void buildMenu();
    void refreshDate();
    TDM& dm_;
    bool createFailed_ = false;
    QLabel* statusText_ = nullptr;
    QLabel* statusDate_ = nullptr;
    QTimer dateTimer_;
};

}  // namespace kv
