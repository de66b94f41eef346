#include "controls/KVThreadUnit.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace kv {

TThreadForm::TThreadForm(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("提示窗口"));
    setFixedSize(355, 158);
    animation_ = new QLabel(this);
    animation_->setGeometry(8, 12, 337, 45);
    animation_->setAlignment(Qt::AlignCenter);
    const int tops[3] = {106, 86, 66};
    for (int i = 0; i < 3; ++i) {
        bars_[i] = new QProgressBar(this);
        bars_[i]->setGeometry(8, tops[i], 337, 18);
        bars_[i]->setTextVisible(false);
        bars_[i]->hide();
    }
    stop_ = new QPushButton(QStringLiteral("停止"), this);
    stop_->setGeometry(139, 129, 76, 27);
    connect(stop_, &QPushButton::clicked, this, [this] { stopFlag = true; });
}

void TThreadForm::setKind(TOptionKind kind) {
    kind_ = kind;
    frame_ = 0;
}

void TThreadForm::showEvent(QShowEvent* e) {
    setCursor(Qt::ArrowCursor);
    stopFlag = false;
    if (!timer_) timer_ = startTimer(120);
    QDialog::showEvent(e);
}

void TThreadForm::timerEvent(QTimerEvent*) {
    // A moving line of marks; each kind its own picture.
    static const char* marks[] = {"▤ ▶ ▣", "▤ ▶ ✕", "◎ ▣"};
    const QString dots = QString(frame_ % 8, QLatin1Char('.'));
    animation_->setText(QString::fromUtf8(marks[int(kind_)]) + QStringLiteral("  ") + dots);
    ++frame_;
}

TKVThread::~TKVThread() { delete form_; }

void TKVThread::showBar(int n, bool visible) {
    (n == 1 ? ProgressBar1 : n == 2 ? ProgressBar2 : ProgressBar3) = visible;
    if (form_) form_->bar(n)->setVisible(visible);
}

void TKVThread::start() {
    if (active_) return;
    try {
        if (!form_) form_ = new TThreadForm(QApplication::activeWindow());
        form_->setWindowTitle(Caption);
        form_->setKind(Kind);
        form_->bar(1)->setVisible(ProgressBar1);
        form_->bar(2)->setVisible(ProgressBar2);
        form_->bar(3)->setVisible(ProgressBar3);
        if (const QScreen* s = QApplication::primaryScreen())
            form_->move(s->geometry().center() - form_->rect().center());
        form_->show();
        form_->repaint();
        active_ = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } catch (...) {
        active_ = false;
        throw;
    }
}

void TKVThread::stop() {
    if (form_) form_->hide();
    if (active_) QApplication::restoreOverrideCursor();
    active_ = false;
}

void TKVThread::setBar(int n, int max, int pos) {
    if (!form_) return;
    QProgressBar* b = form_->bar(n);
    if (max >= 0) b->setMaximum(qMax(1, max));
    b->setValue(pos);
    b->repaint();
}

void TKVThread::setStepCount(int n) { setBar(1, n, 0); }
void TKVThread::setStep(int i) { setBar(1, -1, i); }
void TKVThread::setItemCount(int n) { setBar(2, n, 0); }
void TKVThread::setItem(int i) {
    setBar(2, -1, i);
    if (form_) stopRequested_ = form_->stopFlag;
}

}  // namespace kv
