#pragma once
// The progress window of long operations, run on the UI thread between start and stop.

#include "data/Progress.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QProgressBar;
class QPushButton;

namespace kv {

enum class TOptionKind { crCopy, crDelete, crFind };

class TThreadForm : public QDialog {
    Q_OBJECT
public:
    explicit TThreadForm(QWidget* parent = nullptr);
    QProgressBar* bar(int n) const { return bars_[n - 1]; }
    void setKind(TOptionKind kind);
    bool stopFlag = false;

protected:
    void showEvent(QShowEvent* e) override;
    void timerEvent(QTimerEvent* e) override;

private:
    QLabel* animation_;
    QProgressBar* bars_[3];
    QPushButton* stop_;
    TOptionKind kind_ = TOptionKind::crCopy;
    int frame_ = 0;
    int timer_ = 0;
};

class TKVThread : public ProgressSink {
public:
    QString Caption;
    bool ProgressBar1 = false;
    bool ProgressBar2 = false;
    bool ProgressBar3 = false;
    TOptionKind Kind = TOptionKind::crCopy;

    TKVThread() = default;
    ~TKVThread() override;
    bool active() const { return active_; }
    bool stopRequested() const { return stopRequested_; }
    void showBar(int n, bool visible);
    TThreadForm* window() const { return form_; }

    void start() override;
    void stop() override;
    void setStepCount(int n) override;
    void setStep(int i) override;
    void setItemCount(int n) override;
    void setItem(int i) override;

private:
    void setBar(int n, int max, int pos);
    QPointer<TThreadForm> form_;
    bool active_ = false;
    bool stopRequested_ = false;
};

}  // namespace kv
