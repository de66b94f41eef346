#include "TestDatabase.h"

#include "platform/EngineConfig.h"

#include <QDir>
#include <stdexcept>

namespace kvtest {

bool MessageRecorder::show(kv::MessageKind kind, const QString& caption, const QString& text, QObject*) {
    messages.append({kind, caption, text});
    if (kind != kv::MessageKind::Question) return true;
    return answers.isEmpty() ? false : answers.takeFirst();
}

QStringList MessageRecorder::texts() const {
    QStringList t;
    for (const auto& m : messages) t << m.text;
    return t;
}

RecordMessages::RecordMessages() {
    auto r = std::make_unique<MessageRecorder>();
    recorder_ = r.get();
    previous_ = kv::InstallMessageService(std::move(r));
}

RecordMessages::~RecordMessages() { kv::InstallMessageService(std::move(previous_)); }

TestDatabase::TestDatabase() {
    if (!dir_.isValid()) throw std::runtime_error("no temporary directory");
    qputenv("KVSHOP_HOME", home().toUtf8());
    const QString error = kv::CreateDatabase(dataDir(), QString::fromUtf8(kv::kAliasName));
    if (!error.isEmpty()) throw std::runtime_error(error.toStdString());
    db_ = std::make_unique<kv::Database>();
    db_->open(dataDir());
}

TestDatabase::~TestDatabase() { db_->close(); }

QString TestDatabase::dataDir() const { return dir_.path() + QStringLiteral("/install/data"); }

int TestDatabase::count(const QString& sql) {
    kv::Statement st = db_->prepare(sql, false);
    return st.next() ? st.value(0).toInt() : -1;
}

}  // namespace kvtest
