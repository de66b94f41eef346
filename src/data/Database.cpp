#include "data/Database.h"

#include "data/Dialect.h"
#include "data/Errors.h"
#include "data/GbkText.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

namespace kv {
namespace {

QHash<QString, Database*>& registry() {
    static QHash<QString, Database*> open;
    return open;
}

// gbk_len(text): GBK bytes of a UTF-8 text, for the width checks of text columns.
void gbkLenFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) { sqlite3_result_null(ctx); return; }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int bytes = sqlite3_value_bytes(argv[0]);
    bool ascii = true;
    for (int i = 0; i < bytes && ascii; ++i) ascii = static_cast<unsigned char>(text[i]) < 0x80;
    sqlite3_result_int(ctx, ascii ? bytes : GbkLength(QString::fromUtf8(text, bytes)));
}

// One mapping from SQLite result codes to the engine entries the handler knows.
EngineErrorEntry entryFor(int rc, const QString& message) {
    EngineErrorEntry e;
    e.message = message;
    int code = 0;
    switch (rc) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE: code = EngineCode::KeyViolation; break;
    case SQLITE_CONSTRAINT_FOREIGNKEY: code = EngineCode::ForeignKey; break;
    case SQLITE_CONSTRAINT_CHECK:
        if (message.contains(QLatin1String("W_"))) code = EngineCode::ValueTooLarge;
        break;
    case SQLITE_TOOBIG: code = EngineCode::ValueTooLarge; break;
    default:
        switch (rc & 0xff) {
        case SQLITE_CANTOPEN:
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
        case SQLITE_PERM: code = EngineCode::OpenFailed; break;
        default: break;
        }
    }
    if (code) {
        e.errorCode = code;
        e.category = code >> 8;
        e.subCode = code & 0xff;
    } else {
        // Unknown to the handler: general SQL category, the SQLite code as native error.
        e.category = 0x21;
        e.subCode = rc & 0xff;
        e.errorCode = (e.category << 8) | e.subCode;
        e.nativeError = rc;
    }
    return e;
}

}  // namespace

EngineError EngineError::known(int code, const QString& message) {
    EngineErrorEntry e;
    e.errorCode = code;
    e.category = code >> 8;
    e.subCode = code & 0xff;
    e.message = message;
    return EngineError(message, {e});
}

// ---- Statement ----

Statement::Statement(Database& db, sqlite3_stmt* stmt, QStringList parameters)
    : db_(&db), stmt_(stmt), parameters_(std::move(parameters)) {}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), stmt_(other.stmt_), parameters_(std::move(other.parameters_)), stepped_(other.stepped_) {
    other.stmt_ = nullptr;
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::bind(const QString& name, const QVariant& value) {
    const QByteArray key = ':' + name.toUtf8();
    const int index = sqlite3_bind_parameter_index(stmt_, key.constData());
    if (index > 0) bind(index, value);
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    stepped_ = false;
}

void Statement::bind(int index, const QVariant& value) {
    if (stepped_) reset();
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(stmt_, index);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong: rc = sqlite3_bind_int64(stmt_, index, value.toLongLong()); break;
        case QMetaType::Double:
        case QMetaType::Float: rc = sqlite3_bind_double(stmt_, index, value.toDouble()); break;
        case QMetaType::QDate: {
            const QByteArray t = value.toDate().toString(Qt::ISODate).toUtf8();
            rc = sqlite3_bind_text(stmt_, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QByteArray: {
            const QByteArray b = value.toByteArray();
            rc = sqlite3_bind_blob(stmt_, index, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray t = value.toString().toUtf8();
            rc = sqlite3_bind_text(stmt_, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        }
        }
    }
    if (rc != SQLITE_OK) db_->raise(rc);
}

bool Statement::next() {
    stepped_ = true;
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    db_->raise(sqlite3_extended_errcode(db_->handle()));
}

int Statement::execute() {
    while (next()) {
    }
    return sqlite3_changes(db_->handle());
}

int Statement::columnCount() const { return sqlite3_column_count(stmt_); }

QString Statement::columnName(int i) const { return QString::fromUtf8(sqlite3_column_name(stmt_, i)); }

const ColumnDef* Statement::columnDef(int i) const {
    const char* table = sqlite3_column_table_name(stmt_, i);
    const char* column = sqlite3_column_origin_name(stmt_, i);
    if (!table || !column) return nullptr;
    const TableDef* def = FindTable(QString::fromUtf8(table));
    return def ? def->column(QString::fromUtf8(column)) : nullptr;
}

QVariant Statement::value(int i) const {
    switch (sqlite3_column_type(stmt_, i)) {
    case SQLITE_INTEGER: return QVariant(qlonglong(sqlite3_column_int64(stmt_, i)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(stmt_, i));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i)),
                                          sqlite3_column_bytes(stmt_, i)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt_, i)),
                                   sqlite3_column_bytes(stmt_, i)));
    default: return QVariant();
    }
}

// ---- Database ----

Database::Database(QString name) : name_(std::move(name)) {}

Database::~Database() { close(); }

QString Database::filePath() const { return QDir(dataDir_).filePath(QString::fromUtf8(kDatabaseFile)); }

