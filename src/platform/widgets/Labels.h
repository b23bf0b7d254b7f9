#pragma once

#include <QString>

class QLabel;
class QWidget;

// The label beside a control: its buddy is the control, and the control takes the label's
// text (without a trailing colon) as accessible name.
QLabel* buddyLabel(const QString& objectName, const QString& text, QWidget* control);
