#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Every command of the main window, once: its button caption (also the key under which the
// subsystems register what it does, see CommandRegistry), the menu caption where that
// differs, the window it opens, the administrator message of the administrator-only ones,
// and its picture. The picture buttons and the menu items both run a command through this
// table, so the two can never behave differently.
struct CommandDef {
    QString caption;
    QString menuCaption; // empty: the same as caption
    QString windowClass; // empty: an action without a window
    QString adminMessage;
    QString icon; // a file of the :/icons resource

    QString menuText() const { return menuCaption.isEmpty() ? caption : menuCaption; }
    bool administratorOnly() const { return !adminMessage.isEmpty(); }
};

const std::vector<CommandDef>& commandTable();
// nullptr for a caption that is no command (neither button nor menu caption).
const CommandDef* findCommand(const QString& caption);

// A group of the main window: its group button, its panel of picture buttons, and its menu.
struct CommandGroup {
    QString caption;     // the group button's caption
    QString buttonName;  // the group button's objectName
    QString panelName;   // the panel's objectName
    QString menuCaption; // the top-level menu's caption
    QString icon;
    struct Button {
        QString caption;
        QString objectName;
    };
    std::vector<Button> buttons; // the panel's picture buttons, in order
    QStringList menuItems;       // menu captions in order; "-" is a separator
};

// The nine groups with a panel, in the order of the group buttons.
const std::vector<CommandGroup>& commandGroups();

// The popup menu of the main window's background.
QStringList popupCommands();

inline const QString ExitCommand = QStringLiteral("退出系统");
