#include "documents/ui/DocumentPickers.h"

#include "platform/widgets/Messages.h"

// Wired to the picker windows once they are part of the build.
namespace DocumentPickers {

void openUnits(QWidget* caller, const QString&, const QString&) {
    Messages::notice(caller, QStringLiteral("单位清单尚未提供。"));
}
void openInboundCounterparty(QWidget* caller) {
    Messages::notice(caller, QStringLiteral("单位清单尚未提供。"));
}
void openWarehouse(QWidget* caller, const QString&) {
    Messages::notice(caller, QStringLiteral("仓库清单尚未提供。"));
}
void openSummary(QWidget* caller, const QString&) {
    Messages::notice(caller, QStringLiteral("摘要清单尚未提供。"));
}
bool canOpenItemCatalogue() {
    return false;
}
void openItemCatalogue(QWidget*) {}

} // namespace DocumentPickers
