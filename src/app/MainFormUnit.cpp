#include "app/MainFormUnit.h"

#include "app/AboutFormUnit.h"
#include "app/DMUnit.h"
#include "controls/Colors.h"
#include "data/AppValues.h"
#include "data/ErrorHandler.h"
#include "data/SqlFunctions.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

namespace kv {

TMainForm::TMainForm(TDM& dm, QWidget* parent) : QMainWindow(parent), dm_(dm) {
    setMinimumSize(600, 440);
    try {
        dm_.connect();
    } catch (const std::exception& e) {
        HandleAppException(this, e);
        createFailed_ = true;
        return;
    }
    AppDataDir = QDir::cleanPath(dm_.aliasDirectory());
    AppInstallDir = AppDataDir.section(QLatin1Char('/'), 0, -2);
    AppStoreName = QueryString(QString::fromUtf8("RORareDidoZuvi"),
                               QStringLiteral("SELECT COMPANY_NAME FROM  SYS_COMPANY_TABLE WHERE COMPANY_ID = 'G001'"));
    buildMenu();
    auto* background = new QWidget(this);
    background->setAutoFillBackground(true);
    QPalette pal = background->palette();
    pal.setColor(QPalette::Window, ColorFromBgr(0xC08000));
    background->setPalette(pal);
    setCentralWidget(background);
    const int width = QApplication::primaryScreen() ? QApplication::primaryScreen()->geometry().width() : 1024;
    statusText_ = new QLabel(AppStatusText, this);
    statusText_->setAlignment(Qt::AlignCenter);
    statusText_->setMinimumWidth(qRound(width / 5.0 * 3));
    statusDate_ = new QLabel(this);
    statusBar()->addWidget(statusText_);
    statusBar()->addWidget(statusDate_, 1);
    refreshDate();
    dateTimer_.setInterval(100000);
    connect(&dateTimer_, &QTimer::timeout, this, &TMainForm::refreshDate);
}

void TMainForm::buildMenu() {
    QMenu* system = menuBar()->addMenu(QStringLiteral("系统管理"));
    system->addAction(QStringLiteral("退出[T]"), this, &QWidget::close);
    QMenu* help = menuBar()->addMenu(QStringLiteral("帮助"));
    help->addAction(QStringLiteral("关于"), this, [this] {
        TAboutForm about(this);
        about.exec();
    });
}

void TMainForm::refreshDate() {
    statusDate_->setText(QDate::currentDate().toString(QStringLiteral("yyyy年MM月dd日")));
}

void TMainForm::showEvent(QShowEvent* e) {
    setWindowTitle(AppStoreName + QStringLiteral("vevuvovi"));
    dateTimer_.start();
    // Without a window manager a maximise request is not honoured: take the screen.
    if (const QScreen* s = screen()) setGeometry(s->availableGeometry());
    QMainWindow::showEvent(e);
}

}  // namespace kv
