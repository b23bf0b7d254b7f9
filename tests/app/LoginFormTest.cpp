#include "app/LoginForm.h"

#include "admin/PasswordHash.h"
#include "platform/widgets/support/ScriptedUi.h"
#include "store/Session.h"
#include "store/Sql.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

class LoginFormTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        Session::setOperatorName({});
        Sql::insert("操作员信息表", {{"操作员代号", "0001"},
                                     {"操作员姓名", "张三"},
                                     {"操作员类别", "操作员"},
                                     {"操作员密码", PasswordHash::make("Ab")}});
        form = new TLoginForm;
        QObject::connect(form, &QDialog::finished, [this](int r) { result = r; });
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        code = form->findChild<QLineEdit*>("Edit1");
        password = form->findChild<QLineEdit*>("Edit2");
        name = form->findChild<QLabel*>("Label3");
        login = form->findChild<QPushButton*>("BitBtn1");
    }
    void TearDown() override {
        delete form.data();
        DatabaseTest::TearDown();
    }

    // Types into a box as a user would: select all, type, Enter.
    void type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    QPointer<TLoginForm> form;
    QLineEdit* code = nullptr;
    QLineEdit* password = nullptr;
    QLabel* name = nullptr;
    QPushButton* login = nullptr;
    int result = -1;
};

} // namespace

TEST_F(LoginFormTest, LeavingTheCodeBoxShowsTheOperatorOrRefusesTheCode) {
    EXPECT_EQ(code->text(), "0000");
    EXPECT_EQ(code->maxLength(), 4);
    EXPECT_EQ(password->maxLength(), 24);
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    type(code, "0001");
    EXPECT_EQ(name->text(), "张三");
    EXPECT_EQ(QApplication::focusWidget(), password);

    MessageRecorder messages;
    messages.expect("操作员编号出错,请重新输入!");
    type(code, "0009");
    EXPECT_EQ(messages.shown().at(0).title, "提示信息");
    EXPECT_EQ(messages.shown().at(0).icon, MessageRequest::Icon::Warning);
    EXPECT_EQ(code->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), code);

    type(code, ""); // an empty code is left alone
    EXPECT_EQ(QApplication::focusWidget(), password);
}

TEST_F(LoginFormTest, LogsInOnlyWithTheExactPassword) {
    const struct {
        const char* code;
        const char* password;
        const char* label; // after 登录系统
        bool accepted;
    } cases[] = {
        {"0001", "ab", "密码不正确!!", false}, // letter case counts
        {"0001", "", "密码不正确!!", false},
        {"0001", "Ab", "张三", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.password);
        type(code, c.code);
        type(password, c.password);
        ASSERT_EQ(QApplication::focusWidget(), login) << "Enter moves on to 登录系统";
        QTest::keyClick(login, Qt::Key_Return);
        EXPECT_EQ(name->text(), c.label);
        EXPECT_EQ(result == QDialog::Accepted, c.accepted);
        if (!c.accepted) {
            EXPECT_TRUE(password->text().isEmpty());
            EXPECT_EQ(QApplication::focusWidget(), password);
            EXPECT_TRUE(Session::operatorName().isEmpty());
        }
    }
    EXPECT_EQ(Session::operatorName(), "张三");
}

TEST_F(LoginFormTest, AnEmptyCodeAsksForTheUser) {
    code->setText("  ");
    QTest::mouseClick(login, Qt::LeftButton);
    EXPECT_EQ(name->text(), "请输入用户名!");
    EXPECT_EQ(QApplication::focusWidget(), code);
    EXPECT_EQ(result, -1);
}

TEST_F(LoginFormTest, ClosingTheWindowOrQuittingRejectsIt) {
    form->close();
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(Session::operatorName().isEmpty());
}
