#pragma once

class CommandRegistry;

// The main window's commands of the seven stock documents, each opening its window.
void registerDocumentCommands(CommandRegistry& registry);
