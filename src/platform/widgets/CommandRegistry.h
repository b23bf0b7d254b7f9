#pragma once

#include <QString>
#include <functional>
#include <map>

class QDialog;
class QWidget;

// What the main window's commands do, keyed by the command's caption (the caption of its
// picture button, e.g. "入库单"). Each subsystem's window library fills it from one function
// (registerReferenceCommands(registry) …); the main window's command table decides which
// commands exist, who may run them and where they appear, and looks the action up here.
// A command with nothing registered tells the user it is not available yet.
class CommandRegistry {
public:
    using Action = std::function<void(QWidget* mainWindow)>;
    // Creates the command's window (a ModalWindow, parented to the main window); it is then
    // shown through runModal and frees itself when it closes.
    using WindowFactory = std::function<QDialog*(QWidget* mainWindow)>;

    void addAction(const QString& caption, Action action);
    void addWindow(const QString& caption, WindowFactory factory);

    // nullptr when nothing is registered under the caption.
    const Action* find(const QString& caption) const;

private:
    std::map<QString, Action> actions_;
};
