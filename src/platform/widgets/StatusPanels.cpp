#include "platform/widgets/StatusPanels.h"

#include <QLabel>

StatusPanels::StatusPanels(const QString& objectName, const QStringList& texts, QWidget* parent)
    : QStatusBar(parent) {
    setObjectName(objectName);
    setSizeGripEnabled(false);
    for (int i = 0; i < texts.size(); ++i) {
        auto* panel = new QLabel(texts[i], this);
        panel->setObjectName(QStringLiteral("%1Panel%2").arg(objectName).arg(i));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setMargin(2);
        // The last panel takes the rest of the width.
        addWidget(panel, i + 1 == texts.size() ? 1 : 0);
        panels_.append(panel);
    }
}

QString StatusPanels::text(int panel) const {
    return panels_.value(panel) ? panels_[panel]->text() : QString();
}

void StatusPanels::setText(int panel, const QString& text) {
    if (QLabel* label = panels_.value(panel))
        label->setText(text);
}
