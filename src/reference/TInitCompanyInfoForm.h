#pragma once

#include "platform/widgets/ModalWindow.h"

#include <QList>

class QLineEdit;

// The user's own company, as the printed documents show it: one row edited in boxes.
class TInitCompanyInfoForm : public ModalWindow {
    Q_OBJECT
public:
    explicit TInitCompanyInfoForm(QWidget* parent);

    void save();

private:
    struct Box {
        QString column;
        QLineEdit* edit;
    };
    QList<Box> boxes_;
};
