#include "app/LoginForm.h"

#include "admin/LoginCheck.h"
#include "platform/widgets/EnterFocusChain.h"
#include "platform/widgets/Labels.h"
#include "platform/widgets/Messages.h"
#include "store/Session.h"
#include "store/StoreError.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* heading(QWidget* parent) {
    auto* panel = new QLabel(QStringLiteral("登录系统"), parent);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setAlignment(Qt::AlignCenter);
    panel->setMinimumHeight(48);
    QFont font = panel->font();
    font.setPointSize(font.pointSize() + 6);
    font.setBold(true);
    panel->setFont(font);
    panel->setStyleSheet(
        QStringLiteral("QLabel { color: white; background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
                       "stop:0 #1f4e79, stop:1 #3c7dbf); }"));
    return panel;
}

QLineEdit* box(const QString& objectName, int maxLength, const QString& text, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(objectName);
    edit->setMaxLength(maxLength);
    return edit;
}

} // namespace

TLoginForm::TLoginForm(QWidget* parent)
    : ModalWindow(parent, QStringLiteral("TLoginForm")),
      Edit1(box(QStringLiteral("Edit1"), 4, QStringLiteral("0000"), this)),
      Edit2(box(QStringLiteral("Edit2"), 24, QStringLiteral("1"), this)),
      Label3(new QLabel(QStringLiteral("未登录"), this)),
      BitBtn1(new QPushButton(QStringLiteral("登录系统"), this)),
      BitBtn2(new QPushButton(QStringLiteral("退出系统"), this)) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    Edit2->setEchoMode(QLineEdit::Password);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAccessibleName(QStringLiteral("用户名"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn1->setIcon(QIcon(QStringLiteral(":/icons/dialog-password.png")));
    BitBtn2->setIcon(QIcon(QStringLiteral(":/icons/application-exit.png")));
    for (QPushButton* button : {BitBtn1, BitBtn2})
        button->setAutoDefault(false);

    auto* fields = new QGridLayout;
    fields->setContentsMargins(24, 16, 24, 8);
    fields->setHorizontalSpacing(12);
    fields->addWidget(buddyLabel(QStringLiteral("Label1"), QStringLiteral("用户编号"), Edit1), 0,
                      0);
    fields->addWidget(Edit1, 0, 1);
    fields->addWidget(buddyLabel(QStringLiteral("Label2"), QStringLiteral("用户密码"), Edit2), 1,
                      0);
    fields->addWidget(Edit2, 1, 1);
    auto* nameLabel = new QLabel(QStringLiteral("用户名:"), this);
    nameLabel->setObjectName(QStringLiteral("Label4"));
    fields->addWidget(nameLabel, 2, 0);
    fields->addWidget(Label3, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(24, 0, 24, 16);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading(this));
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setMinimumWidth(320);

    EnterFocusChain::install(this, {Edit1, Edit2, BitBtn1, BitBtn2});
    Edit1->installEventFilter(this);
    connect(BitBtn1, &QPushButton::clicked, this, &TLoginForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

bool TLoginForm::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the code box; not when the whole window merely loses the focus.
    if (watched == Edit1 && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Edit1Exit();
    }
    return ModalWindow::eventFilter(watched, event);
}

void TLoginForm::Edit1Exit() {
    if (Edit1->text().trimmed().isEmpty())
        return;
    try {
        if (const auto name = LoginCheck::operatorName(Edit1->text())) {
            Label3->setText(*name);
            Label3->repaint();
            Edit2->setFocus();
            return;
        }
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
        return;
    }
    Messages::guidance(this, QStringLiteral("操作员编号出错,请重新输入!"));
    Edit1->setFocus();
    Edit1->clear();
}

void TLoginForm::BitBtn1Click() {
    if (Edit1->text().trimmed().isEmpty()) {
        Label3->setText(QStringLiteral("请输入用户名!"));
        Edit1->setFocus();
        return;
    }
    try {
        if (const auto name = LoginCheck::check(Edit1->text(), Edit2->text())) {
            Session::setOperatorName(*name);
            emit loggedIn(*name);
            accept();
            return;
        }
    } catch (const StoreError& e) {
        Messages::error(this, e.message());
        return;
    }
    Edit2->setFocus();
    Edit2->clear();
    Label3->setText(QStringLiteral("密码不正确!!"));
}
