#include "app/BrowseForm.h"

#include "platform/widgets/DataGrid.h"
#include "platform/widgets/Messages.h"
#include "platform/widgets/StatusPanels.h"
#include "platform/widgets/WindowParts.h"
#include "store/StoreError.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QWidget* boxAround(const QString& title, QWidget* content, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(content);
    content->setAccessibleName(title);
    return box;
}

QLabel* headingPanel(const QString& text, QWidget* parent) {
    auto* heading = new QLabel(text, parent);
    heading->setObjectName(QStringLiteral("Panel1"));
    heading->setAlignment(Qt::AlignCenter);
    heading->setMinimumHeight(40);
    QFont font = heading->font();
    font.setPointSize(font.pointSize() + 5);
    font.setBold(true);
    heading->setFont(font);
    heading->setStyleSheet(QStringLiteral("QLabel { color: #1f4e79; }"));
    return heading;
}

GridColumn stockColumn(const char* field, const char* title, const char* mask = "",
                       const char* sumMask = "", bool money = false, int width = 0) {
    GridColumn column;
    column.field = QString::fromUtf8(field);
    column.title = QString::fromUtf8(title);
    column.mask = QString::fromUtf8(mask);
    column.money = money;
    column.footerSumMask = QString::fromUtf8(sumMask);
    column.width = width;
    return column;
}

GridColumn nameColumn() {
    return stockColumn("物品名称", "物品名称", "", "", false, 220);
}

} // namespace

BrowseForm::BrowseForm(const BrowseDescriptor& descriptor, QWidget* parent)
    : ModalWindow(parent, descriptor.className, descriptor.heading), descriptor_(descriptor),
      DBGrid1(new DataGrid(QStringLiteral("DBGrid1"), {descriptor.listColumn}, this)),
      DBGridEh1(new DataGrid(QStringLiteral("DBGridEh1"), descriptor.rowsColumns, this)) {
    DBGridEh1->setFrozenColumns(descriptor.frozenColumns);
    auto* close = commandButton(QStringLiteral("BitBtn1"), descriptor.closeCaption, this);
    close->setIcon(QIcon(QStringLiteral(":/icons/window-close.png")));
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(boxAround(descriptor.listBox, DBGrid1, splitter));
    splitter->addWidget(boxAround(descriptor.rowsBox, DBGridEh1, splitter));
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({180, 720});

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headingPanel(descriptor.heading, this));
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    layout->addWidget(new StatusPanels(QStringLiteral("StatusBar1"),
                                       {QStringLiteral("操作提示"), descriptor.hint}, this));
    resize(1120, 620);

    DBGrid1->view()->horizontalHeader()->setStretchLastSection(true);
    // A click chooses the group; once one is chosen the arrow keys move on from it.
    connect(DBGrid1->view(), &QAbstractItemView::pressed, this,
            [this](const QModelIndex& index) { showGroup(index.row()); });
    connect(DBGrid1, &DataGrid::currentRowChanged, this, [this](int row) {
        if (!DBGridEh1->model()->statement().isEmpty())
            showGroup(row);
    });
    try {
        DBGrid1->setQuery(descriptor.listStatement);
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
    }
}

void BrowseForm::showGroup(int row) {
    if (row < 0)
        return;
    try {
        DBGridEh1->setQuery(descriptor_.rowsStatement,
                            {DBGrid1->value(row, descriptor_.listColumn.field)});
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
    }
}

BrowseForm* createListLibForm(QWidget* parent) {
    BrowseDescriptor d;
    d.className = QStringLiteral("TListLibForm");
    d.heading = QStringLiteral("仓库情况列表");
    d.listBox = QStringLiteral("仓库");
    d.listStatement = QStringLiteral("SELECT * FROM 仓库信息表 ORDER BY 仓库编号");
    d.listColumn = stockColumn("仓库名称", "仓库名称");
    d.rowsBox = QStringLiteral("仓库物品信息");
    d.rowsStatement = QStringLiteral("SELECT * FROM 物品库存表 WHERE 仓库 = ? ORDER BY 物品编号");
    d.rowsColumns = {
        stockColumn("物品类别", "物品类别"),
        stockColumn("物品编号", "物品编号"),
        nameColumn(),
        stockColumn("物品单位", "单位"),
        stockColumn("物品数量", "物品数量", "##0.000", "###.###"),
        stockColumn("平均成本", "平均成本", "##0.000"),
        stockColumn("总成本", "总成本", "#,##0.00", "#,##0.00", true),
        stockColumn("代替品编号", "企业编码"),
    };
    d.frozenColumns = 3;
    d.hint = QStringLiteral("选择存放物品的不同仓库，列出该仓库中所有物品的信息!");
    d.closeCaption = QStringLiteral("关闭");
    return new BrowseForm(d, parent);
}

BrowseForm* createListProducInfoForm(QWidget* parent) {
    BrowseDescriptor d;
    d.className = QStringLiteral("TListProducInfoForm");
    d.heading = QStringLiteral("仓库物品情况列表");
    d.listBox = QStringLiteral("物品类别");
    d.listStatement = QStringLiteral("SELECT * FROM 物品类别 ORDER BY 物品分类编号");
    d.listColumn = stockColumn("物品类别", "物品类别");
    d.rowsBox = QStringLiteral("仓库物品信息");
    d.rowsStatement =
        QStringLiteral("SELECT * FROM 物品库存表 WHERE 物品类别 = ? ORDER BY 物品编号");
    d.rowsColumns = {
        stockColumn("物品编号", "物品编号"),
        nameColumn(),
        stockColumn("物品单位", "单位"),
        stockColumn("物品数量", "物品数量", "##0.000"),
        stockColumn("平均成本", "平均成本", "##0.000"),
        stockColumn("总成本", "总成本", "#,##0.00", "", true),
        stockColumn("仓库", "仓库"),
    };
    d.hint = QStringLiteral("选择物品类别中的不同类别，列出仓库中各类别的物品的信息!");
    d.closeCaption = QStringLiteral("退出");
    return new BrowseForm(d, parent);
}
