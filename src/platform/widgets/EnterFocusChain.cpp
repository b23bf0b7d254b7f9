#include "platform/widgets/EnterFocusChain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

EnterFocusChain* EnterFocusChain::install(QWidget* window, const QList<QWidget*>& chain) {
    return new EnterFocusChain(window, chain);
}

EnterFocusChain::EnterFocusChain(QWidget* window, const QList<QWidget*>& chain)
    : QObject(window), window_(window) {
    setChain(chain);
    // On the application, so the key is seen before whichever control has the focus.
    qApp->installEventFilter(this);
}

void EnterFocusChain::setChain(const QList<QWidget*>& chain) {
    chain_.clear();
    for (QWidget* widget : chain)
        chain_.append(widget);
}

bool EnterFocusChain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    auto* target = static_cast<QWidget*>(watched);
    if (target->window() != window_ || target != QApplication::focusWidget())
        return false;
    if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->click();
        return true;
    }
    moveOn(target);
    return true;
}

void EnterFocusChain::moveOn(QWidget* from) {
    if (QWidget* next = nextInChain(from)) {
        next->setFocus(Qt::TabFocusReason);
        return;
    }
    if (QWidget* next = nextTabStop(from))
        next->setFocus(Qt::TabFocusReason);
}

// What Tab would reach from `from` inside the window.
QWidget* EnterFocusChain::nextTabStop(QWidget* from) const {
    for (QWidget* w = from->nextInFocusChain(); w != from; w = w->nextInFocusChain()) {
        if (w->window() == window_ && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->isVisible() && !w->focusProxy())
            return w;
    }
    return nullptr;
}

// The usable box after the one that holds `from`; nullptr when `from` is outside the chain.
QWidget* EnterFocusChain::nextInChain(QWidget* from) const {
    qsizetype position = -1;
    for (qsizetype i = 0; i < chain_.size(); ++i)
        if (chain_[i] && (chain_[i] == from || chain_[i]->isAncestorOf(from)))
            position = i;
    if (position < 0)
        return nullptr;
    for (qsizetype step = 1; step < chain_.size(); ++step) {
        QWidget* candidate = chain_[(position + step) % chain_.size()];
        if (candidate && candidate->isEnabled() && candidate->isVisible())
            return candidate;
    }
    return nullptr;
}
