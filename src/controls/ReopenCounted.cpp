#include "controls/ReopenCounted.h"

#include "controls/KVThreadUnit.h"
#include "data/MessageService.h"
#include "data/SqlFunctions.h"

#include <QApplication>

namespace kv {

void ReopenQueryCounted(TQuery& query, const QString& sql, const QString& notFoundText) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct RestoreCursor {
        ~RestoreCursor() { QApplication::restoreOverrideCursor(); }
    } restore;
    {
        TKVThread progress;
        progress.Caption = QStringLiteral("正在读取数据，请稍候.....");
        progress.Kind = TOptionKind::crFind;
        ProgressRun run(progress);
        ReopenQuery(query, sql);
    }
    if (!query.isEmpty()) {
        query.next();
        query.prior();
        ShowWarning(QStringLiteral("共找到 ") + QString::number(query.recordCount()) + QStringLiteral(" 个符合条件的纪录"));
    } else {
        ShowWarning(notFoundText);
    }
}

void ReopenQueryCounted(TQuery& query, const QString& sql) {
    ReopenQueryCounted(query, sql, QStringLiteral("没有找到符合条件的纪录"));
}

}  // namespace kv
