#include "app/EnrolLogic.h"

#include "data/AppValues.h"
#include "data/KVQuery.h"
#include "data/Database.h"
#include "data/MessageService.h"
#include "data/SqlFunctions.h"
#include "data/SqlText.h"
#include "platform/Settings.h"

#include <QDate>

namespace kv {

bool AppFirstRun = false;

namespace {

const QString DB = QString::fromUtf8(kDatabaseName);

QString q(const QString& v) { return Quoted(v.trimmed()); }

struct Grant {
    int group;
    int programs;
};
// Groups in menu order with the number of programs each governs.
constexpr Grant kGrants[] = {{1, 4}, {2, 4}, {3, 6}, {4, 1}, {5, 7}, {6, 6}, {7, 3}};

struct TemplateRow {
    const char* id;
    const char* index;
    const char* name;
    const char* type;
};
constexpr TemplateRow kTemplates[] = {
    {"200700000007", "2SumPOSForm", "商品销售单据", "MD"},
    {"200700000006", "2SumPOSForm", "商品退货单据", "MD"},
    {"200700000008", "1SumPOSForm", "产品销售单资料", "M"},
    {"200700000009", "SellPOSPayForm", "商品销售单据", "MD"},
    {"200700000010", "ReturnPOSPayForm", "商品退货单据", "MD"},
};

}  // namespace

EnrolCheck CheckEnrolInput(const EnrolInput& in) {
    const std::pair<const QString*, std::pair<EnrolField, const char*>> required[] = {
        {&in.storeName, {EnrolField::StoreName, "必须输入公司名称"}},
        {&in.postcode, {EnrolField::Postcode, "必须输入邮编"}},
        {&in.phone, {EnrolField::Phone, "必须输入电话"}},
        {&in.address, {EnrolField::Address, "必须输入地址"}},
        {&in.userId, {EnrolField::UserId, "必须输入用户编号"}},
        {&in.userName, {EnrolField::UserName, "必须输入用户姓名"}},
        {&in.password, {EnrolField::Password, "必须输入用户口令"}},
        {&in.confirmation, {EnrolField::Confirmation, "必须确认用户口令"}},
    };
    for (const auto& [text, check] : required)
        if (text->trimmed().isEmpty()) return {check.first, QString::fromUtf8(check.second)};
    if (in.password.trimmed() != in.confirmation.trimmed()) return {EnrolField::Password, QStringLiteral("口令确认错误")};
    return {};
}

bool SaveStoreRow(const EnrolInput& in) {
    const QString date = DateLiteral(QDate::currentDate());
    const bool exists =
        QueryNumber(DB, QStringLiteral("SELECT Count(COMPANY_ID) FROM SYS_COMPANY_TABLE WHERE COMPANY_ID = 'G001'")) > 0;
    QString sql;
    if (exists) {
        sql = QStringLiteral("UPDATE SYS_COMPANY_TABLE SET PRIOR_ID = 'G002', ORDER_ID = 1, COMPANY_NAME = ") +
              q(in.storeName) + QStringLiteral(", COMPANY_POSTCODE = ") + q(in.postcode) +
              QStringLiteral(", COMPANY_FAX = ") + q(in.fax) + QStringLiteral(", COMPANY_PHONE = ") + q(in.phone) +
              QStringLiteral(", COMPANY_ADDRESS = ") + q(in.address) + QStringLiteral(", CREATE_NAME = ") +
              q(in.userName) + QStringLiteral(", CREATE_DATE = ") + date + QStringLiteral(" WHERE COMPANY_ID = 'G001'");
    } else {
        sql = QStringLiteral("INSERT INTO SYS_COMPANY_TABLE(ORDER_ID,PRIOR_ID,COMPANY_ID,COMPANY_NAME,COMPANY_POSTCODE,"
                             "COMPANY_FAX,COMPANY_PHONE,COMPANY_ADDRESS,CREATE_NAME,CREATE_DATE) VALUES(1,'G002','G001',") +
              q(in.storeName) + QLatin1Char(',') + q(in.postcode) + QLatin1Char(',') + q(in.fax) + QLatin1Char(',') +
              q(in.phone) + QLatin1Char(',') + q(in.address) + QLatin1Char(',') + q(in.userName) +
              QLatin1Char(',') + date + QLatin1Char(')');
    }
    return ExecSql(DB, sql);
}

bool SaveAdministrator(const EnrolInput& in) {
    // Never delete first: a failed insert would leave the shop without its user.
    const QString date = DateLiteral(AppToday.isEmpty() ? QDate::currentDate().toString(Qt::ISODate) : AppToday);
    try {
        Transaction tx(DB);
        const bool exists =
            QueryNumber(DB, QStringLiteral("SELECT COUNT(USE_ID) FROM SYS_USER_TABLE WHERE USE_ID = ") + q(in.userId)) > 0;
        const QString sql =
            exists ? QStringLiteral("UPDATE SYS_USER_TABLE SET USE_PASSWORD = ") + q(in.password) +
                         QStringLiteral(", USE_NAME = ") + q(in.userName) +
                         QStringLiteral(", SYS_USER = '是', STOP_RIGHT = '有效', CREATE_NAME = ") + q(in.userName) +
                         QStringLiteral(", CREATE_DATE = ") + date + QStringLiteral(" WHERE USE_ID = ") + q(in.userId)
                   : QStringLiteral("INSERT INTO SYS_USER_TABLE(USE_PASSWORD,USE_ID,USE_NAME,SYS_USER,STOP_RIGHT,"
                                    "CREATE_NAME,CREATE_DATE) VALUES(") +
                         q(in.password) + QLatin1Char(',') + q(in.userId) + QLatin1Char(',') + q(in.userName) +
                         QStringLiteral(",'是','有效',") + q(in.userName) + QLatin1Char(',') + date + QLatin1Char(')');
        if (!ExecSql(DB, sql)) return false;
        tx.commit();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

QString EnrolNotice(const EnrolInput& in) {
    return QStringLiteral("您的用户名称是：") + in.userName.trimmed() + QLatin1Char('\n') +
           QStringLiteral("用户编号是：") + in.userId.trimmed() + QLatin1Char('\n') + QStringLiteral("您的口令是：") +
           in.password.trimmed() + QStringLiteral("       ");
}

bool GrantAllRights(const QString& userId) {
    try {
        // All of it or none: the administrator never ends with half the rights.
        Transaction tx(DB);
        if (!ExecSql(DB, QStringLiteral("DELETE FROM SYS_RIGHT_TABLE"))) return false;
        for (const Grant& g : kGrants)
            for (int program = 1; program <= g.programs; ++program)
                ExecSql(DB, QStringLiteral("INSERT INTO SYS_RIGHT_TABLE(USE_ID,COMPOSE_ID,PROGRAM_ID,ADD_RIGHT,EDIT_RIGHT,"
                                           "DELETE_RIGHT,BROWSE_RIGHT,PRINT_RIGHT,VERIFY_RIGHT,CURRENCY_RIGHT) VALUES(") +
                                Quoted(userId.trimmed()) + QStringLiteral(",%1,%2,'是','是','是','是','是','是','是')")
                                                               .arg(g.group)
                                                               .arg(program));
        tx.commit();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool CreateDefaultTemplates(ProgressSink& progress) {
    ProgressRun run(progress);
    progress.setStepCount(4);
    TKVQuery q;
    q.name = QStringLiteral("PrintNameQuery");
    q.setSql(QStringLiteral("SELECT  *  FROM  SYS_PRINT_NAME_TABLE WHERE PRINT_ID = :PRINT_ID"));
    q.insertSql = QStringLiteral("insert into SYS_PRINT_NAME_TABLE\n(PRINT_INDEX,PRINT_NAME,PRINT_TYPE,PRINT_ID)\n"
                                 "values (:PRINT_INDEX,:PRINT_NAME,:PRINT_TYPE,:PRINT_ID)");
    try {
        // The five rows go in together or not at all.
        Transaction tx(DB);
        q.open();
        int row = 0;
        for (const TemplateRow& t : kTemplates) {
            q.append();
            q.fieldByName(QStringLiteral("PRINT_ID")).setValue(QString::fromUtf8(t.id));
            q.fieldByName(QStringLiteral("PRINT_INDEX")).setValue(QString::fromUtf8(t.index));
            q.fieldByName(QStringLiteral("PRINT_NAME")).setValue(QString::fromUtf8(t.name));
            q.fieldByName(QStringLiteral("PRINT_TYPE")).setValue(QString::fromUtf8(t.type));
            q.post();
            if (row > 0) progress.setStep(row);
            ++row;
        }
        tx.commit();
        q.close();
        return true;
    } catch (const std::exception&) {
        if (q.editing()) q.cancel();
        q.close();
        ShowWarning(QStringLiteral("报表建立过程发生错误"));
        return false;
    }
}

bool RunEnrol(const EnrolInput& in, const EnrolSteps& steps) {
    const auto focus = [&](EnrolField f) { if (steps.focus) steps.focus(f); };
    const EnrolCheck check = CheckEnrolInput(in);
    if (check.focus != EnrolField::None) {
        ShowWarning(check.warning);
        focus(check.focus);
        return false;
    }
    AppStoreName = in.storeName.trimmed();
    if (!SaveStoreRow(in)) {
        ShowWarning(QStringLiteral("公司名称注册错误"));
        return false;
    }
    if (!SaveAdministrator(in)) {
        ShowWarning(QStringLiteral("用户注册错误"));
        return false;
    }
    AppIsAdmin = true;
    AppUserName = in.userName.trimmed();
    AppUserId = in.userId.trimmed();
    AppImeName = in.imeName;
    AppStoreName = in.storeName.trimmed();
    WriteSetting(QStringLiteral("ZOZuviImes"), in.imeName);
    AppFirstRun = true;
    ShowWarning(EnrolNotice(in));
    GrantAllRights(in.userId);
    if (steps.showNumberingWindow) steps.showNumberingWindow();
    NoProgress none;
    CreateDefaultTemplates(steps.progress ? *steps.progress : none);
    return true;
}

}  // namespace kv
