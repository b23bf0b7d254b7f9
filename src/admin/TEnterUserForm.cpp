#include "admin/TEnterUserForm.h"

#include "admin/LeavingBox.h"
#include "admin/Operators.h"
#include "platform/widgets/EnterFocusChain.h"
#include "platform/widgets/Labels.h"
#include "platform/widgets/Messages.h"
#include "platform/widgets/WindowParts.h"
#include "store/StoreError.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* edit(const char* name, int maxLength, bool password, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(maxLength);
    if (password)
        e->setEchoMode(QLineEdit::Password);
    return e;
}

} // namespace

TEnterUserForm::TEnterUserForm(QWidget* parent)
    : ModalWindow(parent, QStringLiteral("TEnterUserForm"), QStringLiteral("增加操作员")),
      codeEdit_(edit("Edit1", 4, false, this)), nameEdit_(edit("Edit2", 8, false, this)),
      passwordEdit_(edit("Edit3", 12, true, this)), repeatEdit_(edit("Edit4", 12, true, this)),
      roleBox_(new QComboBox(this)) {
    codeEdit_->setReadOnly(true);
    roleBox_->setObjectName(QStringLiteral("ComboBox1"));
    roleBox_->setEditable(true);
    roleBox_->addItems({QStringLiteral("管理员"), QStringLiteral("操作员")});
    roleBox_->setCurrentText(QStringLiteral("操作员"));
    roleBox_->lineEdit()->setMaxLength(6);

    auto* form = new QFormLayout;
    form->addRow(buddyLabel(QStringLiteral("Label1"), QStringLiteral("操作员编号"), codeEdit_),
                 codeEdit_);
    form->addRow(buddyLabel(QStringLiteral("Label2"), QStringLiteral("操作员姓名"), nameEdit_),
                 nameEdit_);
    form->addRow(buddyLabel(QStringLiteral("Label3"), QStringLiteral("用 户密 码"), passwordEdit_),
                 passwordEdit_);
    form->addRow(buddyLabel(QStringLiteral("Label4"), QStringLiteral("重 复密 码"), repeatEdit_),
                 repeatEdit_);
    form->addRow(buddyLabel(QStringLiteral("Label5"), QStringLiteral("操作员类别"), roleBox_),
                 roleBox_);

    auto* add = commandButton(QStringLiteral("BitBtn1"), QStringLiteral("新增"), this);
    auto* save = commandButton(QStringLiteral("BitBtn2"), QStringLiteral("保存"), this);
    auto* close = commandButton(QStringLiteral("BitBtn3"), QStringLiteral("退出"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {add, save, close})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo({340, 240}));

    connect(add, &QPushButton::clicked, this, &TEnterUserForm::proposeCode);
    connect(save, &QPushButton::clicked, this, &TEnterUserForm::save);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    repeatEdit_->installEventFilter(this);
    EnterFocusChain::install(this);
}

void TEnterUserForm::proposeCode() {
    try {
        codeEdit_->setText(Operators::nextCode());
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
        return;
    }
    nameEdit_->setFocus();
    for (QLineEdit* e : {passwordEdit_, nameEdit_, repeatEdit_})
        e->clear();
}

bool TEnterUserForm::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the repeat box warns about a mismatch but neither clears nor blocks anything.
    if (watched == repeatEdit_ && leavesBox(event) && repeatEdit_->text() != passwordEdit_->text())
        Messages::guidance(this, QStringLiteral("两次输入的密码不一致,请重新输入!!"));
    return ModalWindow::eventFilter(watched, event);
}

void TEnterUserForm::save() {
    const Operators::NewOperator op{codeEdit_->text(), nameEdit_->text(), roleBox_->currentText(),
                                    repeatEdit_->text()};
    if (!Operators::isComplete(op)) {
        nameEdit_->setFocus();
        Messages::guidance(this, QStringLiteral("请输入完整的操作员的资料,再按本按钮进行保存!"));
        return;
    }
    try {
        Operators::add(op);
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
        return;
    }
    for (QLineEdit* e : {codeEdit_, nameEdit_, passwordEdit_, repeatEdit_})
        e->clear();
    codeEdit_->setFocus();
    Messages::notice(this, QStringLiteral("增加操作员") + op.code + QStringLiteral("成功!"));
}
