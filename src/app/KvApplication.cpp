#include "app/KvApplication.h"

#include "app/AboutFormUnit.h"
#include "app/DMUnit.h"
#include "app/EnrolFormUnit.h"
#include "app/LogonFormUnit.h"
#include "app/LogonLogic.h"
#include "app/MainFormUnit.h"
#include "app/ShowFormUnit.h"
#include "controls/QtMessageService.h"
#include "data/AppValues.h"
#include "data/ErrorHandler.h"

#include <QFont>
#include <QScreen>

namespace kv {

KvApplication::KvApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("kvshop"));
    setApplicationVersion(QStringLiteral("1.0"));
}

bool KvApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleCurrentException(receiver);
        return true;
    }
}

int RunProgram(KvApplication& app) {
    InstallMessageService(std::make_unique<QtMessageService>());
    if (const QScreen* s = QApplication::primaryScreen()) AppScreenWidth = s->geometry().width();
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans SC"), font.family()});
    QApplication::setFont(font);

    auto splash = std::make_unique<TShowForm>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    QApplication::setApplicationDisplayName(QStringLiteral("丰和超市收银管理系统"));

    TDM dm;
    if (dm.startFailed()) return 1;
    TMainForm main(dm);
    if (main.createFailed()) return 1;
    TAboutForm about(&main);

    while (!splash->timerDone()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    splash.reset();

    int admins = 0;
    try {
        admins = CountAdministrators();
    } catch (const std::exception& e) {
        HandleAppException(nullptr, e);
        return 1;
    }
    if (admins > 0) {
        TLogonForm logon;
        if (logon.exec() != QDialog::Accepted) return 0;
    } else {
        TEnrolForm enrol;
        if (enrol.exec() != QDialog::Accepted) return 0;
    }
    main.showMaximized();
    return app.exec();
}

}  // namespace kv
