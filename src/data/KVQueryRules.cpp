// The rule arrays of the query: automatic values for new rows, field checks and
// database checks before a save.
#include "data/KVQuery.h"

#include "data/Errors.h"
#include "data/MessageService.h"
#include "data/Numbering.h"
#include "data/SqlFunctions.h"
#include "data/SqlText.h"

#include <QDate>

namespace kv {

namespace {
bool isGenerator(const QString& kind) {
    return kind == QLatin1String("C") || kind == QLatin1String("T") || kind == QLatin1String("Y") ||
           kind == QLatin1String("M") || kind == QLatin1String("D");
}
}  // namespace

bool TKVQuery::fillInsertData(bool generatorsOnly, const QString& onlyField) {
    for (const TInsertData& e : InsertData) {
        const QString kind = e.Kind.toUpper();
        if (!onlyField.isEmpty() && e.FieldName.compare(onlyField, Qt::CaseInsensitive) != 0) continue;
        if (generatorsOnly && !isGenerator(kind)) continue;
        TField* f = findField(e.FieldName);
        const auto fail = [&] {
            ShowWarning(QStringLiteral("数据插入错误"));
            return false;
        };
        if (kind == QLatin1String("A") || kind == QLatin1String("L")) {
            if (e.Value.isEmpty()) {
                ShowWarning(e.Label + QStringLiteral("字段需插入的值是空的"));
                if (editing()) TQuery::cancel();
                return false;
            }
            if (!f) continue;
            if (kind == QLatin1String("A")) f->setValue(e.Value);
            else f->setValue(e.Value == QStringLiteral("是") ? QStringLiteral("是") : QStringLiteral("否"));
        } else if (kind == QLatin1String("B")) {
            if (!f || !e.SourceDataSet) continue;
            TField* source = e.SourceDataSet->findField(e.Value);
            f->setValue(source ? source->value() : QVariant());
        } else if (kind == QLatin1String("T")) {
            if (f) f->setValue(TimeStampId(e.Prefix));
        } else if (kind == QLatin1String("C") || kind == QLatin1String("Y") || kind == QLatin1String("M") ||
                   kind == QLatin1String("D")) {
            if (!f) continue;
            if (tableName().isEmpty()) {
                ShowWarning(name + QStringLiteral("必须有一个表名"));
                return fail();
            }
            if (kind == QLatin1String("D") && DayKey.isEmpty()) {
                ShowWarning(QStringLiteral("没有Day值"));
                return fail();
            }
            SerialRequest r{kind, e.FieldName, tableName(), e.Prefix, e.Width, e.ExtraCondition, MonthKey, DayKey};
            const auto number = NextSerialNumber(r, databaseName);
            if (!number) return fail();
            f->setValue(*number);
        } else {
            return fail();
        }
    }
    return true;
}

bool TKVQuery::validate() {
    if (SkipValidation) return true;
    if (!NewMasterMode && !validateFields()) return false;
    return runChecks();
}

bool TKVQuery::validateFields() {
    for (const TFieldsData& d : FieldsData) {
        TField* f = findField(d.FieldName);
        if (!f) continue;
        const QString text = f->asString();
        QString problem;
        if (d.Required && text.isEmpty()) {
            const bool controlHasText = d.Control && view && !view->controlText(d.Control).isEmpty();
            if (!controlHasText) problem = d.DisplayLabel + QStringLiteral("必须有一个值");
        }
        if (problem.isEmpty() && !text.trimmed().isEmpty()) {
            if (d.Kind == QLatin1String("N")) {
                bool ok = false;
                text.trimmed().toDouble(&ok);
                if (!ok) problem = d.DisplayLabel + QStringLiteral("是错误的数据");
            } else if (d.Kind == QLatin1String("D")) {
                const QString t = text.trimmed();
                QDate date = QDate::fromString(t.left(10), Qt::ISODate);
                if (!date.isValid()) date = QDate::fromString(t, QStringLiteral("yyyy/M/d"));
                if (!date.isValid()) problem = d.DisplayLabel + QStringLiteral("是错误的数据");
                else f->setValue(date.toString(Qt::ISODate));
            }
        }
        if (!problem.isEmpty()) {
            ShowWarning(problem);
            focusFor(d.FieldName, d.Control);
            return false;
        }
    }
    return true;
}

QString TKVQuery::checkStatement(const TCheckData& check, bool* changed, bool* skip) const {
    const bool inserting = state() == DataSetState::Insert;
    QStringList terms;
    *changed = false;
    *skip = false;
    for (const TCheckFieldsData& p : check.Fields) {
        TField* f = findField(p.FieldName);
        if (!f) continue;
        const QString text = f->asString();
        const QString value = p.FixedValue.isEmpty() ? text : p.FixedValue;
        if (text.isEmpty() && check.SkipWhenEmpty) {
            *skip = true;
            return {};
        }
        if (inserting || text != p.OldValue) *changed = true;
        if (p.Kind == QLatin1String("N")) terms << p.ColumnName + QLatin1Char('=') + (value.isEmpty() ? QStringLiteral("NULL") : value);
        else if (p.Kind == QLatin1String("D")) terms << p.ColumnName + QLatin1Char('=') + DateLiteral(value);
        else terms << p.ColumnName + QLatin1Char('=') + Quoted(value);
    }
    return check.SqlHead + terms.join(QStringLiteral(" and ")) + check.SqlTail;
}

bool TKVQuery::runChecks() {
    const bool inserting = state() == DataSetState::Insert;
    for (TCheckData& check : CheckData) {
        if (NewMasterMode && !check.AlsoInNewMaster) continue;
        if (check.SqlHead.trimmed().isEmpty()) continue;
        if (!runCheck(check, inserting)) return false;
    }
    return true;
}

bool TKVQuery::runCheck(TCheckData& check, bool inserting) {
    Q_UNUSED(inserting);
    bool changed = false, skip = false;
    QString sql = checkStatement(check, &changed, &skip);
    if (skip) return true;
    if (check.IsDuplicateCheck && !changed) return true;
    std::unique_ptr<TQuery> found;
    const auto openCheck = [&]() -> bool {
        try {
            found = OpenSqlQuery(databaseName, sql);
            return true;
        } catch (const std::exception&) {
            ShowWarning(QStringLiteral("数据库操作过程发生错误"));
            return false;
        }
    };
    if (!openCheck()) return false;
    bool fails = check.IsDuplicateCheck ? !found->isEmpty() : found->isEmpty();
    if (fails && check.IsDuplicateCheck && !check.KeyField.isEmpty()) {
        // The number was taken meanwhile: draw the next free one, once.
        bool hasGenerator = false;
        for (const TInsertData& e : InsertData)
            hasGenerator = hasGenerator || (e.FieldName.compare(check.KeyField, Qt::CaseInsensitive) == 0 && isGenerator(e.Kind.toUpper()));
        if (hasGenerator && fillInsertData(true, check.KeyField)) {
            sql = checkStatement(check, &changed, &skip);
            if (!openCheck()) return false;
            fails = !found->isEmpty();
        }
    }
    if (fails) {
        if (check.AskInstead) {
            if (sql == allowedCheckSql_) return true;
            if (AskYesNo(check.Message)) {
                allowedCheckSql_ = sql;
                return true;
            }
        } else if (CollectMessages) {
            if (!CollectedMessages.contains(check.Message))
                CollectedMessages += (CollectedMessages.isEmpty() ? QString() : QStringLiteral("\n\r")) + check.Message;
        } else {
            ShowWarning(check.Message);
        }
        focusFor(check.KeyField, check.FocusControl);
        return false;
    }
    if (!check.IsDuplicateCheck && !check.CopyFields.trimmed().isEmpty() && !found->isEmpty()) {
        const QStringList names = check.CopyFields.split(QLatin1Char(','), Qt::SkipEmptyParts);
        found->first();
        for (int i = 0; i < names.size() && i < found->fieldCount(); ++i)
            if (TField* f = findField(names[i].trimmed())) f->setValue(found->field(i)->value());
    }
    return true;
}

}  // namespace kv
