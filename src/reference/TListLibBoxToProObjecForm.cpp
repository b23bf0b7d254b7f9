#include "reference/TListLibBoxToProObjecForm.h"

#include "platform/widgets/DataGrid.h"
#include "platform/widgets/Messages.h"
#include "platform/widgets/ModalRunner.h"
#include "platform/widgets/StatusPanels.h"
#include "platform/widgets/WindowParts.h"
#include "store/StoreError.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace {

GridColumn column(const char* field) {
    GridColumn c;
    c.field = QString::fromUtf8(field);
    c.title = c.field;
    return c;
}

} // namespace

TListLibBoxToProObjecForm::TListLibBoxToProObjecForm(QWidget* parent)
    : ModalWindow(parent, QStringLiteral("TListLibBoxToProObjecForm"), QStringLiteral("仓库清单")),
      list_(new DataGrid(
          QStringLiteral("DBGridEh1"),
          {column("仓库编号"), column("仓库名称"), column("仓库用途"), column("仓管员")}, this)) {
    auto* close = commandButton(QStringLiteral("BitBtn1"), QStringLiteral("退出"), this);
    auto* status = new StatusPanels(
        QStringLiteral("StatusBar1"),
        {QStringLiteral("操作提示"), QStringLiteral("双击清单中的仓库加入物品类别中！")}, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
    layout->addWidget(status);
    resize(520, 360);

    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &DataGrid::doubleClicked, this, [this](int row) {
        if (row < 0)
            return;
        emit chosen(list_->value(row, QStringLiteral("仓库名称")).toString());
        accept();
    });
    try {
        list_->setQuery(QStringLiteral("SELECT * FROM 仓库信息表 ORDER BY 仓库编号"));
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
    }
}

std::optional<QString> TListLibBoxToProObjecForm::choose(QWidget* parent) {
    std::optional<QString> result;
    auto* picker = new TListLibBoxToProObjecForm(parent);
    connect(picker, &TListLibBoxToProObjecForm::chosen,
            [&result](const QString& name) { result = name; });
    runModal(picker);
    return result;
}
