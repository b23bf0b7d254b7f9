#pragma once

#include "platform/widgets/ModalWindow.h"

class QLabel;
class QLineEdit;

// The logged-in operator changes his or her own password: the old one must match, the new
// one typed twice alike.
class TChangePasswordForm : public ModalWindow {
    Q_OBJECT
public:
    explicit TChangePasswordForm(QWidget* parent);

    void save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool oldPasswordAccepted();
    bool repeatAccepted();

    QLineEdit* nameEdit_;
    QLineEdit* oldEdit_;
    QLineEdit* newEdit_;
    QLineEdit* repeatEdit_;
    QLabel* errorLabel_;
    bool checking_ = false;
};
