#include "documents/pickers/CounterpartyPicker.h"
#include "documents/pickers/DocumentPickers.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/ModalWindow.h"
#include "platform/widgets/StatusPanels.h"
#include "platform/widgets/support/ScriptedUi.h"

#include "store/Sql.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>

namespace {

const QStringList CallerBoxes = {"cxTextEdit1", "cxTextEdit2", "cxTextEdit3", "cxTextEdit6",
                                 "cxTextEdit7"};

// A window that opens a picker: the opening control comes first among the window's
// children and the boxes sit one level deeper than the picker's own controls, so a picker
// that looked for a name among its own controls first would find those.
class FakeCaller {
public:
    FakeCaller() : opener_(new QLineEdit(&window_)), form_(new QFrame(&window_)) {
        opener_->setObjectName(QStringLiteral("opener"));
        auto* layout = new QVBoxLayout(&window_);
        layout->addWidget(opener_);
        layout->addWidget(form_);
        auto* formLayout = new QVBoxLayout(form_);
        for (const QString& name : CallerBoxes) {
            auto* box = new QLineEdit(form_);
            box->setObjectName(name);
            formLayout->addWidget(box);
        }
        auto* grid = new QTableView(form_);
        grid->setObjectName(QStringLiteral("DBGridEh1"));
        formLayout->addWidget(grid);
        window_.show();
        opener_->setFocus();
    }

    QWidget* opener() const { return opener_; }
    QWidget* control(const QString& name) const { return form_->findChild<QWidget*>(name); }
    QString text(const QString& box) const { return form_->findChild<QLineEdit*>(box)->text(); }
    QWidget* focused() const { return window_.focusWidget(); }

