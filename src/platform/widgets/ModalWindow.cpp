#include "platform/widgets/ModalWindow.h"

ModalWindow::ModalWindow(QWidget* parent, const QString& className, const QString& caption)
    : QDialog(parent) {
    setObjectName(className);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
}
