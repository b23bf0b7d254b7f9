#include "platform/widgets/Labels.h"

#include <QLabel>

QLabel* buddyLabel(const QString& objectName, const QString& text, QWidget* control) {
    auto* label = new QLabel(text, control->parentWidget());
    label->setObjectName(objectName);
    label->setBuddy(control);
    QString name = text;
    while (name.endsWith(u':') || name.endsWith(u'：'))
        name.chop(1);
    control->setAccessibleName(name);
    return label;
}
