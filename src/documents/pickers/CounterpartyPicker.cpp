#include "documents/pickers/CounterpartyPicker.h"

#include "documents/pickers/CallerControls.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/ModalRunner.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>

namespace {

CounterpartyPicker::WindowFactory& newUnitWindow() {
    static CounterpartyPicker::WindowFactory factory;
    return factory;
}

} // namespace

void CounterpartyPicker::setNewUnitWindow(WindowFactory factory) {
    newUnitWindow() = std::move(factory);
}

CounterpartyPicker::CounterpartyPicker(QWidget* caller)
    : UnitPicker(caller, QStringLiteral("TListDeptInfoToInLibForm"),
                 QStringLiteral("交货单位清单")),
      newUnitButton_(addButton(QStringLiteral("BitBtn3"), QStringLiteral("新增单位"))) {
    newUnitButton_->setVisible(bool(newUnitWindow()));
    connect(newUnitButton_, &QPushButton::clicked, this, &CounterpartyPicker::addUnit);
    grid()->view()->installEventFilter(this);
}

void CounterpartyPicker::addUnit() {
    if (!newUnitWindow())
        return;
    runModal(newUnitWindow()(this));
    search(); // the unit just added shows up
}

bool CounterpartyPicker::eventFilter(QObject* watched, QEvent* event) {
    // Esc in the list re-enables "新增单位" and keeps the picker open.
    if (watched == grid()->view() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        newUnitButton_->setEnabled(true);
        return true;
    }
    return UnitPicker::eventFilter(watched, event);
}

void CounterpartyPicker::deliver(const QString& unitName) {
    fillCallerBox(this, QStringLiteral("cxTextEdit2"), unitName, QStringLiteral("cxTextEdit6"));
    accept();
}
