#pragma once

#include "documents/pickers/UnitPicker.h"

#include <functional>

class QDialog;
class QPushButton;

// TListDeptInfoToInLibForm: the inbound note's picker of the delivering unit. The chosen
// name goes into 交货单位 and the focus on to 摘要. "新增单位" opens the supplier window,
// which the reference windows provide; without it the button is hidden.
class CounterpartyPicker : public UnitPicker {
    Q_OBJECT
public:
    using WindowFactory = std::function<QDialog*(QWidget* parent)>;
    static void setNewUnitWindow(WindowFactory factory);

    explicit CounterpartyPicker(QWidget* caller);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void deliver(const QString& unitName) override;
    void addUnit();

    QPushButton* newUnitButton_;
};
