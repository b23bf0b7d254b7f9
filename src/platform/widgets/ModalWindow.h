#pragma once

#include <QDialog>

// The base of every window the program opens modally: it carries its class name as
// objectName (so tests and the command table can find it), has the given caption and frees
// itself when it closes.
class ModalWindow : public QDialog {
    Q_OBJECT
public:
    ModalWindow(QWidget* parent, const QString& className, const QString& caption = {});
};
