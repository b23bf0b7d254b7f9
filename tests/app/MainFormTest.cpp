#include "app/MainForm.h"
#include "app/CommandDispatch.h"
#include "app/CommandTable.h"
#include "app/ShellCommands.h"

#include "admin/PasswordHash.h"
#include "platform/widgets/CommandRegistry.h"
#include "platform/widgets/StatusPanels.h"
#include "platform/widgets/support/ScriptedUi.h"
#include "store/Session.h"
#include "store/Sql.h"
#include "support/TestDatabase.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <map>

namespace {

// Logs in through the window the way a user does.
ModalScript::Handler typeLogin(const QString& code, const QString& password) {
    return [code, password](QDialog& login) {
        login.findChild<QLineEdit*>("Edit1")->setText(code);
        login.findChild<QLineEdit*>("Edit2")->setText(password);
        QTest::mouseClick(login.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    };
}

class MainFormTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        Session::setOperatorName({});
        Sql::insert("操作员信息表", {{"操作员代号", "0001"},
                                     {"操作员姓名", "张三"},
                                     {"操作员类别", "操作员"},
                                     {"操作员密码", PasswordHash::make("x")}});
        registerAllCommands(registry);
        // Actions that would reach outside the test.
        for (const char* caption : {"计算器", "使用说明"})
            registry.addAction(caption, [this, caption](QWidget*) { ran.push_back(caption); });
    }

    void TearDown() override {
        delete window.data();
        DatabaseTest::TearDown();
    }

    void openAs(const QString& code, const QString& password) {
        window = new TMainForm(registry);
        ModalScript modal;
        modal.expect("TLoginForm", typeLogin(code, password));
        window->show();
        QTest::qWait(1); // the login comes up after the window is shown
    }

    QAbstractButton* button(const QString& objectName) const {
        return window->findChild<QAbstractButton*>(objectName);
    }
    QAction* menuItem(const QString& caption) const {
        for (QAction* top : window->menuBar()->actions())
            for (QAction* item : top->menu()->actions())
                if (item->text() == caption)
                    return item;
        return nullptr;
    }
    // The picture button of a command, found in its panel.
    QAbstractButton* commandButton(const QString& caption) const {
        for (const CommandGroup& group : commandGroups())
            for (const CommandGroup::Button& b : group.buttons)
                if (b.caption == caption)
                    return button(b.objectName);
        return nullptr;
    }

    // Clicking the command's picture button, choosing its menu item: where it can be run.
    std::vector<std::function<void()>> placesOf(const CommandDef& command) const {
        std::vector<std::function<void()>> places;
        if (QAbstractButton* b = commandButton(command.caption))
            places.push_back([b] { QTest::mouseClick(b, Qt::LeftButton); });
        if (QAction* item = menuItem(command.menuText()))
            places.push_back([item] { item->trigger(); });
        return places;
    }

    CommandRegistry registry;
    QPointer<TMainForm> window;
    std::vector<QString> ran;
};

} // namespace

TEST_F(MainFormTest, LoginNamesTheOperatorAndShowsTheWelcomePicture) {
    openAs("0000", "admin");
    EXPECT_EQ(window->windowTitle(), "恒昶储管家 2008工程版");
    EXPECT_EQ(window->statusPanels()->text(0), "操作员");
    EXPECT_EQ(window->statusPanels()->text(1), "系统管理员");
    EXPECT_EQ(Session::operatorName(), "系统管理员");
    EXPECT_EQ(window->shownPanel()->objectName(), "Image1");
    for (QAbstractButton* group :
         window->findChild<QWidget*>("Panel2")->findChildren<QAbstractButton*>())
        EXPECT_FALSE(group->isChecked()) << group->text().toStdString();
}

TEST_F(MainFormTest, ACancelledLoginEndsTheProgram) {
    window = new TMainForm(registry);
    {
        ModalScript modal;
        modal.expect("TLoginForm", [](QDialog& login) {
            QTest::mouseClick(login.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
        });
        window->show();
        QTest::qWait(1);
    }
    EXPECT_TRUE(!window || !window->isVisible());
}

TEST_F(MainFormTest, GroupButtonsSwitchPanelsAndStayPressed) {
    openAs("0000", "admin");
    const auto& groups = commandGroups();
    ASSERT_EQ(groups.size(), 9u);
    for (const CommandGroup& group : groups) {
        SCOPED_TRACE(group.caption.toStdString());
        QAbstractButton* groupButton = button(group.buttonName);
        ASSERT_TRUE(groupButton);
        EXPECT_EQ(groupButton->text(), group.caption);
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(groupButton, Qt::LeftButton);
            EXPECT_EQ(window->shownPanel()->objectName(), group.panelName);
            EXPECT_TRUE(groupButton->isChecked());
        }
    }
    QTest::mouseClick(button("fcButtonGroup1fcShapeBtn9"), Qt::LeftButton);
    EXPECT_TRUE(!window || !window->isVisible()) << "退出系统 closes the main window";
}

