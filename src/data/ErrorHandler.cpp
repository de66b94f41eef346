#include "data/ErrorHandler.h"

#include "data/Errors.h"
#include "data/MessageService.h"

namespace kv {
namespace {

struct KnownEntry {
    int code;
    const char* warning;
};

constexpr KnownEntry kKnown[] = {
    {EngineCode::ForeignKey, "其它的数据库表中存在对该纪录的引用,纪录不能删除"},
    {EngineCode::OpenFailed, "数据库打开过程发生错误"},
    {EngineCode::KeyViolation, "数据库主键重复"},
    {EngineCode::RecordChanged, "数据已被其它用户修改,请重新查找刷新该记录,查看其它用户修改后的数据"},
    {EngineCode::ValueTooLarge, "数据太大,不能保存数据"},
    {EngineCode::OpenTables, "有未关闭的数据表"},
};

void handleEngineError(const EngineError& e) {
    if (e.entries().isEmpty()) {
        ShowError(e.className() + QStringLiteral(":") + e.message());
        return;
    }
    const EngineErrorEntry& entry = e.entries().first();
    const QString detail = QStringLiteral("ErrorCode: (%1,%2,%3,%4)")
                               .arg(entry.errorCode)
                               .arg(entry.category)
                               .arg(entry.subCode)
                               .arg(entry.nativeError);
    bool suppress = false;
    for (const KnownEntry& k : kKnown) {
        if (entry.nativeError == 0 && entry.errorCode == k.code && entry.category == (k.code >> 8) &&
            entry.subCode == (k.code & 0xff)) {
            ShowWarning(QString::fromUtf8(k.warning));
            suppress = true;
            break;
        }
    }
    if (!suppress) {
        ShowWarning(QStringLiteral("数据库操作错误"));
        ShowError(e.className() + QStringLiteral(":") + detail + QLatin1Char('\t') + entry.message);
    }
}

}  // namespace

void HandleAppException(QObject*, const std::exception& error) {
    if (dynamic_cast<const Abort*>(&error)) return;
    if (const auto* engine = dynamic_cast<const EngineError*>(&error)) {
        handleEngineError(*engine);
        return;
    }
    if (const auto* conversion = dynamic_cast<const ConvertError*>(&error)) {
        QString text = conversion->message();
        if (text.contains(QLatin1String("is not a valid date")))
            text = QStringLiteral("请按格式YYYY-MM-DD 输入日期");
        else if (text.contains(QLatin1String("Format '%d' invalid or incompatible with argument")))
            text = QStringLiteral("指定的格式与参数类型不匹配!");
        ShowWarning(text);
        return;
    }
    if (const auto* known = dynamic_cast<const Exception*>(&error)) {
        ShowError(known->className() + QStringLiteral(":") + known->message());
        return;
    }
    ShowError(QStringLiteral("Exception:") + QString::fromUtf8(error.what()));
}

void HandleCurrentException(QObject* sender) {
    try {
        throw;
    } catch (const std::exception& e) {
        HandleAppException(sender, e);
    } catch (...) {
        ShowError(QStringLiteral("Exception:unknown error"));
    }
}

}  // namespace kv
