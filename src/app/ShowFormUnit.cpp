#include "app/ShowFormUnit.h"

#include "controls/KV3DLabel.h"
#include "data/AppValues.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace kv {

int SplashMilliseconds() {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("KVSHOP_SPLASH_MS", &ok);
    return ok && ms >= 0 ? ms : 3000;
}

TShowForm::TShowForm(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    LoadToday();
    resize(520, 300);
    auto* title = new TKV3DLabel(QStringLiteral("丰和超市收银管理系统"), this);
    QFont f = title->font();
    f.setPointSize(26);
    f.setBold(true);
    title->setFont(f);
    QPalette p = title->palette();
    p.setColor(QPalette::WindowText, QColor(0xc0, 0x10, 0x10));
    title->setPalette(p);
    title->setTransparent(true);
    title->LightColor = QColor(0xff, 0xf0, 0xc0);
    title->DarkColor = QColor(0x60, 0x30, 0x00);
    auto* version = new QLabel(QStringLiteral("版本 %1    正在启动，请稍候……").arg(QApplication::applicationVersion()), this);
    version->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(3);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addStretch(2);
    layout->addWidget(version);
    if (const QScreen* s = QApplication::primaryScreen()) move(s->geometry().center() - rect().center());
    tmMainTimer.setSingleShot(true);  // stops itself on its first tick
    tmMainTimer.setInterval(SplashMilliseconds());
}

void TShowForm::showEvent(QShowEvent* e) {
    tmMainTimer.start();
    QWidget::showEvent(e);
}

void TShowForm::paintEvent(QPaintEvent*) {
    // The picture: a warm gradient with a row of shelves, drawn rather than shipped.
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0xff, 0xf4, 0xd6));
    g.setColorAt(1, QColor(0xf6, 0xc8, 0x6a));
    p.fillRect(rect(), g);
    p.setPen(QPen(QColor(0xa0, 0x60, 0x20), 3));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
    const QColor goods[] = {QColor(0xd0, 0x30, 0x30), QColor(0x30, 0x90, 0x40), QColor(0x30, 0x60, 0xc0),
                            QColor(0xe0, 0xa0, 0x20)};
    for (int shelf = 0; shelf < 2; ++shelf) {
        const int y = 40 + shelf * 36;
        p.fillRect(30, y + 26, width() - 60, 4, QColor(0x80, 0x50, 0x20));
        for (int i = 0; i < 18; ++i)
            p.fillRect(36 + i * 25, y + 4 + (i % 3) * 3, 18, 22 - (i % 3) * 3, goods[(i + shelf) % 4]);
    }
}

}  // namespace kv
