#pragma once
// A fresh database in a temporary directory, its own KVSHOP_HOME, opened as the main
// database; and a message recorder that keeps every box and answers from a script.

#include "data/Database.h"
#include "data/MessageService.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace kvtest {

struct RecordedMessage {
    kv::MessageKind kind;
    QString caption;
    QString text;
};

class MessageRecorder : public kv::MessageService {
public:
    bool show(kv::MessageKind kind, const QString& caption, const QString& text, QObject* owner) override;
    QList<RecordedMessage> messages;
    QList<bool> answers;  // taken in order by questions; No when empty
    QStringList texts() const;
    void clear() { messages.clear(); }
};

// Installs a recorder for the lifetime of the object.
class RecordMessages {
public:
    RecordMessages();
    ~RecordMessages();
    MessageRecorder& operator*() { return *recorder_; }
    MessageRecorder* operator->() { return recorder_; }

private:
    MessageRecorder* recorder_;
    std::unique_ptr<kv::MessageService> previous_;
};

class TestDatabase {
public:
    TestDatabase();  // creates and opens; QFAIL-free: throws on failure
    ~TestDatabase();
    kv::Database& db() { return *db_; }
    QString dataDir() const;
    QString home() const { return dir_.path() + QStringLiteral("/home"); }
    int count(const QString& sql);  // first column of the first row as an integer

private:
    QTemporaryDir dir_;
    std::unique_ptr<kv::Database> db_;
};

}  // namespace kvtest
