#include "reference/ReferenceWindow.h"
#include "WindowDriver.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/support/ScriptedUi.h"
#include "reference/ReferenceWindows.h"
#include "store/Session.h"
#include "store/Sql.h"
#include "support/TestDatabase.h"

#include <QPointer>

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

class ReferenceWindowTest : public DatabaseTest {
protected:
    ReferenceWindow* open(const char* className) {
        window_ = qobject_cast<ReferenceWindow*>(createReferenceWindow(u(className), nullptr));
        showActive(window_);
        return window_;
    }
    void TearDown() override {
        delete window_.data();
        DatabaseTest::TearDown();
    }
    static void addWarehouse(const char* code, const char* name) {
        Sql::insert(u("仓库信息表"), {{u("仓库编号"), u(code)}, {u("仓库名称"), u(name)}});
    }

    MessageRecorder messages;
    QPointer<ReferenceWindow> window_;
};

TEST_F(ReferenceWindowTest, AWarehouseIsNumberedNamedOnceAndEditedInPlace) {
    ReferenceWindow* w = open("TInitLibBoxInfoForm");
    EditGrid* grid = w->grid();
    for (const char* name : {"一号'库", "二号库"}) {
        click(w, "BitBtn1");
        const int row = grid->model()->pendingRow();
        typeCell(grid, row, u("仓库名称"), u(name));
        messages.expect(u("仓库信息已经保存!"));
        click(w, "BitBtn2");
    }
    EXPECT_EQ(messages.shown().back().icon, MessageRequest::Icon::None);
    EXPECT_EQ(rowCount(u("仓库信息表"), u("仓库编号 = '01' AND 仓库名称 = ?"), {u("一号'库")}), 1);
    EXPECT_EQ(rowCount(u("仓库信息表"), u("仓库编号 = '02'")), 1);
    EXPECT_EQ(operationLogTexts(), QStringList({u("新增仓库信息!01"), u("新增仓库信息!02")}));

    // A saved warehouse keeps its name; its other columns are stored when the cursor moves on.
    EXPECT_FALSE(isEditable(grid, 0, u("仓库名称")));
    typeCell(grid, 0, u("仓管员"), u("王五"));
    grid->setCurrentRow(1);
    EXPECT_EQ(rowCount(u("仓库信息表"), u("仓管员 = '王五' AND 仓库编号 = '01'")), 1);

    messages.expect(u("您真的要删除该仓库吗？"), false);
    click(w, "BitBtn3");
    EXPECT_EQ(rowCount(u("仓库信息表")), 2);
    messages.expect(u("您真的要删除该仓库吗？"), true);
    click(w, "BitBtn3");
    EXPECT_EQ(operationLogTexts().constLast(), u("删除仓库信息,仓库编号是:02"));
}

TEST_F(ReferenceWindowTest, ABinBelongsToTheWarehouseSelected) {
    addWarehouse("01", "一库");
    addWarehouse("02", "二库");
    ReferenceWindow* w = open("TInitStorageInfoForm");
    w->masterList()->setCurrentRow(1);
    click(w, "BitBtn1");
    typeCell(w->grid(), 0, u("仓位名称"), u("A-1"));
    messages.expect(u("仓位信息已经保存！"));
    click(w, "BitBtn2");
    EXPECT_EQ(
        rowCount(u("仓位信息表"), u("仓位名称 = 'A-1' AND 仓库编号 = '02' AND 仓库名称 = '二库'")),
        1);
    EXPECT_EQ(w->grid()->model()->rowCount(), 1);
    w->masterList()->setCurrentRow(0);
    EXPECT_EQ(w->grid()->model()->rowCount(), 0);
    EXPECT_TRUE(operationLogTexts().isEmpty());
}

