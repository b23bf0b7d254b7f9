#pragma once

#include <QString>

class QWidget;

// A picker writes its choice straight into the window it was opened from. The caller's
// controls are found by objectName in the caller's window, never among the picker's own
// controls (the picker is a child of that window and may use the same names).

// The control of that name in the caller's window, or nullptr.
QWidget* callerControl(const QWidget* picker, const QString& name);

// Writes the text into the caller's box and gives the focus to the caller's control
// `focusName` (the box itself when empty). Returns false when the box is missing.
bool fillCallerBox(const QWidget* picker, const QString& boxName, const QString& text,
                   const QString& focusName = {});
