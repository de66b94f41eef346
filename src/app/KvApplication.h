#pragma once
#include <QApplication>

namespace kv {

// Every exception that escapes an event handler reaches the application handler;
// the window stays usable.
class KvApplication : public QApplication {
    Q_OBJECT
public:
    KvApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The program entry: splash, data module, main window, logon or first-run set-up.
int RunProgram(KvApplication& app);

}  // namespace kv
