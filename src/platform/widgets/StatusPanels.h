#pragma once

#include <QStatusBar>
#include <QStringList>

class QLabel;

// A status bar of fixed panels, as the windows show them: "操作提示" and a hint, or the
// main window's "操作员", operator name and a fixed line. Panels are numbered from 0.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    StatusPanels(const QString& objectName, const QStringList& texts, QWidget* parent = nullptr);

    QString text(int panel) const;
    void setText(int panel, const QString& text);
    int panelCount() const { return int(panels_.size()); }

private:
    QList<QLabel*> panels_;
};
