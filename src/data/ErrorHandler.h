#pragma once
// The application-wide translation of escaping errors into the system's messages.

#include <QObject>
#include <exception>

namespace kv {

void HandleAppException(QObject* sender, const std::exception& error);
// For catch (...): rethrows the current exception into HandleAppException.
void HandleCurrentException(QObject* sender);

}  // namespace kv