TEST_F(ReferenceWindowTest, DepartmentsAndSuppliersNumberApartAndLeaveNoNamelessRows) {
    const struct {
        const char* window;
        const char* kind;
        const char* firstCode;
        const char* saved;
        const char* log;
    } cases[] = {
        {"TInitDeptInfoForm", "内部部门", "001", "物品信息保存成功!可以按新增继续增加信息",
         "新增部门信息!001"},
        {"TInitClientInfoForm", "供应商", "101", "供销商信息保存成功!可以按新增继续增加信息",
         "新增加供应商,编号是:101"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        ReferenceWindow* w = open(c.window);
        click(w, "BitBtn1");
        EXPECT_EQ(w->grid()->model()->pendingValues().value(u("单位编号")).toString(),
                  u(c.firstCode));
        typeCell(w->grid(), 0, u("单位名称"), u("华'达"));
        messages.expect(u(c.saved));
        click(w, "BitBtn2");
        EXPECT_EQ(operationLogTexts().constLast(), u(c.log));

        // A row saved without a name is gone once the window closes, however it closes.
        click(w, "BitBtn1");
        typeCell(w->grid(), 1, u("单位名称"), u("  "));
        messages.expect(u(c.saved));
        click(w, "BitBtn2");
        EXPECT_EQ(rowCount(u("部门信息"), u("类别 = ?"), {u(c.kind)}), 2);
        w->close();
        EXPECT_EQ(rowCount(u("部门信息"), u("类别 = ?"), {u(c.kind)}), 1);
    }
    EXPECT_EQ(rowCount(u("部门信息")), 2);
}

TEST_F(ReferenceWindowTest, ADuplicateSummaryIsRefusedAndItsTextErased) {
    ReferenceWindow* w = open("TInitBessInfoForm");
    EditGrid* grid = w->grid();
    for (bool duplicate : {false, true}) {
        click(w, "BitBtn1");
        typeCell(grid, grid->model()->pendingRow(), u("帐务摘要"), u("工程'甲"));
        messages.expect(duplicate ? u("该摘要信息已经存在,不用再增加!")
                                  : u("信息保存成功，按新增继续增加摘要信息!"));
        click(w, "BitBtn2");
    }
    EXPECT_EQ(rowCount(u("帐务摘要")), 1);
    EXPECT_TRUE(grid->model()->pendingIsNew());
    EXPECT_EQ(grid->model()->pendingValues().value(u("帐务摘要")).toString(), u(""));
    EXPECT_EQ(operationLogTexts(), QStringList{u("新增加业务摘要:工程'甲")});
}

TEST_F(ReferenceWindowTest, OnlyAnAdministratorDeletes) {
    addWarehouse("01", "一库");
    Sql::insert(u("仓位信息表"), {{u("仓位名称"), u("A")}, {u("仓库编号"), u("01")}});
    Sql::insert(u("物品类别"), {{u("物品分类编号"), u("001")}, {u("物品类别"), u("五金")}});
    Sql::insert(u("物品资料表"), {{u("物品编号"), u("0010001")}, {u("物品类别"), u("五金")}});
    Sql::insert(u("部门信息"),
                {{u("单位编号"), u("001")}, {u("单位名称"), u("甲")}, {u("类别"), u("内部部门")}});
    Sql::insert(u("部门信息"),
                {{u("单位编号"), u("101")}, {u("单位名称"), u("乙")}, {u("类别"), u("供应商")}});
    Sql::insert(u("帐务摘要"), {{u("帐务摘要"), u("工程")}});
    Sql::insert(u("操作员信息表"), {{u("操作员代号"), u("0001")},
                                    {u("操作员姓名"), u("张三")},
                                    {u("操作员类别"), u("操作员")}});
    Session::setOperatorName(u("张三"));
    const struct {
        const char* window;
        const char* table;
        const char* refusal;
    } cases[] = {
        {"TInitLibBoxInfoForm", "仓库信息表", "只有管理员才能进行数据删除操作!!"},
        {"TInitStorageInfoForm", "仓位信息表", "只有管理员才能进行数据删除操作!!"},
        {"TInitProdObjectInfoForm", "物品类别", "只有管理员才能进行数据删除操作!!"},
        {"TInitProduceInfoForm", "物品资料表", "只有管理员才能进行物品资料删除操作!!"},
        {"TInitDeptInfoForm", "部门信息", "只有管理员才能进行数据删除操作!!"},
        {"TInitClientInfoForm", "部门信息", "只有管理员才能进行数据删除操作!!"},
        {"TInitBessInfoForm", "帐务摘要", "只有管理员才能进行数据删除操作!!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        const int before = rowCount(u(c.table));
        ReferenceWindow* w = open(c.window);
        messages.expect(u(c.refusal));
        click(w, "BitBtn3");
        EXPECT_EQ(rowCount(u(c.table)), before);
        delete w;
    }
    EXPECT_TRUE(operationLogTexts().isEmpty());
}

TEST_F(ReferenceWindowTest, ACategoryTakesItsWarehouseFromThePicker) {
    addWarehouse("01", "一库");
    addWarehouse("02", "二库");
    ReferenceWindow* w = open("TInitProdObjectInfoForm");
    EditGrid* grid = w->grid();
    EXPECT_FALSE(isEditable(grid, 0, u("物品类别")));
    click(w, "BitBtn1");
    EXPECT_EQ(grid->model()->pendingValues().value(u("物品分类编号")).toString(), u("001"));
    typeCell(grid, 0, u("物品类别"), u("五金"));

    ModalScript modal;
    modal.expect(u("TListLibBoxToProObjecForm"),
                 [](QDialog& picker) { doubleClickRow(picker.findChild<DataGrid*>()->view(), 1); });
    grid->commitEdits();
    QTest::keyClick(grid->view(), Qt::Key_F1);
    EXPECT_EQ(modal.opened(), QStringList{u("TListLibBoxToProObjecForm")});

    messages.expect(u("物品类别信息已经保存!"));
    click(w, "BitBtn2");
    EXPECT_EQ(messages.shown().back().title, u("提示框"));
    EXPECT_EQ(rowCount(u("物品类别"),
                       u("物品分类编号 = '001' AND 物品类别 = '五金' AND 所在仓库 = '二库'")),
              1);
    EXPECT_EQ(operationLogTexts(), QStringList{u("新增物品类别信息:001 五金")});
}

TEST_F(ReferenceWindowTest, CompanyInformationIsSavedFromItsBoxes) {
    QPointer<QDialog> w = createReferenceWindow(u("TInitCompanyInfoForm"), nullptr);
    showActive(w);
    auto* name = w->findChild<QLineEdit*>(u("DBEdit1"));
    ASSERT_TRUE(name);
    EXPECT_EQ(name->accessibleName(), u("公司名称"));
    typeText(name, u("恒昶'公司"));
    typeText(w->findChild<QLineEdit*>(u("DBEdit5")), u("0571-8"));
    click(w, "BitBtn1");
    EXPECT_EQ(rowCount(u("公司信息"), u("公司名称 = ? AND 公司电传 = '0571-8'"), {u("恒昶'公司")}),
              1);
    EXPECT_EQ(operationLogTexts(), QStringList{u("设置公司信息")});
    delete w.data();
}

} // namespace
