#include "admin/Operators.h"
#include "admin/TChangePasswordForm.h"
#include "admin/TEnterUserForm.h"
#include "platform/widgets/support/ScriptedUi.h"
#include "store/Session.h"
#include "store/Sql.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

template <typename Window> class OperatorWindowTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        window_ = new Window(nullptr);
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    }
    void TearDown() override {
        delete window_.data();
        DatabaseTest::TearDown();
    }
    QLineEdit* box(const char* name) const {
        return window_->template findChild<QLineEdit*>(u(name));
    }
    // Types into the box and leaves it with Enter, as a user moves on.
    void enter(const char* name, const QString& text) {
        QLineEdit* edit = box(name);
        edit->setFocus();
        edit->clear();
        for (const QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(edit, &press);
        }
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void click(const char* button) {
        QTest::mouseClick(window_->template findChild<QPushButton*>(u(button)), Qt::LeftButton);
    }

    MessageRecorder messages;
    QPointer<Window> window_;
};

using TEnterUserFormTest = OperatorWindowTest<TEnterUserForm>;
using TChangePasswordFormTest = OperatorWindowTest<TChangePasswordForm>;

TEST_F(TEnterUserFormTest, AnOperatorIsStoredWithTheRepeatedPassword) {
    click("BitBtn1");
    EXPECT_EQ(box("Edit1")->text(), u("0001"));
    EXPECT_TRUE(box("Edit2")->hasFocus());
    enter("Edit2", u("O'Hara"));
    enter("Edit3", u("Ab1"));
    messages.expect(u("两次输入的密码不一致,请重新输入!!"));
    enter("Edit4", u("Ab2"));
    EXPECT_EQ(messages.shown().back().icon, MessageRequest::Icon::Warning);
    EXPECT_EQ(box("Edit4")->text(), u("Ab2")); // kept, and the save goes on

    messages.expect(u("增加操作员0001成功!"));
    click("BitBtn2");
    EXPECT_TRUE(Operators::passwordMatches(u("O'Hara"), u("Ab2")));
    EXPECT_EQ(rowCount(u("操作员信息表"), u("操作员代号 = '0001' AND 操作员类别 = '操作员'")), 1);
    EXPECT_EQ(operationLogTexts(), QStringList{u("新增操作员,编号是:0001")});
    EXPECT_TRUE(box("Edit1")->text().isEmpty());
}

TEST_F(TEnterUserFormTest, AnIncompleteOperatorIsNotStored) {
    messages.expect(u("请输入完整的操作员的资料,再按本按钮进行保存!"));
    click("BitBtn2"); // no code yet
    click("BitBtn1");
    window_->findChild<QComboBox*>(u("ComboBox1"))->setCurrentText(u(" "));
    enter("Edit2", u("李四"));
    messages.expect(u("请输入完整的操作员的资料,再按本按钮进行保存!"));
    click("BitBtn2");
    EXPECT_EQ(rowCount(u("操作员信息表")), 1);
}

TEST_F(TChangePasswordFormTest, TheOldPasswordMustMatchAndTheNewOneBeRepeated) {
    EXPECT_EQ(box("Edit1")->text(), u("系统管理员"));
    auto* error = window_->findChild<QLabel*>(u("Label5"));

    enter("Edit2", u("Admin")); // letter case counts
    EXPECT_EQ(error->text(), u("密码不正确!,请重新输入正确的密码!"));
    EXPECT_TRUE(box("Edit2")->text().isEmpty());
    EXPECT_TRUE(box("Edit2")->hasFocus());

    enter("Edit2", u("admin"));
    enter("Edit3", u("n'ew"));
    messages.expect(u("两次输入的密码不一致,请重新输入!!"));
    enter("Edit4", u("n'ewx"));
    EXPECT_TRUE(box("Edit3")->text().isEmpty());
    EXPECT_TRUE(box("Edit3")->hasFocus());

    enter("Edit3", u("n'ew"));
    enter("Edit4", u("n'ew"));
    messages.expect(u("密码修改成功!下次登录时请使用新的密码!!"));
    click("BitBtn2");
    EXPECT_TRUE(Operators::passwordMatches(u("系统管理员"), u("n'ew")));
    EXPECT_EQ(operationLogTexts(), QStringList{u("修改登录密码")});
}

TEST_F(TChangePasswordFormTest, SaveWithoutTheOldPasswordChangesNothing) {
    box("Edit3")->setText(u("new"));
    box("Edit4")->setText(u("new"));
    click("BitBtn2");
    EXPECT_EQ(window_->findChild<QLabel*>(u("Label5"))->text(),
              u("密码不正确!,请重新输入正确的密码!"));
    EXPECT_TRUE(Operators::passwordMatches(u("系统管理员"), u("admin")));
    EXPECT_TRUE(operationLogTexts().isEmpty());
}

} // namespace
