#pragma once
// Yes/no switches of SYS_ID_TABLE: numbering choices and other store options.

#include <QString>

namespace kv {

inline constexpr const char* kYes = "是";
inline constexpr const char* kNo = "否";

bool IsAutoNumbered(const QString& switchName);
// value "是" or "否"; warns "参数保存过程发生错误" on failure.
bool SaveAutoNumbered(const QString& switchName, const QString& value);

}  // namespace kv
