#pragma once
// The query every window edits its rows through: field rules, database checks,
// automatic values for new rows, status rules, master/detail deletion, the safe
// save that re-reads the row first, and the status stamp.

#include "data/AppValues.h"
#include "data/Query.h"

#include <QObject>
#include <QPointer>
#include <vector>

namespace kv {

class TKVQuery;

struct TFieldsData {
    QString FieldName;
    QString DisplayLabel;
    int DisplayWidth = 0;        // characters; -1 shown with width 0, -2 hidden
    bool DigitBoxes = false;     // amount columns drawn in digit boxes
    int DigitBoxCount = 0;
    QString SumField;            // field a "@Sum" footer adds up; empty: the column's own
    QString Footer;              // "@Count", "@Sum" or a fixed caption
    QString FooterFormat;
    QString Extra;               // find: list values separated by ";" or a second caption
    QString TablePrefix;         // find: written prefix + "." + name
    QString Kind = QStringLiteral("C");  // "C" text, "N" number, "D" date
    QString FindCaption;
    QString FindExtra;
    QString FindKind;            // "T", "D", "BF", ...
    QString LookupTable;
    QString LookupKey;
    QString LookupSearch;
    bool Required = false;
    QObject* Control = nullptr;  // the window control that edits the field
    bool Visible = true;
    QString GridFormat;
};

struct TCheckFieldsData {
    QString FieldName;   // in this query
    QString ColumnName;  // in the check SQL
    QString OldValue;    // kept by the component
    QString FixedValue;
    QString Kind = QStringLiteral("C");  // "N", "C" or "D"
};

struct TCheckData {
    std::vector<TCheckFieldsData> Fields;  // up to eleven
    QString Message;
    QString CopyFields;   // comma-separated field names
    QString KeyField;
    QString SqlTail;
    bool AlsoInNewMaster = false;
    QObject* FocusControl = nullptr;
    QString SqlHead;      // e.g. "SELECT ENDPRODUCT_ID FROM BOM_ENDPRODUCT_TABLE WHERE "
    bool IsDuplicateCheck = false;
    bool SkipWhenEmpty = false;
    bool AskInstead = false;
};

struct TInsertData {
    QString FieldName;
    QString Label;
    QString ExtraCondition;
    int Width = 0;
    QString Value;
    TDataSet* SourceDataSet = nullptr;
    QString Kind;    // "A", "L", "B", "T", "C", "Y", "M", "D"
    QString Prefix;
};

struct TEditData {
    QString FieldName;
    QString Label;
    QString Value;
};

struct TScrollLinkEntry {
    QString FieldName;
    QString ColumnName;
    QString Kind = QStringLiteral("C");
};

// What the query needs from the window and its grids; the form framework fills it.
class QueryViewHooks {
public:
    virtual ~QueryViewHooks() = default;
    virtual void focusControl(QObject* /*control*/) {}
    virtual void focusField(TKVQuery&, const QString& /*field*/) {}
    virtual QString controlText(QObject* control) const { return control ? control->property("text").toString() : QString(); }
    virtual void gridsEnabled(TKVQuery&, bool) {}
    virtual void refreshFooters(TKVQuery&) {}
    // Saved column widths in pixels for this user and window, by field name.
    virtual QHash<QString, int> savedLayout(TKVQuery&) { return {}; }
    virtual bool hasSavedLayout(TKVQuery&) { return false; }
    virtual void deleteFieldLayout(TKVQuery&, const QString& /*field*/) {}
    virtual void prepareGrids(TKVQuery&) {}
};

class TKVQuery : public TQuery {
public:
    explicit TKVQuery(QString databaseName = QString::fromUtf8("RORareDidoZuvi"));
    ~TKVQuery() override;

    // Settings.
    const QString& tableName() const { return tableName_; }
    void setTableName(const QString& table);  // the SQL becomes "SELECT  *  FROM  " + table
    QString ActiveControl;
    QObject* activeControlObject = nullptr;
    bool ActiveStatus = false;
    void addStatusEditValue(const QString& status) { allowList_ << status; }
    void addStatusEditEndValue(const QString& status) { denyList_ << status; }
    const QStringList& allowList() const { return allowList_; }
    const QStringList& denyList() const { return denyList_; }
    TKVQuery* QyMaster = nullptr;
    TKVQuery* QyDetail = nullptr;
    QString KeyValue;
    QString DetailTable;
    QString DetailDError;
    QString StatusMsg;
    bool UpDateTable = false;
    bool NotEdit = false;

    // Values set by the window when it opens.
    QString OperatorName;
    QString OperateDate;  // YYYY-MM-DD
    QString MonthKey;     // YYYYMM
    QString DayKey;       // YYYYMMDD
    void setWorkingDate(const QString& isoDate, const QString& userName);

    // Flags.
    bool SilentChange = false;
    bool SkipDeleteQuestion = false;
    bool LocalOnly = false;
    bool DropCacheOnCancel = false;
    bool AutoFillOnInsert = true;
    bool AutoFillOnPost = false;
    bool SkipValidation = false;
    bool NewMasterMode = false;
    bool PendingInsert = false;
    bool CollectMessages = false;
    QString CollectedMessages;

    QString StatusField = QStringLiteral("STATUS");
    QString VerifyNameField = QStringLiteral("VERIFY_NAME");
    QString VerifyDateField = QStringLiteral("VERIFY_DATE");

    bool ScrollLink = false;
    std::vector<TScrollLinkEntry> ScrollLinkEntries;
    QString ScrollLinkSqlHead;
    TQuery* ScrollLinkTarget = nullptr;

    std::vector<TFieldsData> FieldsData;
    std::vector<TCheckData> CheckData;
    std::vector<TInsertData> InsertData;
    std::vector<TEditData> EditData;

    QueryViewHooks* view = nullptr;

    // The checked operations windows call.
    void open() override;
    void append() override;
    void edit() override;
    void post() override;
    void cancel() override;
    void deleteRecord() override;
    void SetStatus(const QString& status);
    QString KeyWhere();

    // Default insert / modify / delete statements for the table from its key columns.
    void useTableStatements();

    // Runs the InsertData entries; false after the first failure.
    bool fillInsertData(bool generatorsOnly = false, const QString& onlyField = {});
    bool validate();

    const TFieldsData* fieldsDataFor(const QString& field) const;

protected:
    void doBeforeInsert() override;
    void doBeforeEdit() override;
    void doBeforePost() override;
    void doAfterScroll() override;
    void doUpdateError(const std::exception& e) override;

private:
    // Status rules.
    bool statusDenied(const QString& status, const QStringList& allow, const QStringList& deny, bool* byDeny) const;
    void checkOwnStatusForEdit();
    void checkMasterStatus(int when);  // 0 insert, 1 edit, 2 delete
    void checkOwnStatusForDelete();

    bool validateFields();
    bool runChecks();
    bool runCheck(TCheckData& check, bool inserting);
    QString checkStatement(const TCheckData& check, bool* changed, bool* skip) const;
    void snapshot();
    QString fieldText(const QString& field) const;
    bool shadowSave();
    void postSaved();
    void afterSave();
    void refuse(const QString& message);
    void focusFor(const QString& field, QObject* control);
    void applyFieldsData();
    QString literalFor(const TField& f, const QString& text) const;

    QString tableName_;
    QStringList allowList_, denyList_;
    QHash<QString, QString> snapshot_;  // field texts at edit or delete
    QString allowedCheckSql_;
    bool opening_ = false;
    bool shadowPosting_ = false;
};

}  // namespace kv