void Database::open(const QString& dataDir, OpenMode mode) {
    close();
    dataDir_ = dataDir;
    const QString path = filePath();
    if (mode == OpenMode::Existing && !QFileInfo(path).isFile())
        throw EngineError::known(EngineCode::OpenFailed, QStringLiteral("Cannot open database file: ") + path);
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX;
    if (mode == OpenMode::Create) flags |= SQLITE_OPEN_CREATE;
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close(db);
        EngineErrorEntry e = entryFor(SQLITE_CANTOPEN, msg + QStringLiteral(": ") + path);
        throw EngineError(e.message, {e});
    }
    db_ = db;
    try {
        configure();
        if (mode == OpenMode::Existing) {
            // A file of ours holds the users table; anything else is not our database.
            Statement probe = prepare(QStringLiteral(
                "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = 'SYS_USER_TABLE'"));
            if (!probe.next() || probe.value(0).toInt() != 1)
                throw EngineError::known(EngineCode::OpenFailed,
                                         QStringLiteral("Not a kvshop database: ") + path);
        }
    } catch (...) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw;
    }
    registry().insert(name_, this);
}

void Database::configure() {
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, 5000);
    sqlite3_create_function_v2(db_, "gbk_len", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                               gbkLenFunction, nullptr, nullptr, nullptr);
    // A completed sale must survive a power cut.
    for (const char* pragma : {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL",
                               "PRAGMA case_sensitive_like = ON", "PRAGMA foreign_keys = OFF"}) {
        char* err = nullptr;
        const int rc = sqlite3_exec(db_, pragma, nullptr, nullptr, &err);
        if (rc != SQLITE_OK) {
            const QString msg = QString::fromUtf8(err ? err : sqlite3_errstr(rc));
            sqlite3_free(err);
            EngineErrorEntry e = entryFor(sqlite3_extended_errcode(db_), msg);
            throw EngineError(msg, {e});
        }
    }
}

void Database::close() {
    if (!db_) return;
    registry().remove(name_);
    sqlite3_close_v2(db_);
    db_ = nullptr;
    depth_ = 0;
}

void Database::raise(int rc, const QString& context) const {
    QString msg = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString::fromUtf8(sqlite3_errstr(rc));
    if (!context.isEmpty()) msg += QStringLiteral(" [") + context + QLatin1Char(']');
    EngineErrorEntry e = entryFor(rc, msg);
    throw EngineError(msg, {e});
}

Statement Database::prepare(const QString& localSql, bool parseParameters) {
    if (!db_) throw EngineError::known(EngineCode::OpenFailed, QStringLiteral("Database not open: ") + name_);
    const Translation tr = TranslateSql(localSql, parseParameters);
    const QByteArray text = tr.sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(db_, text.constData(), int(text.size()), &stmt, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        raise(sqlite3_extended_errcode(db_), localSql);
    }
    if (!stmt) throw EngineError::known(0, QStringLiteral("Empty statement"));
    return Statement(*this, stmt, tr.parameters);
}

int Database::execute(const QString& localSql, const QVariantHash& params) {
    Statement st = prepare(localSql);
    for (auto it = params.begin(); it != params.end(); ++it) st.bind(it.key(), it.value());
    return st.execute();
}

QStringList Database::tableNames(bool withExtension) const {
    QStringList names;
    if (!db_) return names;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db_, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' ORDER BY name",
                       -1, &stmt, nullptr);
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        QString n = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        names << (withExtension ? n + QStringLiteral(".DB") : n);
    }
    sqlite3_finalize(stmt);
    return names;
}

void Database::createSchema() {
    Transaction tx(*this);
    for (const TableDef& table : AllTables())
        for (const QString& sql : CreateTableStatements(table)) {
            char* err = nullptr;
            if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
                sqlite3_free(err);
                raise(sqlite3_extended_errcode(db_), sql);
            }
        }
    for (const ReferenceRow& row : ReferenceRows()) {
        QStringList cols, marks;
        for (const auto& [col, value] : row.values) {
            cols << QString::fromUtf8(col);
            marks << QStringLiteral("?");
        }
        Statement st = prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                   .arg(QString::fromUtf8(row.table), cols.join(QLatin1Char(',')),
                                        marks.join(QLatin1Char(','))),
                               false);
        int i = 1;
        for (const auto& [col, value] : row.values) st.bind(i++, value);
        st.execute();
    }
    tx.commit();
}

Database* Database::find(const QString& name) { return registry().value(name, nullptr); }

Database& Database::main() {
    Database* db = find(QString::fromUtf8(kDatabaseName));
    if (!db) throw EngineError::known(EngineCode::OpenFailed, QStringLiteral("Database not open"));
    return *db;
}

void Database::begin() {
    execute(QStringLiteral("SAVEPOINT kv_%1").arg(depth_));
    ++depth_;
}

void Database::commit() {
    execute(QStringLiteral("RELEASE kv_%1").arg(depth_ - 1));
    --depth_;
}

void Database::rollback() {
    const QString sp = QStringLiteral("kv_%1").arg(depth_ - 1);
    --depth_;
    char* err = nullptr;
    sqlite3_exec(db_, ("ROLLBACK TO " + sp + "; RELEASE " + sp).toUtf8().constData(), nullptr, nullptr, &err);
    sqlite3_free(err);
}

// ---- Transaction ----

Transaction::Transaction(Database& db) : db_(db) { db_.begin(); }

Transaction::Transaction(const QString& databaseName)
    : Transaction(databaseName.isEmpty() ? Database::main() : *[&] {
          Database* d = Database::find(databaseName);
          if (!d) throw EngineError::known(EngineCode::OpenFailed, QStringLiteral("Database not open: ") + databaseName);
          return d;
      }()) {}

Transaction::~Transaction() {
    if (!done_) db_.rollback();
}

void Transaction::commit() {
    db_.commit();
    done_ = true;
}

}  // namespace kv
