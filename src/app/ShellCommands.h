#pragma once

class CommandRegistry;

// What the shell itself offers: the two browse windows, the help group and 退出系统.
void registerShellCommands(CommandRegistry& registry);

// Every subsystem's commands; each window library adds its registering function here.
void registerAllCommands(CommandRegistry& registry);
