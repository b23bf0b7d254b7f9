#include "admin/TChangePasswordForm.h"

#include "admin/LeavingBox.h"
#include "admin/Operators.h"
#include "platform/widgets/EnterFocusChain.h"
#include "platform/widgets/Labels.h"
#include "platform/widgets/Messages.h"
#include "platform/widgets/WindowParts.h"
#include "store/Session.h"
#include "store/StoreError.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString WrongPassword = QStringLiteral("密码不正确!,请重新输入正确的密码!");
const QString Mismatch = QStringLiteral("两次输入的密码不一致,请重新输入!!");

QLineEdit* passwordEdit(const char* name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setEchoMode(QLineEdit::Password);
    e->setMaxLength(24);
    return e;
}

} // namespace

TChangePasswordForm::TChangePasswordForm(QWidget* parent)
    : ModalWindow(parent, QStringLiteral("TChangePasswordForm"), QStringLiteral("修改登录密码")),
      nameEdit_(new QLineEdit(Session::operatorName(), this)),
      oldEdit_(passwordEdit("Edit2", this)), newEdit_(passwordEdit("Edit3", this)),
      repeatEdit_(passwordEdit("Edit4", this)), errorLabel_(new QLabel(this)) {
    nameEdit_->setObjectName(QStringLiteral("Edit1"));
    nameEdit_->setReadOnly(true);
    nameEdit_->setFocusPolicy(Qt::NoFocus);
    errorLabel_->setObjectName(QStringLiteral("Label5"));
    errorLabel_->setStyleSheet(QStringLiteral("color: red"));

    auto* form = new QFormLayout;
    form->addRow(buddyLabel(QStringLiteral("Label1"), QStringLiteral("用户名称"), nameEdit_),
                 nameEdit_);
    form->addRow(buddyLabel(QStringLiteral("Label2"), QStringLiteral("旧 密 码"), oldEdit_),
                 oldEdit_);
    form->addRow(buddyLabel(QStringLiteral("Label3"), QStringLiteral("新 密 码"), newEdit_),
                 newEdit_);
    form->addRow(buddyLabel(QStringLiteral("Label4"), QStringLiteral("重复密码"), repeatEdit_),
                 repeatEdit_);
    form->addRow(errorLabel_);

    auto* close = commandButton(QStringLiteral("BitBtn1"), QStringLiteral("退出"), this);
    auto* save = commandButton(QStringLiteral("BitBtn2"), QStringLiteral("保存"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(close);
    buttons->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo({340, 220}));

    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(save, &QPushButton::clicked, this, &TChangePasswordForm::save);
    oldEdit_->installEventFilter(this);
    repeatEdit_->installEventFilter(this);
    setTabOrder(oldEdit_, newEdit_);
    setTabOrder(newEdit_, repeatEdit_);
    oldEdit_->setFocus();
    EnterFocusChain::install(this);
}

bool TChangePasswordForm::eventFilter(QObject* watched, QEvent* event) {
    if (leavesBox(event) && !checking_) {
        if (watched == oldEdit_ && !oldEdit_->text().trimmed().isEmpty())
            oldPasswordAccepted();
        else if (watched == repeatEdit_)
            repeatAccepted();
    }
    return ModalWindow::eventFilter(watched, event);
}

bool TChangePasswordForm::oldPasswordAccepted() {
    bool accepted = false;
    try {
        accepted = Operators::passwordMatches(Session::operatorName(), oldEdit_->text());
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
    }
    if (accepted) {
        errorLabel_->clear();
        return true;
    }
    checking_ = true;
    oldEdit_->clear();
    oldEdit_->setFocus();
    errorLabel_->setText(WrongPassword);
    checking_ = false;
    return false;
}

bool TChangePasswordForm::repeatAccepted() {
    if (repeatEdit_->text() == newEdit_->text())
        return true;
    checking_ = true;
    newEdit_->clear();
    repeatEdit_->clear();
    newEdit_->setFocus();
    Messages::guidance(this, Mismatch);
    checking_ = false;
    return false;
}

void TChangePasswordForm::save() {
    // 保存 checks both again, so an old password never typed or a repeat never left cannot
    // slip through.
    if (!oldPasswordAccepted() || !repeatAccepted())
        return;
    try {
        Operators::changePassword(Session::operatorName(), oldEdit_->text(), repeatEdit_->text());
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
        return;
    }
    Messages::guidance(this, QStringLiteral("密码修改成功!下次登录时请使用新的密码!!"));
}
