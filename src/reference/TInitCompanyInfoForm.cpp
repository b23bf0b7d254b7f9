#include "reference/TInitCompanyInfoForm.h"

#include "platform/widgets/EnterFocusChain.h"
#include "platform/widgets/Labels.h"
#include "platform/widgets/Messages.h"
#include "platform/widgets/StatusPanels.h"
#include "platform/widgets/WindowParts.h"
#include "reference/CompanyInfo.h"
#include "store/Schema.h"
#include "store/StoreError.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TInitCompanyInfoForm::TInitCompanyInfoForm(QWidget* parent)
    : ModalWindow(parent, QStringLiteral("TInitCompanyInfoForm"),
                  QStringLiteral("公司信息初始化")) {
    const struct {
        const char* column;
        const char* label;
    } fields[] = {{"公司名称", "公司名称"}, {"联系人", "联系人"},     {"公司地址", "公司地址"},
                  {"公司电话", "公司电话"}, {"公司电传", "公司传真"}, {"公司帐号", "公司帐号"}};
    auto* form = new QFormLayout;
    Row stored;
    try {
        stored = CompanyInfo::load();
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
    }
    QList<QWidget*> chain;
    for (int i = 0; i < int(std::size(fields)); ++i) {
        const QString column = QString::fromUtf8(fields[i].column);
        auto* edit = new QLineEdit(stored.value(column).toString(), this);
        edit->setObjectName(QStringLiteral("DBEdit%1").arg(i + 1));
        edit->setMaxLength(tableDef(u"公司信息").column(column)->width);
        form->addRow(buddyLabel(QStringLiteral("Label%1").arg(i + 1),
                                QString::fromUtf8(fields[i].label), edit),
                     edit);
        boxes_.append({column, edit});
        chain << edit;
    }
    auto* save = commandButton(QStringLiteral("BitBtn1"), QStringLiteral("保存"), this);
    auto* close = commandButton(QStringLiteral("BitBtn2"), QStringLiteral("退出"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(new StatusPanels(
        QStringLiteral("StatusBar1"),
        {QStringLiteral("操作提示"), QStringLiteral("直接修改公司信息,然后按保存!")}, this));
    resize(480, 300);

    connect(save, &QPushButton::clicked, this, &TInitCompanyInfoForm::save);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    EnterFocusChain::install(this, chain << save);
}

void TInitCompanyInfoForm::save() {
    Row values;
    for (const Box& box : boxes_)
        values.insert(box.column, box.edit->text());
    try {
        CompanyInfo::save(values);
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
    }
}
