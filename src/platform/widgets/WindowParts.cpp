#include "platform/widgets/WindowParts.h"

#include <QLabel>
#include <QPushButton>

QPushButton* commandButton(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAccessibleName(caption);
    button->setAutoDefault(false);
    return button;
}

QLabel* titlePanel(const QString& caption, QWidget* parent, int pointsLarger) {
    auto* title = new QLabel(caption, parent);
    title->setObjectName(QStringLiteral("Panel1"));
    title->setAlignment(Qt::AlignCenter);
    QFont font = title->font();
    font.setPointSize(font.pointSize() + pointsLarger);
    font.setBold(true);
    title->setFont(font);
    return title;
}
