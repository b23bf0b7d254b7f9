#include "documents/pickers/CallerControls.h"

#include <QLineEdit>

QWidget* callerControl(const QWidget* picker, const QString& name) {
    const QWidget* caller = picker->parentWidget();
    if (!caller || name.isEmpty())
        return nullptr;
    const QList<QWidget*> found = caller->window()->findChildren<QWidget*>(name);
    for (QWidget* control : found)
        if (control != picker && !picker->isAncestorOf(control))
            return control;
    return nullptr;
}

bool fillCallerBox(const QWidget* picker, const QString& boxName, const QString& text,
                   const QString& focusName) {
    auto* box = qobject_cast<QLineEdit*>(callerControl(picker, boxName));
    if (!box)
        return false;
    box->setText(text);
    QWidget* focus = focusName.isEmpty() ? box : callerControl(picker, focusName);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    return true;
}
