#pragma once
// The error classes that reach the application-wide handler. className() gives the
// name shown in detailed error boxes.

#include <QList>
#include <QString>
#include <exception>

namespace kv {

class Exception : public std::exception {
public:
    explicit Exception(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    virtual QString className() const { return QStringLiteral("Exception"); }
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

class DatabaseError : public Exception {
public:
    using Exception::Exception;
    QString className() const override { return QStringLiteral("EDatabaseError"); }
};

// One entry of an engine error: the code is category * 256 + subcode.
struct EngineErrorEntry {
    int errorCode = 0;
    int category = 0;
    int subCode = 0;
    int nativeError = 0;
    QString message;
};

// The engine entries that the handler turns into the system's own messages.
namespace EngineCode {
inline constexpr int ForeignKey = 9734;      // 38, 6
inline constexpr int OpenFailed = 10770;     // 42, 18
inline constexpr int KeyViolation = 9729;    // 38, 1
inline constexpr int RecordChanged = 10763;  // 42, 11
inline constexpr int ValueTooLarge = 10029;  // 39, 45
inline constexpr int OpenTables = 10243;     // 40, 3
}  // namespace EngineCode

class EngineError : public DatabaseError {
public:
    EngineError(QString message, QList<EngineErrorEntry> entries)
        : DatabaseError(std::move(message)), entries_(std::move(entries)) {}
    // A known entry: code split into category and subcode, native error 0.
    static EngineError known(int code, const QString& message);
    QString className() const override { return QStringLiteral("EDBEngineError"); }
    const QList<EngineErrorEntry>& entries() const { return entries_; }
    int firstCode() const { return entries_.isEmpty() ? 0 : entries_.first().errorCode; }

private:
    QList<EngineErrorEntry> entries_;
};

class ConvertError : public Exception {
public:
    using Exception::Exception;
    QString className() const override { return QStringLiteral("EConvertError"); }
};

class RangeError : public Exception {
public:
    using Exception::Exception;
    QString className() const override { return QStringLiteral("ERangeError"); }
};

// The silent cancel: stops an action; the application handler shows nothing.
class Abort : public Exception {
public:
    Abort() : Exception(QStringLiteral("Operation aborted")) {}
    QString className() const override { return QStringLiteral("EAbort"); }
};

[[noreturn]] inline void AbortAction() { throw Abort(); }

}  // namespace kv