    // The boxes other than `filled` that hold text.
    QStringList othersFilled(const QString& filled) const {
        QStringList others;
        for (const QString& name : CallerBoxes)
            if (name != filled && !text(name).isEmpty())
                others << name;
        return others;
    }

private:
    QWidget window_;
    QLineEdit* opener_;
    QFrame* form_;
};

DataGrid* gridOf(QDialog& picker) {
    return picker.findChild<DataGrid*>(QStringLiteral("DBGridEh1"));
}

void doubleClickRow(QDialog& picker, int row) {
    DataGrid* grid = gridOf(picker);
    QTableView* view = grid->view();
    const QRect cell = view->visualRect(grid->model()->index(row, 1));
    ASSERT_TRUE(cell.isValid()) << "row " << row << " is not shown";
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
}

void doubleClickEmptyList(QDialog& picker) {
    QTest::mouseDClick(gridOf(picker)->view()->viewport(), Qt::LeftButton, {}, {20, 20});
}

// Types the text key by key (QTest::keyClicks knows only ASCII).
void type(QWidget* box, const QString& text) {
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

QStringList shownCodes(QDialog& picker) {
    QStringList codes;
    DataGrid* grid = gridOf(picker);
    for (int row = 0; row < grid->rowCount(); ++row)
        codes << grid->displayText(row, 0);
    return codes;
}

QString titleOf(QDialog& picker) {
    return picker.findChild<QLabel*>(QStringLiteral("Panel1"))->text();
}

void addUnit(const QString& code, const QString& name) {
    Sql::insert(QStringLiteral("部门信息"), {{QStringLiteral("单位编号"), code},
                                             {QStringLiteral("单位名称"), name},
                                             {QStringLiteral("类别"), QStringLiteral("供应商")}});
}

void addWarehouse(const QString& code, const QString& name) {
    Sql::insert(QStringLiteral("仓库信息表"),
                {{QStringLiteral("仓库编号"), code}, {QStringLiteral("仓库名称"), name}});
}

class PickersTest : public DatabaseTest {};

} // namespace

TEST_F(PickersTest, DepartmentPickerFillsTheBoxOfEachCallerKeyAndFocusesIt) {
    addUnit("002", "供应二部");
    addUnit("001", "生产一车间");
    const struct {
        const char* key;
        const char* title; // given by the caller; empty: the default
        const char* box;
    } cases[] = {
        {"出库单录入", "领用单位清单", "cxTextEdit2"},
        {"工程出库单录入", "领用单位清单", "cxTextEdit2"},
        {"入库退出单录入", "返还单位清单", "cxTextEdit2"},
        {"出库退回单录入", "退回单位清单", "cxTextEdit2"},
        {"调拨单录入", "领用单位清单", "cxTextEdit2"},
        {"预算单录入", "负责部门清单", "cxTextEdit3"},
        {"入库单查询", "交货单位清单", "cxTextEdit1"},
        {"出库单查询", "领用单位清单", "cxTextEdit1"},
        {"出库退回单查询", "退回单位清单", "cxTextEdit1"},
        {"入库退出单查询", "返还单位清单", "cxTextEdit1"},
        {"直拨单查询", "领用单位清单", "cxTextEdit1"},
        {"帐单统计", "", "cxTextEdit2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        FakeCaller caller;
        ModalScript script;
        const QString title = QString::fromUtf8(c.title);
        script.expect("TListDeptInfoForm", [&](QDialog& picker) {
            EXPECT_EQ(titleOf(picker), title.isEmpty() ? QStringLiteral("单位清单") : title);
            EXPECT_EQ(picker.findChild<StatusPanels*>()->text(1),
                      "双击选择清单中的单位，系统将会自动加入！");
            EXPECT_EQ(shownCodes(picker), (QStringList{"001", "002"}));
            doubleClickRow(picker, 1);
        });
        EXPECT_TRUE(openDepartmentPicker(caller.opener(), QString::fromUtf8(c.key), title));
        EXPECT_EQ(caller.text(c.box), "供应二部");
        EXPECT_EQ(caller.othersFilled(c.box), QStringList());
        EXPECT_EQ(caller.focused(), caller.control(c.box));
    }
}

TEST_F(PickersTest, UnitPickersSayAnEmptyListHasNothingToChooseAndStayOpen) {
    const struct {
        const char* window;
        std::function<bool(QWidget*)> open;
    } cases[] = {
        {"TListDeptInfoForm", [](QWidget* c) { return openDepartmentPicker(c, "出库单录入"); }},
        {"TListDeptInfoToInLibForm", [](QWidget* c) { return openCounterpartyPicker(c); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        FakeCaller caller;
        ModalScript script;
        MessageRecorder messages;
        messages.expect("没有单位可以选择!");
        script.expect(c.window, [](QDialog& picker) {
            doubleClickEmptyList(picker);
            EXPECT_TRUE(picker.isVisible());
            picker.findChild<QPushButton*>("BitBtn2")->click(); // 关闭
        });
        EXPECT_FALSE(c.open(caller.opener()));
        EXPECT_EQ(caller.text("cxTextEdit2"), "");
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].title, "提示信息");
    }
}

TEST_F(PickersTest, SearchMatchesPartOfTheNameTakingQuotesAndWildcardsLiterally) {
    addUnit("001", "O'Neil 五金");
    addUnit("002", "张三商行");
    addUnit("003", "O'Brien 建材");
    addUnit("004", "百分之50%公司");
    addUnit("005", "50元店");
    FakeCaller caller;
    ModalScript script;
    script.expect("TListDeptInfoForm", [](QDialog& picker) {
        auto* box = picker.findChild<QLineEdit*>("Edit1");
        const struct {
            const char* typed;
            QStringList codes;
        } searches[] = {
            {"0%", {"004"}},
            {"张三", {"002"}},
            {"", {"001", "002", "003", "004", "005"}},
            {"O'", {"001", "003"}},
        };
        for (const auto& s : searches) {
            SCOPED_TRACE(s.typed);
            box->clear();
            type(box, QString::fromUtf8(s.typed));
            QTest::keyClick(box, Qt::Key_Return);
            ASSERT_TRUE(picker.isVisible()) << "Enter must search, not close";
            EXPECT_EQ(shownCodes(picker), s.codes);
        }
        doubleClickRow(picker, 1);
    });
    EXPECT_TRUE(openDepartmentPicker(caller.opener(), "出库单录入"));
    EXPECT_EQ(caller.text("cxTextEdit2"), "O'Brien 建材");
}

TEST_F(PickersTest, WarehousePickersFillTheirBoxAndMoveTheFocus) {
    addWarehouse("02", "原料库");
    addWarehouse("01", "成品库");
    const struct {
        WarehousePickerFor kind;
        const char* window;
        const char* box;
        const char* focus;
    } cases[] = {
        {WarehousePickerFor::InboundNote, "TListBoxToInLibForm", "cxTextEdit7", "cxTextEdit6"},
        {WarehousePickerFor::OutboundNote, "TListBoxToOutLibForm", "cxTextEdit7", "cxTextEdit6"},
        {WarehousePickerFor::ProjectIssueNote, "TListBoxToOutLibForm", "cxTextEdit7",
         "cxTextEdit6"},
        {WarehousePickerFor::InboundReturnNote, "TListLibBoxToExitLibForm", "cxTextEdit7",
         "DBGridEh1"},
        {WarehousePickerFor::OutboundReturnNote, "TListLibBoxToUntreadForm", "cxTextEdit7",
         "DBGridEh1"},
        {WarehousePickerFor::TransferSource, "TListLibBoxToAttmperForm", "cxTextEdit2",
         "cxTextEdit7"},
        {WarehousePickerFor::TransferDestination, "TListLibBoxToAttmper2Form", "cxTextEdit7",
         "cxTextEdit6"},
        {WarehousePickerFor::StocktakingNote, "TListLibBoxToPanDianNoteForm", "cxTextEdit7",
         "DBGridEh1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        FakeCaller caller;
        ModalScript script;
        script.expect(c.window, [](QDialog& picker) {
            EXPECT_EQ(picker.windowTitle(), "仓库清单");
            EXPECT_EQ(shownCodes(picker), (QStringList{"01", "02"}));
            doubleClickRow(picker, 1);
        });
        EXPECT_TRUE(openWarehousePicker(caller.opener(), c.kind));
        EXPECT_EQ(caller.text(c.box), "原料库");
        EXPECT_EQ(caller.othersFilled(c.box), QStringList());
        EXPECT_EQ(caller.focused(), caller.control(c.focus));
    }
}

TEST_F(PickersTest, WarehousePickerExitLeavesTheCallerUnchanged) {
    addWarehouse("01", "成品库");
    FakeCaller caller;
    ModalScript script;
    script.expect("TListBoxToInLibForm", [](QDialog& picker) {
        picker.findChild<QPushButton*>("BitBtn1")->click(); // 退出
    });
    EXPECT_FALSE(openWarehousePicker(caller.opener(), WarehousePickerFor::InboundNote));
    EXPECT_EQ(caller.othersFilled({}), QStringList());
    EXPECT_EQ(caller.focused(), caller.opener());
}

TEST_F(PickersTest, CounterpartyPickerFillsTheDeliveringUnitAndMovesOnToTheSummary) {
    addUnit("101", "宏达五金");
    FakeCaller caller;
    ModalScript script;
    script.expect("TListDeptInfoToInLibForm", [](QDialog& picker) {
        EXPECT_EQ(picker.windowTitle(), "交货单位清单");
        EXPECT_FALSE(picker.findChild<QPushButton*>("BitBtn3")->isVisibleTo(&picker))
            << "新增单位 without a supplier window";
        doubleClickRow(picker, 0);
    });
    EXPECT_TRUE(openCounterpartyPicker(caller.opener()));
    EXPECT_EQ(caller.text("cxTextEdit2"), "宏达五金");
    EXPECT_EQ(caller.othersFilled("cxTextEdit2"), QStringList());
    EXPECT_EQ(caller.focused(), caller.control("cxTextEdit6"));
}

TEST_F(PickersTest, CounterpartyPickerListsAUnitAddedInTheSupplierWindow) {
    struct ResetHook {
        ~ResetHook() { CounterpartyPicker::setNewUnitWindow({}); }
    } resetHook;
    CounterpartyPicker::setNewUnitWindow([](QWidget* parent) {
        return new ModalWindow(parent, "TInitClientInfoForm", "供销商设置");
    });
    addUnit("101", "宏达五金");
    FakeCaller caller;
    ModalScript script;
    script.expect("TListDeptInfoToInLibForm", [&script](QDialog& picker) {
        script.expect("TInitClientInfoForm", [](QDialog&) { addUnit("102", "新来的供应商"); });
        auto* newUnit = picker.findChild<QPushButton*>("BitBtn3");
        ASSERT_TRUE(newUnit->isVisibleTo(&picker));
        newUnit->click();
        EXPECT_EQ(shownCodes(picker), (QStringList{"101", "102"}));

        QTest::keyClick(gridOf(picker)->view(), Qt::Key_Escape);
        EXPECT_TRUE(picker.isVisible()) << "Esc in the list keeps the picker open";
        EXPECT_TRUE(newUnit->isEnabled());
        doubleClickRow(picker, 1);
    });
    EXPECT_TRUE(openCounterpartyPicker(caller.opener()));
    EXPECT_EQ(caller.text("cxTextEdit2"), "新来的供应商");
}
