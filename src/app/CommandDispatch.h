#pragma once

#include "app/CommandTable.h"

class CommandRegistry;
class QWidget;

// Runs one command of the table: the administrator check first for the administrator-only
// ones (refused: nothing opens), then what the registry holds for it, or a plain notice
// that it is not available yet.
void runCommand(const CommandDef& command, const CommandRegistry& registry, QWidget* mainWindow);

// The notice of a command whose window is not there yet.
QString notAvailableText(const CommandDef& command);
