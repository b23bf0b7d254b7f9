#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Parts every window is made of, so that they look and behave alike.

// A command button named for tests and assistive technology. Enter never presses it unless
// it has the focus: Enter belongs to the window's chain of boxes.
QPushButton* commandButton(const QString& objectName, const QString& caption,
                           QWidget* parent = nullptr);

// The heading panel across the top of a window ("Panel1"), in a larger bold face.
QLabel* titlePanel(const QString& caption, QWidget* parent = nullptr, int pointsLarger = 6);
