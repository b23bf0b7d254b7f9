#include "WindowDriver.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/support/ScriptedUi.h"
#include "reference/ReferenceWindow.h"
#include "reference/ReferenceWindows.h"
#include "store/Sql.h"
#include "support/TestDatabase.h"

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// A company set up from a fresh database through the windows alone.
class CompanySetUpTest : public DatabaseTest {
protected:
    ReferenceWindow* open(const char* className) {
        auto* w = qobject_cast<ReferenceWindow*>(createReferenceWindow(u(className), nullptr));
        showActive(w);
        return w;
    }
    // 新增, the cells typed, 保存 with its message.
    void addRow(ReferenceWindow* w, const std::vector<std::pair<const char*, const char*>>& cells,
                const char* saved) {
        click(w, "BitBtn1");
        for (const auto& [column, text] : cells)
            typeCell(w->grid(), w->grid()->model()->pendingRow(), u(column), u(text));
        messages.expect(u(saved));
        click(w, "BitBtn2");
    }

    MessageRecorder messages;
};

TEST_F(CompanySetUpTest, WarehousesBinsCategoriesItemsPartiesAndASummary) {
    ReferenceWindow* w = open("TInitLibBoxInfoForm");
    for (const char* name : {"一库", "二库"})
        addRow(w, {{"仓库名称", name}}, "仓库信息已经保存!");
    w->close();

    w = open("TInitStorageInfoForm");
    for (int warehouse : {0, 1}) {
        w->masterList()->setCurrentRow(warehouse);
        addRow(w, {{"仓位名称", warehouse ? "B-1" : "A-1"}}, "仓位信息已经保存！");
    }
    w->close();

    w = open("TInitProdObjectInfoForm");
    ModalScript modal;
    for (int warehouse : {0, 1}) {
        click(w, "BitBtn1");
        typeCell(w->grid(), w->grid()->model()->pendingRow(), u("物品类别"),
                 warehouse ? u("电料") : u("五金"));
        modal.expect(u("TListLibBoxToProObjecForm"), [warehouse](QDialog& picker) {
            doubleClickRow(picker.findChild<DataGrid*>()->view(), warehouse);
        });
        w->grid()->commitEdits();
        QTest::keyClick(w->grid()->view(), Qt::Key_F1);
        messages.expect(u("物品类别信息已经保存!"));
        click(w, "BitBtn2");
    }
    w->close();

    w = open("TInitProduceInfoForm");
    const char* saved = "物品信息保存成功!可以按新增继续增加物品资料";
    for (const char* name : {"螺栓", "螺母", "垫圈"})
        addRow(w, {{"物品名称", name}, {"物品单位", "个"}}, saved);
    w->masterList()->setCurrentRow(1);
    for (const char* name : {"电缆", "开关"})
        addRow(w, {{"物品名称", name}, {"物品单位", "只"}}, saved);
    w->close();

    w = open("TInitDeptInfoForm");
    for (const char* name : {"生产部", "工程部"})
        addRow(w, {{"单位名称", name}}, "物品信息保存成功!可以按新增继续增加信息");
    w->close();
    w = open("TInitClientInfoForm");
    for (const char* name : {"华达公司", "恒通公司"})
        addRow(w, {{"单位名称", name}}, "供销商信息保存成功!可以按新增继续增加信息");
    w->close();
    w = open("TInitBessInfoForm");
    addRow(w, {{"帐务摘要", "一期工程"}}, "信息保存成功，按新增继续增加摘要信息!");
    w->close();

    EXPECT_EQ(rowCount(u("仓位信息表"), u("仓库编号 = '02' AND 仓库名称 = '二库'")), 1);
    EXPECT_EQ(rowCount(u("物品类别"),
                       u("物品分类编号 = '002' AND 所在仓库 = '二库' AND 最后编号 = '0002'")),
              1);
    EXPECT_EQ(rowCount(u("物品资料表"),
                       u("物品编号 = '0020002' AND 物品名称 = '开关' AND 默认仓库 = '二库'")),
              1);
    EXPECT_EQ(rowCount(u("部门信息"), u("类别 = '供应商' AND 单位编号 = '102'")), 1);
    EXPECT_EQ(
        operationLogTexts(),
        QStringList({u("新增仓库信息!01"), u("新增仓库信息!02"), u("新增物品类别信息:001 五金"),
                     u("新增物品类别信息:002 电料"), u("新增物品信息:0010001 螺栓"),
                     u("新增物品信息:0010002 螺母"), u("新增物品信息:0010003 垫圈"),
                     u("新增物品信息:0020001 电缆"), u("新增物品信息:0020002 开关"),
                     u("新增部门信息!001"), u("新增部门信息!002"), u("新增加供应商,编号是:101"),
                     u("新增加供应商,编号是:102"), u("新增加业务摘要:一期工程")}));
}

} // namespace
