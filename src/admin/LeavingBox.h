#pragma once

#include <QFocusEvent>

// Whether the event is the user moving on from a box (not the window as a whole losing the
// focus), which is when the operator windows check what was typed.
inline bool leavesBox(QEvent* event) {
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}
