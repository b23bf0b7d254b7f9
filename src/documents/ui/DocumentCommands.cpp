#include "documents/ui/DocumentCommands.h"

#include "documents/pickers/CounterpartyPicker.h"
#include "documents/ui/DocumentWindows.h"
#include "platform/widgets/CommandRegistry.h"
#include "reference/ReferenceWindows.h"

void registerDocumentCommands(CommandRegistry& registry) {
    // 新增单位 of the inbound counterparty list opens the supplier and customer window.
    CounterpartyPicker::setNewUnitWindow([](QWidget* parent) {
        return createReferenceWindow(QStringLiteral("TInitClientInfoForm"), parent);
    });
    for (const DocumentWindowDescriptor* descriptor : DocumentWindows::all())
        registry.addWindow(descriptor->caption, [descriptor](QWidget* mainWindow) {
            return DocumentWindows::create(*descriptor, mainWindow);
        });
}
