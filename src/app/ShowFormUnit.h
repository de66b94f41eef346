#pragma once
#include <QTimer>
#include <QWidget>

namespace kv {

// How long the splash stays: 3000 ms, or KVSHOP_SPLASH_MS (tests use 0).
int SplashMilliseconds();

// The splash: title in raised lettering, a picture and the version line.
class TShowForm : public QWidget {
    Q_OBJECT
public:
    explicit TShowForm(QWidget* parent = nullptr);
    QTimer tmMainTimer;
    bool timerDone() const { return !tmMainTimer.isActive(); }

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace kv
