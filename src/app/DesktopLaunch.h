#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Starting the desktop's own programs from the 帮助系统 commands.
namespace DesktopLaunch {

// The usual calculator programs, in the order they are tried.
QStringList calculatorCandidates();
// The first of the candidates found on PATH; empty when none is.
QString findProgram(const QStringList& candidates);
// Starts the calculator without waiting for it; a plain notice when there is none.
void startCalculator(QWidget* parent);

// The user manual below the program directory, the first that exists of its forms; empty
// when there is none.
QString manualPath();
// Opens the manual with the desktop's program for it; a plain notice when it is missing.
void openManual(QWidget* parent);

} // namespace DesktopLaunch
