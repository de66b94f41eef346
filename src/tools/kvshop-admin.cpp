// Command-line maintenance: create the database, run one statement, list tables.

#include "data/Database.h"
#include "data/DataSet.h"
#include "data/Errors.h"
#include "platform/EngineConfig.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

using namespace kv;

namespace {

int usage() {
    std::fputs("usage: kvshop-admin create-database DIR\n"
               "       kvshop-admin sql 'STATEMENT'\n"
               "       kvshop-admin tables\n",
               stderr);
    return 2;
}

void err(const QString& text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }
void out(const QString& text) { std::fprintf(stdout, "%s\n", text.toUtf8().constData()); }

bool openAlias(Database& db) {
    const auto dir = AliasDirectory(QString::fromUtf8(kAliasName));
    if (!dir) {
        err(QStringLiteral("没有找到数据库连接参数 %1 (%2)").arg(QString::fromUtf8(kAliasName), EngineConfigFile()));
        return false;
    }
    db.open(*dir);
    return true;
}

QString cell(const Statement& st, int i) {
    const QVariant v = st.value(i);
    const ColumnDef* def = st.columnDef(i);
    if (def && def->type == ColumnType::Date) return v.toString().left(10);
    return ValueText(v, def ? def->type : ColumnType::Text);
}

int runSql(const QString& sql) {
    Database db;
    if (!openAlias(db)) return 1;
    Statement st = db.prepare(sql, false);
    if (st.columnCount() == 0) {
        out(QString::number(st.execute()));
        return 0;
    }
    QStringList names;
    for (int i = 0; i < st.columnCount(); ++i) names << st.columnName(i);
    out(names.join(QLatin1Char('\t')));
    while (st.next()) {
        QStringList row;
        for (int i = 0; i < st.columnCount(); ++i) row << cell(st, i);
        out(row.join(QLatin1Char('\t')));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) return usage();
    const QString command = args.first();
    try {
        if (command == QLatin1String("create-database") && args.size() == 2) {
            const QString error = CreateDatabase(args[1], QString::fromUtf8(kAliasName));
            if (!error.isEmpty()) {
                err(error);
                return 1;
            }
            out(QStringLiteral("数据库已建立: ") + args[1]);
            return 0;
        }
        if (command == QLatin1String("sql") && args.size() == 2) return runSql(args[1]);
        if (command == QLatin1String("tables") && args.size() == 1) {
            Database db;
            if (!openAlias(db)) return 1;
            for (const QString& t : db.tableNames(true)) out(t);
            return 0;
        }
    } catch (const Exception& e) {
        err(e.className() + QStringLiteral(": ") + e.message());
        return 1;
    }
    return usage();
}
