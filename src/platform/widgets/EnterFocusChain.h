#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

// Enter (or the keypad's Enter) moves the focus on, as Tab would, anywhere in one window.
// The chain sees the key before the control does, so no box or grid handles Enter itself
// and no dialog default button fires. On a button Enter presses that button.
//
// With a list of boxes, Enter moves along that list (skipping boxes that are disabled or
// hidden); from a control outside the list it moves as Tab would. The chain belongs to the
// window it is installed on.
class EnterFocusChain : public QObject {
    Q_OBJECT
public:
    static EnterFocusChain* install(QWidget* window, const QList<QWidget*>& chain = {});

    void setChain(const QList<QWidget*>& chain);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EnterFocusChain(QWidget* window, const QList<QWidget*>& chain);
    void moveOn(QWidget* from);
    QWidget* nextInChain(QWidget* from) const;
    QWidget* nextTabStop(QWidget* from) const;

    QWidget* window_;
    QList<QPointer<QWidget>> chain_;
};
