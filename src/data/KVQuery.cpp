#include "data/KVQuery.h"

#include "data/Database.h"
#include "data/Errors.h"
#include "data/MessageService.h"
#include "data/SqlFunctions.h"
#include "data/SqlText.h"

#include <QDate>
#include <QRegularExpression>

namespace kv {

TKVQuery::TKVQuery(QString db) : TQuery(std::move(db)) {
    cachedUpdates = true;
    setWorkingDate(AppToday.isEmpty() ? QDate::currentDate().toString(Qt::ISODate) : AppToday, AppUserName);
}

TKVQuery::~TKVQuery() = default;

void TKVQuery::setTableName(const QString& table) {
    tableName_ = table;
    setSql(QStringLiteral("SELECT  *  FROM  ") + table);
}

void TKVQuery::setWorkingDate(const QString& isoDate, const QString& userName) {
    OperatorName = userName;
    OperateDate = isoDate;
    QString digits = isoDate;
    digits.remove(QLatin1Char('-'));
    MonthKey = digits.left(6);
    DayKey = digits.left(8);
}

void TKVQuery::useTableStatements() {
    const TableDef* def = FindTable(tableName_);
    if (!def) return;
    QStringList cols, params, sets, where;
    for (const ColumnDef& c : def->columns) {
        const QString n = QString::fromUtf8(c.name);
        cols << n;
        params << QLatin1Char(':') + n;
        sets << n + QStringLiteral(" = :") + n;
        if (c.key) where << n + QStringLiteral(" = :OLD_") + n;
    }
    const QString table = QLatin1Char('"') + QString::fromUtf8(def->name) + QStringLiteral(".DB\"");
    insertSql = QStringLiteral("insert into ") + table + QStringLiteral("\n(") + cols.join(QLatin1Char(',')) +
                QStringLiteral(")\nvalues (") + params.join(QLatin1Char(',')) + QLatin1Char(')');
    if (where.isEmpty()) return;
    modifySql = QStringLiteral("update ") + table + QStringLiteral("\nset ") + sets.join(QStringLiteral(", ")) +
                QStringLiteral("\nwhere ") + where.join(QStringLiteral(" and "));
    deleteSql = QStringLiteral("delete from ") + table + QStringLiteral("\nwhere ") + where.join(QStringLiteral(" and "));
}

const TFieldsData* TKVQuery::fieldsDataFor(const QString& field) const {
    for (const TFieldsData& d : FieldsData)
        if (d.FieldName.compare(field, Qt::CaseInsensitive) == 0) return &d;
    return nullptr;
}

void TKVQuery::refuse(const QString& message) {
    ShowWarning(message);
    AbortAction();
}

void TKVQuery::focusFor(const QString& field, QObject* control) {
    if (!view) return;
    if (control) view->focusControl(control);
    else view->focusField(*this, field);
}

QString TKVQuery::fieldText(const QString& field) const {
    TField* f = findField(field);
    return f ? f->asString() : QString();
}

// ---- open ----

void TKVQuery::open() {
    if (QyDetail && QyDetail->active()) QyDetail->close();
    if (view && view->hasSavedLayout(*this) && !FieldsData.empty()) {
        const QHash<QString, int> saved = view->savedLayout(*this);
        for (TFieldsData& d : FieldsData) {
            const auto it = saved.constFind(d.FieldName.toUpper());
            if (it == saved.constEnd()) {
                d.Visible = false;
                continue;
            }
            if (d.DisplayWidth == -1) continue;
            const int chars = qRound(*it * 0.16);
            if (chars >= 2) {
                d.DisplayWidth = chars;
            } else if (d.Footer == QLatin1String("@Count") || d.Footer == QLatin1String("@Sum")) {
                d.DisplayWidth = -1;  // keeps showing with width 0
            } else {
                d.DisplayWidth = 0;
                d.Visible = false;
                view->deleteFieldLayout(*this, d.FieldName);
            }
        }
    }
    disableControls();
    opening_ = true;
    try {
        TQuery::open();
    } catch (const Abort&) {
        opening_ = false;
        enableControls();
        throw;
    } catch (const std::exception&) {
        opening_ = false;
        enableControls();
        refuse(QStringLiteral("数据库操作过程发生错误"));
    }
    applyFieldsData();
    opening_ = false;
    enableControls();
    if (view) view->prepareGrids(*this);
    run(AfterScroll);
}

void TKVQuery::applyFieldsData() {
    if (fieldCount() < 2 || FieldsData.empty()) return;
    for (int i = 0; i < fieldCount(); ++i) {
        TField* f = field(i);
        const TFieldsData* d = fieldsDataFor(f->fieldName());
        if (!d) {
            f->visible = false;
            continue;
        }
        if (f->tag == 0) {
            if (d->Kind == QLatin1String("N")) f->displayWidth = 13;
            if (d->Kind == QLatin1String("D")) f->displayWidth = 10;
        }
        if (!d->DisplayLabel.isEmpty()) f->displayLabel = d->DisplayLabel;
        if (d->DisplayWidth > 0) f->displayWidth = d->DisplayWidth;
        f->visible = d->Visible && d->DisplayWidth != -2;
        if (d->DisplayWidth == -1) {
            f->visible = true;
            f->displayWidth = 0;
        }
        f->required = d->Required;
    }
}

// ---- status rules ----

bool TKVQuery::statusDenied(const QString& status, const QStringList& allow, const QStringList& deny, bool* byDeny) const {
    *byDeny = !deny.isEmpty();
    if (!deny.isEmpty()) return deny.contains(status);
    if (!allow.isEmpty()) return !allow.contains(status);
    return false;
}

void TKVQuery::checkOwnStatusForEdit() {
    if (!ActiveStatus) return;
    const QString x = fieldText(StatusField);
    bool byDeny = false;
    if (statusDenied(x, allowList_, denyList_, &byDeny))
        refuse(QStringLiteral("状态为： “ ") + x + QStringLiteral(" ”  ") + QStringLiteral("的记录不能编辑"));
}

void TKVQuery::checkOwnStatusForDelete() {
    if (!ActiveStatus || LocalOnly || SilentChange) return;
    const QString x = fieldText(StatusField);
    bool byDeny = false;
    if (!statusDenied(x, allowList_, denyList_, &byDeny)) return;
    refuse(byDeny ? QStringLiteral("状态为：  “ ") + x + QStringLiteral(" ”  ") + QStringLiteral(" 的记录不能删除")
                  : QStringLiteral("状态为： “ ") + x + QStringLiteral(" ”  ") + QStringLiteral(" 的记录不能删除"));
}

void TKVQuery::checkMasterStatus(int when) {
    if (!QyMaster || !QyMaster->ActiveStatus) return;
    if (QyMaster->isEmpty()) return;
    TField* sf = QyMaster->findField(QyMaster->StatusField);
    const QString x = sf ? sf->asString() : QString();
    bool byDeny = false;
    if (!statusDenied(x, QyMaster->allowList_, QyMaster->denyList_, &byDeny)) return;
    const QString& s = StatusMsg;
    const bool named = !s.isEmpty();
    QString text;
    if (when == 0) {
        text = byDeny ? (named ? s + QStringLiteral("的状态是 “") + x + QStringLiteral(" ” , 不能增加新的记录")
                               : QStringLiteral("主档纪录状态为：  “") + x + QStringLiteral(" ”  ") + QStringLiteral("的从档不能增加新记录"))
                      : (named ? s + QStringLiteral("的状态是 “ ") + x + QStringLiteral(" ” , 不能增加新的记录")
                               : QStringLiteral("主档纪录状态为： “ ") + x + QStringLiteral(" ”") + QStringLiteral("的从档不能增加新记录"));
    } else if (when == 1) {
        text = byDeny ? (named ? s + QStringLiteral("的状态是 “") + x + QStringLiteral(" ” , 不能修改记录")
                               : QStringLiteral("主档纪录状态为：  “") + x + QStringLiteral(" ”  ") + QStringLiteral("的记录不能编辑"))
                      : (named ? s + QStringLiteral("的状态是 “ ") + x + QStringLiteral(" ” , 不能修改记录")
                               : QStringLiteral("主档纪录状态为： “ ") + x + QStringLiteral(" ”") + QStringLiteral("的记录不能编辑"));
    } else {
        text = named ? s + QStringLiteral("的状态是 “ ") + x + QStringLiteral(" ” , 该记录不能删除")
                     : QStringLiteral("主档纪录状态为： “ ") + x + QStringLiteral(" ”  ") + QStringLiteral(" 的记录不能删除");
    }
    refuse(text);
}

void TKVQuery::doBeforeInsert() {
    if (!SilentChange && !NewMasterMode) {
        if (QyMaster && QyMaster->isEmpty()) refuse(QStringLiteral("主数据库页面没有数据纪录，从数据页面不能有新的纪录"));
        checkMasterStatus(0);
    }
    TQuery::doBeforeInsert();
}

void TKVQuery::doBeforeEdit() {
    if (!SilentChange && !NewMasterMode) {
        checkOwnStatusForEdit();
        checkMasterStatus(1);
        if (view && activeControlObject) view->focusControl(activeControlObject);
        for (TCheckData& c : CheckData) {
            if (c.SqlHead.isEmpty() || !findField(c.KeyField)) continue;
            for (TCheckFieldsData& p : c.Fields)
                if (findField(p.FieldName)) p.OldValue = fieldText(p.FieldName);
        }
    }
    TQuery::doBeforeEdit();
}

void TKVQuery::doBeforePost() { TQuery::doBeforePost(); }

void TKVQuery::doAfterScroll() {
    if (ScrollLink && ScrollLinkTarget) {
        ScrollLinkTarget->close();
        QStringList terms;
        for (const TScrollLinkEntry& e : ScrollLinkEntries) {
            if (e.FieldName.isEmpty() || e.ColumnName.isEmpty()) continue;
            const QString v = fieldText(e.FieldName);
            if (e.Kind == QLatin1String("N")) terms << e.ColumnName + QLatin1Char('=') + (v.isEmpty() ? QStringLiteral("0") : v);
            else if (e.Kind == QLatin1String("D")) terms << e.ColumnName + QLatin1Char('=') + DateLiteral(v);
            else terms << e.ColumnName + QLatin1Char('=') + Quoted(v);
        }
        ScrollLinkTarget->setSql(ScrollLinkSqlHead + terms.join(QStringLiteral(" and ")));
        ScrollLinkTarget->open();
    }
    if (!opening_) TQuery::doAfterScroll();
}

void TKVQuery::doUpdateError(const std::exception& e) {
    TQuery::doUpdateError(e);
}

// ---- append / edit ----

void TKVQuery::append() {
    TQuery::append();
    for (TCheckData& c : CheckData)
        for (TCheckFieldsData& p : c.Fields) p.OldValue.clear();
    if (view) view->gridsEnabled(*this, false);
    if (AutoFillOnInsert) {
        bool ok = false;
        try {
            ok = fillInsertData();
        } catch (const Abort&) {
        } catch (const std::exception& e) {
            ShowError(QString::fromUtf8(e.what()));
        }
        if (!ok) {
            if (editing()) TQuery::cancel();
            if (view) view->gridsEnabled(*this, true);
            AbortAction();
        }
    }
}

void TKVQuery::snapshot() {
    snapshot_.clear();
    for (int i = 0; i < fieldCount(); ++i) snapshot_.insert(field(i)->fieldName().toUpper(), field(i)->asString());
}

void TKVQuery::edit() {
    if (editing()) return;
    TQuery::edit();
    if (view) view->gridsEnabled(*this, false);
    snapshot();
    if (!SilentChange && !NewMasterMode) {
        if (NotEdit) {
            NotEdit = false;
        } else {
            for (const TEditData& e : EditData)
                if (TField* f = findField(e.FieldName)) f->setValue(e.Value);
        }
        if (view && activeControlObject) view->focusControl(activeControlObject);
    }
}

// ---- post ----

void TKVQuery::afterSave() {
    if (view) {
        view->gridsEnabled(*this, true);
        view->refreshFooters(*this);
    }
    SilentChange = false;
    LocalOnly = false;
    NewMasterMode = false;
}

void TKVQuery::postSaved() {
    // The row is in the table already: it enters the cache as read.
    postToCache();
    if (recNo_ >= 0 && recNo_ < rows_.size()) {
        rows_[recNo_].original = rows_[recNo_].values;
        rows_[recNo_].status = UpdateStatus::Unmodified;
    }
    doAfterPost();
}

void TKVQuery::post() {
    if (!editing()) AbortAction();
    const bool inserting = state() == DataSetState::Insert;
    if (AutoFillOnPost && inserting) {
        bool ok = false;
        try {
            ok = fillInsertData();
        } catch (const std::exception&) {
        }
        if (!ok) refuse(QStringLiteral("自动数据生成过程发生错误"));
    }
    if (!SilentChange && !validate()) AbortAction();
    const QString where = KeyWhere();
    if (!cachedUpdates || LocalOnly) {
        TQuery::post();
    } else if (!tableName_.isEmpty() && !where.isEmpty()) {
        if (!shadowSave()) AbortAction();
        postSaved();
    } else {
        TQuery::post();
        try {
            applyUpdates();
        } catch (...) {
            // Back into edit with the user's values: nothing was written.
            NotEdit = true;
            buffer_ = rows_[recNo_];
            setState(buffer_.status == UpdateStatus::Inserted ? DataSetState::Insert : DataSetState::Edit);
            throw;
        }
    }
    afterSave();
}

bool TKVQuery::shadowSave() {
    const bool existing = state() == DataSetState::Edit;
    run(BeforePost);
    const QString where = KeyWhere();
    const QString select = QStringLiteral("SELECT * FROM ") + tableName_ + QStringLiteral("  WHERE ") + where;
    TQuery shadow(databaseName);
    shadow.paramCheck = false;
    shadow.insertSql = insertSql;
    shadow.modifySql = modifySql;
    shadow.deleteSql = deleteSql;
    shadow.cachedUpdates = true;
    try {
        shadow.setSql(select);
        shadow.open();
        if (!shadow.isEmpty() && !existing) {
            // A new row whose key is taken would overwrite another row: refuse it.
            ShowWarning(QStringLiteral("数据库主键重复"));
            return false;
        }
        if (!shadow.isEmpty()) {
            shadow.edit();
        } else if (existing && !PendingInsert) {
            if (SilentChange) TQuery::cancel();
            ShowWarning(QStringLiteral("该记录已被其它用户删除或在其它窗口被删除"));
            return false;
        } else {
            shadow.append();
            PendingInsert = false;
        }
        for (int i = 0; i < shadow.fieldCount(); ++i) {
            TField* target = shadow.field(i);
            if (TField* source = findField(target->fieldName())) target->setValue(source->value());
        }
        shadow.post();
        shadow.applyUpdates();
        shadow.close();
        if (!existing) {
            shadow.setSql(select);
            shadow.open();
            if (shadow.isEmpty()) {
                ShowWarning(QStringLiteral("数据保存过程发生错误,可能数据库索引已损坏，请先修复损坏的数据库索引"));
                return false;
            }
        }
        return true;
    } catch (const std::exception& e) {
        if (!editing()) {
            buffer_ = rows_.value(recNo_);
            setState(existing ? DataSetState::Edit : DataSetState::Insert);
        }
        if (const auto* engine = dynamic_cast<const EngineError*>(&e)) {
            // a known engine error tells the user more than the general text
            if (engine->firstCode() == EngineCode::KeyViolation) ShowWarning(QStringLiteral("数据库主键重复"));
            else if (engine->firstCode() == EngineCode::ValueTooLarge) ShowWarning(QStringLiteral("数据太大,不能保存数据"));
        }
        ShowWarning(QStringLiteral("数据保存过程发生错误"));
        if (shadow.editing()) shadow.cancel();
        shadow.close();
        return false;
    }
}

// ---- cancel ----

void TKVQuery::cancel() {
    if (LocalOnly && DropCacheOnCancel && cachedUpdates) cancelUpdates();
    TQuery::cancel();
    afterSave();
}

// ---- delete ----

void TKVQuery::deleteRecord() {
    if (isEmpty()) AbortAction();
    checkOwnStatusForDelete();
    checkMasterStatus(2);
    if (!SkipDeleteQuestion && !AskYesNo(QStringLiteral("请确认是否删除"))) {
        SkipDeleteQuestion = false;
        AbortAction();
    }
    SkipDeleteQuestion = false;
    if (editing()) TQuery::cancel();
    snapshot();
    const QString where = KeyWhere();
    const QString key = KeyValue.isEmpty() ? QString() : fieldText(KeyValue);
    if (!DetailTable.isEmpty() && KeyValue.isEmpty()) refuse(QStringLiteral("没有KeyValue 属性"));

    // The lines and the master go together or not at all.
    Transaction tx(database());
    const auto deleteDetails = [&] {
        if (DetailTable.isEmpty()) return;
        if (QyDetail) QyDetail->close();
        if (!ExecSql(databaseName, QStringLiteral("DELETE FROM ") + DetailTable + QStringLiteral(" WHERE ") + KeyValue +
                                       QStringLiteral(" = ") + Quoted(key)))
            refuse(DetailDError + QStringLiteral("删除过程发生错误"));
    };
    const bool shadow = cachedUpdates && !LocalOnly && !tableName_.isEmpty() && !where.isEmpty();
    if (shadow) {
        if (!ExecSql(databaseName, QStringLiteral("DELETE FROM ") + tableName_ + QStringLiteral("  WHERE ") + where))
            refuse(QStringLiteral("数据删除过程发生错误"));
        deleteDetails();
        tx.commit();
        TQuery::deleteRecord();
        if (!deleted_.isEmpty()) deleted_.removeLast();  // written already
    } else if (!cachedUpdates || LocalOnly) {
        TQuery::deleteRecord();
        deleteDetails();
        tx.commit();
    } else {
        TQuery::deleteRecord();
        try {
            applyUpdates();
            deleteDetails();
        } catch (...) {
            cancelUpdates();
            throw;
        }
        tx.commit();
    }
    SilentChange = false;
    LocalOnly = false;
    NewMasterMode = false;
    if (view) view->refreshFooters(*this);
}

// ---- status stamp ----

void TKVQuery::SetStatus(const QString& status) {
    if (!active() || isEmpty()) return;
    SilentChange = true;
    disableControls();
    try {
        edit();
        fieldByName(StatusField).setValue(status);
        if (TField* f = findField(VerifyNameField)) f->setValue(OperatorName);
        if (TField* f = findField(VerifyDateField)) f->setValue(OperateDate);
        post();
    } catch (...) {
        if (editing()) TQuery::cancel();
        SilentChange = false;
        enableControls();
        throw;
    }
    if (editing()) TQuery::cancel();
    enableControls();
}

// ---- KeyWhere ----

QString TKVQuery::literalFor(const TField& f, const QString& text) const {
    switch (f.dataType()) {
    case ColumnType::Integer:
    case ColumnType::Float:
    case ColumnType::Boolean: return text;
    case ColumnType::Date: return DateLiteral(text);
    default: return Quoted(text);
    }
}

QString TKVQuery::KeyWhere() {
    if (UpDateTable && !tableName_.isEmpty()) {
        const auto retarget = [&](QString& sql, const QString& head) {
            if (sql.isEmpty()) return;
            const int nl = sql.indexOf(QLatin1Char('\n'));
            sql = head + tableName_ + QLatin1Char(' ') + (nl < 0 ? QString() : sql.mid(nl));
        };
        retarget(insertSql, QStringLiteral("insert into "));
        retarget(modifySql, QStringLiteral("update "));
        retarget(deleteSql, QStringLiteral("delete from "));
    }
    if (modifySql.isEmpty()) return {};
    QString text = modifySql;
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text = text.toUpper();
    const int at = text.indexOf(QRegularExpression(QStringLiteral("\\bWHERE\\b")));
    if (at < 0) return {};
    static const QRegularExpression term(QStringLiteral("([A-Z0-9_\"]+)\\s*=\\s*:OLD_([A-Z0-9_]+)"));
    QStringList parts;
    const bool inserting = state() == DataSetState::Insert;
    for (auto it = term.globalMatch(text.mid(at)); it.hasNext();) {
        const auto m = it.next();
        QString column = m.captured(1);
        column.remove(QLatin1Char('"'));
        TField* f = findField(m.captured(2));
        if (!f) continue;
        QString value = inserting ? f->asString() : snapshot_.value(f->fieldName().toUpper(), ValueText(f->oldValue(), f->dataType()));
        if (!inserting && !snapshot_.contains(f->fieldName().toUpper())) value = ValueText(f->oldValue(), f->dataType());
        parts << (value.isEmpty() ? column + QStringLiteral(" IS NULL") : column + QStringLiteral(" = ") + literalFor(*f, value));
    }
    return parts.join(QStringLiteral(" AND "));
}

}  // namespace kv
