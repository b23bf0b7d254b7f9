#pragma once

#include <QString>

// The operator logged in for this run. Set once by the login; read by every writer of the
// operation log, by the 制单员 boxes and by the administrator check.
namespace Session {
QString operatorName();
void setOperatorName(const QString& name);
} // namespace Session
