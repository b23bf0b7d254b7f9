#include "documents/ui/DocumentCommands.h"

#include "documents/ui/DocumentWindows.h"
#include "platform/widgets/CommandRegistry.h"

void registerDocumentCommands(CommandRegistry& registry) {
    for (const DocumentWindowSpec* spec : DocumentWindows::all())
        registry.addWindow(spec->caption, [spec](QWidget* mainWindow) {
            return DocumentWindows::create(*spec, mainWindow);
        });
}
