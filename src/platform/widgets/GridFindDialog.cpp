#include "platform/widgets/GridFindDialog.h"

#include "platform/widgets/DataGrid.h"
#include "platform/widgets/Labels.h"
#include "platform/widgets/Messages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

GridFindDialog::GridFindDialog(DataGrid* grid)
    : QDialog(grid), grid_(grid), text_(new QLineEdit(this)), column_(new QComboBox(this)) {
    setObjectName(QStringLiteral("GridFindDialog"));
    setWindowTitle(QStringLiteral("查找"));
    setAttribute(Qt::WA_DeleteOnClose);
    text_->setObjectName(QStringLiteral("findText"));
    column_->setObjectName(QStringLiteral("findColumn"));
    column_->addItem(QStringLiteral("全部列"), -1);
    const GridColumns& columns = grid->model()->columns();
    for (int c = 0; c < int(columns.size()); ++c)
        column_->addItem(columns[c].title, c);

    auto* next = new QPushButton(QStringLiteral("查找下一个"), this);
    next->setObjectName(QStringLiteral("findNextButton"));
    next->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("findCloseButton"));
    connect(next, &QPushButton::clicked, this, &GridFindDialog::findNext);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QGridLayout(this);
    layout->addWidget(
        buddyLabel(QStringLiteral("findTextLabel"), QStringLiteral("查找内容"), text_), 0, 0);
    layout->addWidget(text_, 0, 1);
    layout->addWidget(next, 0, 2);
    layout->addWidget(
        buddyLabel(QStringLiteral("findColumnLabel"), QStringLiteral("查找范围"), column_), 1, 0);
    layout->addWidget(column_, 1, 1);
    layout->addWidget(close, 1, 2);
}

void GridFindDialog::findNext() {
    const int row =
        grid_->findNext(text_->text(), column_->currentData().toInt(), grid_->currentRow());
    if (row < 0) {
        Messages::notice(this, QStringLiteral("没有找到“%1”。").arg(text_->text()));
        return;
    }
    grid_->setCurrentRow(row);
}
