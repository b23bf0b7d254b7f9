#include "admin/AdministratorCheck.h"

#include "admin/OperatorRoles.h"
#include "platform/widgets/Messages.h"
#include "store/Session.h"
#include "store/StoreError.h"

bool requireAdministrator(QWidget* parent, const QString& message) {
    try {
        if (OperatorRoles::isAdministrator(Session::operatorName()))
            return true;
    } catch (const StoreError& e) {
        Messages::error(parent, e.message());
        return false;
    }
    Messages::guidance(parent, message);
    return false;
}
