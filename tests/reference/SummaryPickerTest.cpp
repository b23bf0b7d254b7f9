#include "WindowDriver.h"
#include "platform/widgets/support/ScriptedUi.h"
#include "reference/SummaryCallers.h"
#include "reference/TListBinessNoteForm.h"
#include "store/Sql.h"
#include "support/TestDatabase.h"

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

class SummaryPickerTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        for (const char* phrase : {"工程甲", "生产单'7"})
            Sql::insert(u("帐务摘要"), {{u("帐务摘要"), u(phrase)}, {u("使用次数"), 3}});
    }
    // The picker as a user answers it: a double-click on the second phrase.
    void expectChoiceOfSecondPhrase() {
        modal.expect(u("TListBinessNoteForm"), [](QDialog& picker) {
            auto* grid = picker.findChild<EditGrid*>(u("DBGrid1"));
            ASSERT_TRUE(grid);
            doubleClickRow(grid->view(), 1);
        });
    }
    MessageRecorder messages;
    ModalScript modal;
};

TEST_F(SummaryPickerTest, EveryCallerKeyGetsThePhraseAndItsFocusRule) {
    const struct {
        const char* key;
        bool movesFocus;
    } cases[] = {
        {"入库单", true},         {"预算单录入", true},   {"预算单领料查询", false},
        {"工程领料汇总", false},  {"出库单", true},       {"工程出库单", true},
        {"入库退出单", true},     {"调拨单", true},       {"出库退回单", true},
        {"直拨单", true},         {"盘盈盘损单", true},   {"委外加工入库单", true},
        {"委外加工出库单", true}, {"库存物品查询", true}, {"帐单统计", true},
    };
    ASSERT_EQ(summaryCallers().size(), std::size(cases));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        expectChoiceOfSecondPhrase();
        const auto choice = TListBinessNoteForm::choose(nullptr, u(c.key));
        ASSERT_TRUE(choice);
        EXPECT_EQ(choice->text, u("生产单'7"));
        EXPECT_EQ(choice->movesFocus, c.movesFocus);
    }
    expectChoiceOfSecondPhrase();
    EXPECT_FALSE(TListBinessNoteForm::choose(nullptr, u("未知窗口")));
    EXPECT_EQ(rowCount(u("帐务摘要"), u("使用次数 = 3")), 2);
}

TEST_F(SummaryPickerTest, TheChosenPhraseFillsTheCallersBox) {
    QWidget caller;
    auto* box = new QLineEdit(&caller);
    box->setObjectName(u("cxTextEdit6"));
    auto* other = new QLineEdit(&caller);
    showActive(&caller);
    other->setFocus();
    expectChoiceOfSecondPhrase();
    TListBinessNoteForm::fillBox(&caller, u("入库单"), box);
    EXPECT_EQ(box->text(), u("生产单'7"));
    EXPECT_EQ(caller.focusWidget(), box);
}

TEST_F(SummaryPickerTest, PhrasesAreAddedHereAndADuplicateIsDropped) {
    modal.expect(u("TListBinessNoteForm"), [this](QDialog& picker) {
        auto* grid = picker.findChild<EditGrid*>(u("DBGrid1"));
        click(&picker, "BitBtn1");
        EXPECT_FALSE(picker.findChild<QPushButton*>(u("BitBtn1"))->isEnabled());
        typeCell(grid, grid->model()->pendingRow(), u("帐务摘要"), u("工程甲"));
        messages.expect(u("该摘要信息已经存在,不用再增加!"));
        click(&picker, "BitBtn2");
        EXPECT_EQ(grid->model()->pendingRow(), -1);
        EXPECT_EQ(grid->model()->rowCount(), 2);

        click(&picker, "BitBtn1");
        typeCell(grid, grid->model()->pendingRow(), u("帐务摘要"), u("工程乙"));
        click(&picker, "BitBtn2");
        EXPECT_TRUE(picker.findChild<QPushButton*>(u("BitBtn1"))->isEnabled());

        // Deleting asks first and logs the phrase.
        grid->setCurrentRow(2);
        messages.expect(u("您真的要删除该摘要信息吗？"), true);
        click(&picker, "BitBtn3");
    });
    EXPECT_FALSE(TListBinessNoteForm::choose(nullptr, u("入库单")));
    EXPECT_EQ(rowCount(u("帐务摘要")), 2);
    EXPECT_EQ(operationLogTexts(),
              QStringList({u("新增加业务摘要:工程乙"), u("删除业务摘要:工程乙")}));
}

} // namespace
