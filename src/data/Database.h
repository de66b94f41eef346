#pragma once
// The database engine: one SQLite file in the data directory, reached by the
// database name every query gives. Statements are in the local dialect.

#include "data/Schema.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace kv {

inline constexpr const char* kDatabaseName = "RORareDidoZuvi";
inline constexpr const char* kAliasName = "KVAShopLink";
inline constexpr const char* kDatabaseFile = "kvshop.sqlite";

class Database;

// One prepared statement; rows are read with next().
class Statement {
public:
    Statement(Database& db, sqlite3_stmt* stmt, QStringList parameters);
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    ~Statement();

    const QStringList& parameters() const { return parameters_; }
    void bind(const QString& name, const QVariant& value);  // name without colon
    void bind(int index, const QVariant& value);            // 1-based; after a run, starts a new one
    void reset();
    bool next();       // throws EngineError
    int execute();     // runs to the end; rows changed

    int columnCount() const;
    QString columnName(int i) const;
    // The schema column the result column comes from, null for expressions.
    const ColumnDef* columnDef(int i) const;
    QVariant value(int i) const;

private:
    Database* db_;
    sqlite3_stmt* stmt_;
    QStringList parameters_;
    bool stepped_ = false;
};

class Database {
public:
    explicit Database(QString name = QString::fromUtf8(kDatabaseName));
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    enum class OpenMode { Existing, Create };
    // Opens the data directory's file. Existing never creates anything: a missing
    // directory or file, or a file that is no database of ours, is an EngineError.
    void open(const QString& dataDir, OpenMode mode = OpenMode::Existing);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    const QString& name() const { return name_; }
    const QString& dataDir() const { return dataDir_; }
    QString filePath() const;

    Statement prepare(const QString& localSql, bool parseParameters = true);
    // Runs one statement with optional named parameters; returns rows changed.
    int execute(const QString& localSql, const QVariantHash& params = {});

    // Names of all tables, with ".DB" when asked, sorted.
    QStringList tableNames(bool withExtension = true) const;

    // Creates every table, index and reference row (on an empty database).
    void createSchema();

    sqlite3* handle() const { return db_; }
    [[noreturn]] void raise(int rc, const QString& context = {}) const;

    // The open database registered under its name (every query names one).
    static Database* find(const QString& name);
    static Database& main();  // RORareDidoZuvi; throws when not open

    // Transactions nest as savepoints; use Transaction, not these.
    void begin();
    void commit();
    void rollback();
    int transactionDepth() const { return depth_; }

private:
    void configure();

    QString name_;
    QString dataDir_;
    sqlite3* db_ = nullptr;
    int depth_ = 0;
};

// The only way to change several tables at once: rolls back unless committed.
class Transaction {
public:
    explicit Transaction(Database& db);
    explicit Transaction(const QString& databaseName);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& db_;
    bool done_ = false;
};

}  // namespace kv
