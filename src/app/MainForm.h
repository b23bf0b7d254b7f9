#pragma once

#include <QMainWindow>

class CommandRegistry;
class QButtonGroup;
class QLabel;
class QMenu;
class QStackedWidget;
class StatusPanels;
struct CommandDef;

// The program's main window: banner, ten group buttons switching the content area between
// the welcome picture and nine panels of picture buttons, the main menu and popup menu, and
// the status bar whose panel 1 names the operator. When it first appears it shows the
// login; a failed login closes it, which ends the program. Every button and menu item runs
// its command from the command table.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(const CommandRegistry& registry, QWidget* parent = nullptr);

    StatusPanels* statusPanels() const { return StatusBar1; }
    // The welcome picture or the command panel on show.
    QWidget* shownPanel() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showLogin();
    void run(const CommandDef& command);
    void showGroup(int group);
    QWidget* buildGroupButtons();
    QWidget* buildPanel(int group);
    void buildMenus();
    void buildPopupMenu();
    void showPopup(QWidget* source, QPoint position);

    const CommandRegistry& registry_;
    QButtonGroup* fcButtonGroup1;
    QStackedWidget* Panel3;
    QLabel* Image1;
    QMenu* PopupMenu1;
    StatusPanels* StatusBar1;
    bool loginShown_ = false;
    bool loggedIn_ = false; // nothing can be chosen before
};
