#include "documents/pickers/UnitPicker.h"

#include "platform/widgets/DataGrid.h"
#include "platform/widgets/Labels.h"
#include "platform/widgets/Messages.h"
#include "platform/widgets/WindowParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The search text matches itself only: % and _ typed by the user are not wildcards.
QString containing(QString text) {
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u'%', QStringLiteral("\\%"));
    text.replace(u'_', QStringLiteral("\\_"));
    return u'%' + text + u'%';
}

} // namespace

UnitPicker::UnitPicker(QWidget* caller, const QString& className, const QString& title)
    : ListPicker(caller, className, title,
                 {plainColumn("单位编号"), plainColumn("单位名称"), plainColumn("单位地址"),
                  plainColumn("单位电话")},
                 QStringLiteral("BitBtn2"), QStringLiteral("关闭")),
      nameBox_(new QLineEdit(this)) {
    nameBox_->setObjectName(QStringLiteral("Edit1"));
    nameBox_->setMaxLength(50);
    auto* searchButton = commandButton(QStringLiteral("BitBtn1"), QStringLiteral("查询"), this);

    auto* row = new QHBoxLayout;
    row->addWidget(buddyLabel(QStringLiteral("Label1"), QStringLiteral("单位名称"), nameBox_));
    row->addWidget(nameBox_, 1);
    row->addWidget(searchButton);
    addControlRow(row);

    connect(nameBox_, &QLineEdit::returnPressed, searchButton, &QPushButton::click);
    connect(searchButton, &QPushButton::clicked, this, &UnitPicker::search);
    showRows(QStringLiteral("SELECT * FROM 部门信息 ORDER BY 单位编号"));
}

void UnitPicker::search() {
    showRows(QStringLiteral("SELECT * FROM 部门信息 WHERE 单位名称 LIKE ? ESCAPE '\\' "
                            "ORDER BY 单位编号"),
             {containing(nameBox_->text())});
}

void UnitPicker::choose(int row) {
    deliver(grid()->value(row, QStringLiteral("单位名称")).toString());
}

void UnitPicker::chooseFromEmptyList() {
    Messages::guidance(this, QStringLiteral("没有单位可以选择!"));
}
