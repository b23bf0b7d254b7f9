#pragma once

#include "platform/widgets/ModalWindow.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// Adds operators: 新增 proposes the next code, 保存 stores the operator with the repeated
// password (hashed).
class TEnterUserForm : public ModalWindow {
    Q_OBJECT
public:
    explicit TEnterUserForm(QWidget* parent);

    void proposeCode();
    void save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* codeEdit_;
    QLineEdit* nameEdit_;
    QLineEdit* passwordEdit_;
    QLineEdit* repeatEdit_;
    QComboBox* roleBox_;
};
