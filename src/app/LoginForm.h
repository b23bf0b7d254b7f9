#pragma once

#include "platform/widgets/ModalWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The login window: operator code and password, checked against 操作员信息表. Leaving the
// code box shows the operator's name; 登录系统, when code and password match, makes that
// operator the current one (Session), emits loggedIn and accepts the window; 退出系统 or
// closing it rejects it, which ends the program.
class TLoginForm : public ModalWindow {
    Q_OBJECT
public:
    explicit TLoginForm(QWidget* parent = nullptr);

signals:
    void loggedIn(const QString& operatorName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Edit1Exit();
    void BitBtn1Click();

    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLabel* Label3;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
};