TEST_F(MainFormTest, PanelsAndMenusHoldEveryCommand) {
    openAs("0000", "admin");
    const std::map<QString, int> buttonsPerPanel = {
        {"InfoEnter", 6}, {"FindInfo", 9}, {"WeiWai", 5}, {"Gongcheng", 6}, {"Anal", 6},
        {"PanDian", 6},   {"Sys", 8},      {"Info", 8},   {"Help", 5}};
    for (const auto& [panel, count] : buttonsPerPanel)
        EXPECT_EQ(window->findChild<QWidget*>(panel)->findChildren<QToolButton*>().size(), count)
            << panel.toStdString();
    QStringList menus;
    for (QAction* top : window->menuBar()->actions())
        menus << top->text();
    EXPECT_EQ(menus, (QStringList{"业务录入", "业务查询", "委外加工", "工程预算", "统计分析",
                                  "盘点报表", "系统功能", "基本资料", "帮助"}));
    for (const CommandDef& command : commandTable()) {
        SCOPED_TRACE(command.caption.toStdString());
        const bool onlyInMenu = command.caption == "仓库告警" || command.caption == "数据恢复";
        if (!onlyInMenu && command.caption != ExitCommand) {
            EXPECT_TRUE(commandButton(command.caption));
        }
        EXPECT_TRUE(menuItem(command.menuText()));
    }
    QStringList popup;
    for (QAction* item : window->findChild<QMenu*>("PopupMenu1")->actions())
        popup << item->text();
    EXPECT_EQ(popup, (QStringList{"物品查询", "关于软件", "计算器"}));
    EXPECT_TRUE(menuItem("委外加工出库") && commandButton("委外出库单"));
    EXPECT_TRUE(menuItem("物品期初余额录入") && commandButton("期初余额录入"));
}

TEST_F(MainFormTest, ButtonAndMenuItemOfACommandDoTheSame) {
    openAs("0000", "admin");
    for (const CommandDef& command : commandTable()) {
        if (command.caption == ExitCommand)
            continue;
        SCOPED_TRACE(command.caption.toStdString());
        const auto places = placesOf(command);
        ASSERT_FALSE(places.empty());
        for (const auto& choose : places) {
            ran.clear();
            MessageRecorder messages;
            ModalScript modal;
            const bool external = command.caption == "计算器" || command.caption == "使用说明";
            if (registry.find(command.caption) && !external)
                modal.expect(command.windowClass);
            else if (!external)
                messages.expect(notAvailableText(command));
            choose();
            if (external) {
                EXPECT_EQ(ran, std::vector<QString>{command.caption});
            }
        }
    }
}

TEST_F(MainFormTest, AdministratorCommandsRefuseAnOperatorBeforeAnythingOpens) {
    const std::map<QString, QString> refused = {
        {"操作员管理", "只有管理员才能进行操作员管理!!"},
        {"数据初始化", "只有管理员才能进行数据初始化操作!!"},
        {"数据恢复", "只有管理员才能进行此操作!!"},
        {"期初余额录入", "只有管理员才能进行此操作!!"},
        {"操作流水", "只有管理员才能进行此操作!!"},
    };
    int opened = 0;
    for (const auto& [caption, message] : refused)
        registry.addAction(caption, [&opened](QWidget*) { ++opened; });
    openAs("0001", "x");
    ASSERT_EQ(window->statusPanels()->text(1), "张三");
    for (const CommandDef& command : commandTable()) {
        EXPECT_EQ(command.administratorOnly(), refused.count(command.caption) == 1)
            << command.caption.toStdString();
    }
    for (const auto& [caption, message] : refused) {
        SCOPED_TRACE(caption.toStdString());
        for (const auto& choose : placesOf(*findCommand(caption))) {
            MessageRecorder messages;
            messages.expect(message);
            choose();
            EXPECT_EQ(messages.shown().at(0).title, "提示信息");
        }
    }
    EXPECT_EQ(opened, 0);

    // 数据备份 and 数据导出 are for every operator.
    MessageRecorder messages;
    messages.expect(notAvailableText(*findCommand("数据备份")));
    QTest::mouseClick(commandButton("数据备份"), Qt::LeftButton);
}
