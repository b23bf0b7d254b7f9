#pragma once

class CommandRegistry;

// The main window's commands 操作员管理 and 修改密码.
void registerOperatorCommands(CommandRegistry& registry);
