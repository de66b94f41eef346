#include "data/SqlFunctions.h"

#include "data/Amounts.h"
#include "data/Errors.h"
#include "data/MessageService.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kv {

QString SqlFormat(const QString& format, const QStringList& args) {
    QString out;
    out.reserve(format.size() + 32);
    int next = 0;
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == QLatin1Char('%') && i + 1 < format.size()) {
            const QChar k = format[i + 1];
            if (k == QLatin1Char('s') || k == QLatin1Char('d')) {
                out += args.value(next++);
                ++i;
                continue;
            }
            if (k == QLatin1Char('%')) {
                out += c;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

bool ExecSql(const QString& database, const QString& sql) {
    try {
        TQuery q(database);
        q.paramCheck = false;
        q.setSql(sql);
        q.execSql();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool ExecSqlFmt(const QString& database, const QString& format, const QStringList& args) {
    return ExecSql(database, SqlFormat(format, args));
}

std::unique_ptr<TQuery> OpenSqlQuery(const QString& database, const QString& sql) {
    auto q = std::make_unique<TQuery>(database);
    q->paramCheck = false;
    q->setSql(sql);
    q->open();
    return q;
}

QString QueryString(const QString& database, const QString& sql) {
    auto q = OpenSqlQuery(database, sql);
    if (q->isEmpty() || q->fieldCount() == 0) return {};
    return q->field(0)->asString();
}

QString QueryStringFmt(const QString& database, const QString& format, const QStringList& args) {
    return QueryString(database, SqlFormat(format, args));
}

double QueryNumber(const QString& database, const QString& sql) {
    auto q = OpenSqlQuery(database, sql);
    if (q->isEmpty() || q->fieldCount() == 0) return 0;
    return ParseMoney(q->field(0)->asString());
}

QVariant QueryValue(const QString& database, const QString& sql) {
    auto q = OpenSqlQuery(database, sql);
    if (q->isEmpty()) return {};
    if (q->fieldCount() == 1) return q->field(0)->value();
    QVariantList values;
    for (int i = 0; i < q->fieldCount(); ++i) values << q->field(i)->value();
    return values;
}

QVariant QueryValueFmt(const QString& database, const QString& format, const QStringList& args) {
    return QueryValue(database, SqlFormat(format, args));
}

void ReopenQuery(TQuery& query, const QString& sql) {
    query.close();
    query.setSql(sql);
    query.open();
}

bool CheckDateText(const QString& text, const QString& label) {
    if (text.isEmpty()) return false;
    const QString t = text.trimmed();
    if (t.size() == 10 && QDate::fromString(t, QStringLiteral("yyyy-MM-dd")).isValid()) return true;
    ShowWarning(QStringLiteral("错误的") + label + QStringLiteral(",正确的") + label +
                QStringLiteral("格式是:\"2000-09-18\" "));
    return false;
}

bool IsDirectory(const QString& path) { return QFileInfo(path).isDir(); }

QString GetTempDir() { return QDir::tempPath() + QLatin1Char('/'); }

bool CopyFiles(const QString& fromPattern, const QString& toDir) {
    const QFileInfo from(fromPattern);
    QDir source = from.absoluteDir();
    const QStringList names = source.entryList({from.fileName()}, QDir::Files);
    if (names.isEmpty()) return false;
    if (!QDir().mkpath(toDir)) return false;
    for (const QString& n : names) {
        const QString target = QDir(toDir).filePath(n);
        QFile::remove(target);
        if (!QFile::copy(source.filePath(n), target)) return false;
    }
    return true;
}

}  // namespace kv

namespace kv {

int DeleteTableFiles(const QString& directory) {
    QDir dir(directory);
    if (!dir.exists(QString::fromUtf8(kInstallMarker))) return 0;
    int deleted = 0;
    for (const QFileInfo& f : dir.entryInfoList(QDir::Files | QDir::Hidden)) {
        const QString suffix = f.suffix().toUpper();
        if (suffix != QLatin1String("DB") && suffix != QLatin1String("MB")) continue;
        if (f.fileName().toUpper() == QLatin1String("SYS_BACK_TABLE.DB")) continue;
        if (QFile::remove(f.filePath())) ++deleted;
    }
    return deleted;
}

}  // namespace kv
