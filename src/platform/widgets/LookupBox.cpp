#include "platform/widgets/LookupBox.h"

#include <QKeyEvent>

LookupBox::LookupBox(const QString& objectName, int maxLength, QWidget* parent)
    : QLineEdit(parent) {
    setObjectName(objectName);
    setMaxLength(maxLength);
}

void LookupBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        emit pickerRequested();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void LookupBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit pickerRequested();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
}
