#include "platform/widgets/CommandRegistry.h"

#include "platform/widgets/ModalRunner.h"

#include <QDialog>

void CommandRegistry::addAction(const QString& caption, Action action) {
    actions_[caption] = std::move(action);
}

void CommandRegistry::addWindow(const QString& caption, WindowFactory factory) {
    addAction(caption, [factory = std::move(factory)](QWidget* mainWindow) {
        runModal(factory(mainWindow));
    });
}

const CommandRegistry::Action* CommandRegistry::find(const QString& caption) const {
    const auto found = actions_.find(caption);
    return found == actions_.end() ? nullptr : &found->second;
}
