#pragma once

#include <QString>

// The windows that open the department picker, each by its caller key, and the box of that
// window that receives the chosen unit's name. Empty for a key nobody uses.
QString departmentBoxOf(const QString& callerKey);
