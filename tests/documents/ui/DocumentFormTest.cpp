#include "../DocumentFixture.h"

#include "documents/ui/DocumentForm.h"
#include "documents/ui/DocumentWindows.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/support/ScriptedUi.h"
#include "store/Sql.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

template <typename T> T* child(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        ADD_FAILURE() << "no control " << name << " in " << window.objectName().toStdString();
    return found;
}

void doubleClickRow(DataGrid* grid, int row) {
    grid->setCurrentRow(row);
    const QRect cell = grid->view()->visualRect(grid->view()->model()->index(row, 1));
    QTest::mouseDClick(grid->view()->viewport(), Qt::LeftButton, {}, cell.center());
}

void type(QWidget& window, const char* box, const QString& text) {
    QLineEdit* edit = child<QLineEdit>(window, box);
    edit->setFocus();
    edit->setText(text); // typed keys cannot carry Chinese text
    edit->setModified(true);
}

// With CHUGUANJIA_SCREENSHOT_DIR set, the windows a test passes through are saved there.
void keepPicture(QWidget& window, const char* name) {
    const QString dir = qEnvironmentVariable("CHUGUANJIA_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        window.grab().save(dir + u'/' + QString::fromLatin1(name));
}

class DocumentWindow : public DocumentFixture {
protected:
    void SetUp() override {
        DocumentFixture::SetUp();
        addItem("0010001", "螺栓 M8", "一库");
        Sql::insert(QStringLiteral("物品类别"),
                    {{QStringLiteral("物品分类编号"), QStringLiteral("001")},
                     {QStringLiteral("物品类别"), QStringLiteral("五金")},
                     {QStringLiteral("所在仓库"), QStringLiteral("一库")}});
        Sql::insert(QStringLiteral("仓库信息表"),
                    {{QStringLiteral("仓库编号"), QStringLiteral("01")},
                     {QStringLiteral("仓库名称"), QStringLiteral("一库")}});
    }

    QPointer<DocumentForm> open(const DocumentWindowDescriptor& descriptor) {
        QPointer<DocumentForm> form = new DocumentForm(descriptor);
        form->show();
        QApplication::setActiveWindow(form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(form));
        return form;
    }

    // Adds one line through the line-entry window: the first item of the first category.
    static ModalScript::Handler enterLine(const char* price, const char* quantity) {
        return [=](QDialog& entry) {
            auto* categories = child<DataGrid>(entry, "DBGrid1");
            categories->setCurrentRow(0);
            doubleClickRow(child<DataGrid>(entry, "DBGrid2"), 0);
            const auto& descriptor =
                static_cast<DocumentForm*>(entry.parentWidget())->descriptor().lineEntry;
            if (price) {
                auto* priceBox = entry.findChild<QLineEdit*>(descriptor.priceBox);
                priceBox->setText(QString::fromUtf8(price));
            }
            entry.findChild<QLineEdit*>(descriptor.quantityBox)
                ->setText(QString::fromUtf8(quantity));
            keepPicture(entry, "inbound-line-entry.png");
            QTest::mouseClick(child<QPushButton>(entry, "BitBtn2"), Qt::LeftButton);
        };
    }

    MessageRecorder messages;
    ModalScript modals;
};

TEST_F(DocumentWindow, AnInboundNoteIsEnteredPostedAndTheWindowMovesOn) {
    auto form = open(DocumentWindows::inboundNote());
    EXPECT_EQ(child<QLineEdit>(*form, "cxTextEdit1")->text(), "00000001");
    EXPECT_EQ(child<QLineEdit>(*form, "cxTextEdit3")->text(), "系统管理员");
    EXPECT_FALSE(child<QPushButton>(*form, "BitBtn1")->isEnabled());

    type(*form, "cxTextEdit2", QStringLiteral("O'Hara 供应"));
    child<QComboBox>(*form, "cxComboBox1")->setEditText(QStringLiteral("外购物品入库"));
    type(*form, "cxTextEdit7", QStringLiteral("01"));
    auto* grid = child<DataGrid>(*form, "DBGridEh1");
    grid->view()->setFocus(); // leaving the warehouse box resolves its code
    EXPECT_EQ(child<QLineEdit>(*form, "cxTextEdit7")->text(), "一库");

    modals.expect(QStringLiteral("TEnterProduceToInLibForm2"), enterLine("12.5", "4"));
    QTest::keyClick(grid->view(), Qt::Key_F1);
    EXPECT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(grid->footerTexts().value(6), "50.00");
    ASSERT_TRUE(child<QPushButton>(*form, "BitBtn1")->isEnabled());
    keepPicture(*form, "inbound-note.png");

    QTest::mouseClick(child<QPushButton>(*form, "BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(stock("0010001", "一库")->quantity, 4);
    EXPECT_EQ(Sql::scalar(QStringLiteral("SELECT 交货单位 FROM 入库单主表")).toString(),
              "O'Hara 供应");
    EXPECT_EQ(child<QLineEdit>(*form, "cxTextEdit1")->text(), "00000002");
    EXPECT_EQ(grid->rowCount(), 0);
    EXPECT_FALSE(child<QPushButton>(*form, "BitBtn1")->isEnabled());
    EXPECT_TRUE(child<QLineEdit>(*form, "cxTextEdit2")->text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>(*form, "cxTextEdit7")->text().isEmpty());
    EXPECT_EQ(child<QComboBox>(*form, "cxComboBox1")->currentText(), "外购物品入库");
    EXPECT_EQ(child<QLineEdit>(*form, "cxTextEdit3")->text(), "系统管理员");

    modals.expect(QStringLiteral("ReportPreview"), [](QDialog& preview) {
        preview.resize(900, 700);
        QApplication::processEvents();
        keepPicture(preview, "inbound-note-preview.png");
    });
    QTest::mouseClick(child<QPushButton>(*form, "BitBtn3"), Qt::LeftButton);

    QTest::mouseClick(child<QPushButton>(*form, "BitBtn4"), Qt::LeftButton); // no question
    EXPECT_TRUE(form.isNull() || !form->isVisible());
}

TEST_F(DocumentWindow, AFailedPostingLeavesTheWindowAsItWas) {
    addStock("0010001", "一库", 10, "25", 2.5);
    auto form = open(DocumentWindows::outboundNote());
    child<QLineEdit>(*form, "cxTextEdit7")->setText(QStringLiteral("一库"));
    auto* grid = child<DataGrid>(*form, "DBGridEh1");
    Sql::insert(QStringLiteral("物品库存表"),
                {{QStringLiteral("物品编号"), QStringLiteral("0010002")},
                 {QStringLiteral("物品类别"), QStringLiteral("五金")},
                 {QStringLiteral("仓库"), QStringLiteral("一库")}});
    modals.expect(QStringLiteral("TEnterProduceToOutLibForm2"), enterLine(nullptr, "3"));
    QTest::keyClick(grid->view(), Qt::Key_F1);
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_DOUBLE_EQ(grid->value(0, QStringLiteral("物品单价")).toDouble(), 2.5);
    Sql::exec(QStringLiteral("DELETE FROM 物品库存表 WHERE 物品编号 = '0010001'"));

    messages.expect(QStringLiteral("数据出现严重错误,请与软件供应商联系!"));
    QTest::mouseClick(child<QPushButton>(*form, "BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(messages.shown().back().title, "警告信息");
    EXPECT_EQ(child<QLineEdit>(*form, "cxTextEdit1")->text(), "00000001");
    EXPECT_EQ(grid->rowCount(), 1);
    EXPECT_TRUE(child<QPushButton>(*form, "BitBtn1")->isEnabled());
    EXPECT_EQ(child<QLineEdit>(*form, "cxTextEdit7")->text(), "一库");
    EXPECT_EQ(rowCount(QStringLiteral("出库单主表")), 0);

    messages.expect(QStringLiteral("数据还没有保存,真的要退出吗？"), false);
    QTest::mouseClick(child<QPushButton>(*form, "BitBtn4"), Qt::LeftButton);
    ASSERT_FALSE(form.isNull());
    EXPECT_TRUE(form->isVisible());
    messages.expect(QStringLiteral("数据还没有保存,真的要退出吗？"), true);
    QTest::mouseClick(child<QPushButton>(*form, "BitBtn4"), Qt::LeftButton);
    EXPECT_EQ(rowCount(QStringLiteral("出库单明细表")), 0);
}

TEST_F(DocumentWindow, GuardsOfTheLineCommands) {
    auto form = open(DocumentWindows::inboundNote());
    auto* grid = child<DataGrid>(*form, "DBGridEh1");
    QTest::keyClick(grid->view(), Qt::Key_F2); // no current line: nothing opens
    messages.expect(QStringLiteral("请先双击选择收料仓库,谢谢!"));
    QTest::keyClick(grid->view(), Qt::Key_F1);
    messages.expect(QStringLiteral("没有记录可以删除了,请查清楚!"));
    QTest::mouseClick(child<QPushButton>(*form, "BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(messages.shown().back().title, "警告信息");
    form->close();
}

TEST_F(DocumentWindow, TheTransferRefusesOneWarehouseAsBothEnds) {
    auto form = open(DocumentWindows::transferNote());
    child<QLineEdit>(*form, "cxTextEdit2")->setText(QStringLiteral("一库"));
    messages.expect(QStringLiteral("调出仓库,调入仓库不能一样!"));
    child<QLineEdit>(*form, "cxTextEdit7")->setText(QStringLiteral("一库 "));
    EXPECT_TRUE(child<QLineEdit>(*form, "cxTextEdit7")->text().isEmpty());
    form->close();
}

TEST_F(DocumentWindow, BoxesOpenTheirPickers) {
    auto form = open(DocumentWindows::outboundNote());
    modals.expect(QStringLiteral("TListBoxToOutLibForm"),
                  [](QDialog& picker) { doubleClickRow(child<DataGrid>(picker, "DBGridEh1"), 0); });
    QTest::keyClick(child<QLineEdit>(*form, "cxTextEdit7"), Qt::Key_F1);
    EXPECT_EQ(child<QLineEdit>(*form, "cxTextEdit7")->text(), "一库");
    modals.expect(QStringLiteral("TListDeptInfoForm"),
                  [](QDialog& picker) { EXPECT_EQ(picker.windowTitle(), "领用单位清单"); });
    QTest::keyClick(child<QLineEdit>(*form, "cxTextEdit2"), Qt::Key_F1);
    modals.expect(QStringLiteral("TListBinessNoteForm"));
    QTest::keyClick(child<QLineEdit>(*form, "cxTextEdit6"), Qt::Key_F1);
    form->close();
}

TEST_F(DocumentWindow, EveryKindOpensWithItsCaptionAndFirstNumber) {
    for (const DocumentWindowDescriptor* descriptor : DocumentWindows::all()) {
        SCOPED_TRACE(descriptor->className.toStdString());
        auto form = open(*descriptor);
        EXPECT_EQ(form->objectName(), descriptor->className);
        EXPECT_EQ(form->windowTitle(), descriptor->caption);
        EXPECT_EQ(child<QLineEdit>(*form, "cxTextEdit1")->text(), "00000001");
        form->close();
    }
}

} // namespace
