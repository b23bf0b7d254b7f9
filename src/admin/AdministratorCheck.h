#pragma once

#include <QString>

class QWidget;

// The check every administrator-only action runs first: the current operator
// (Session::operatorName) must be an administrator in 操作员信息表. Otherwise the caller's
// message is shown ("提示信息", warning icon) and false returned; the caller then does
// nothing of its action. A database failure is shown as an error and also refuses.
bool requireAdministrator(QWidget* parent, const QString& message);
