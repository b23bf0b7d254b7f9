#pragma once

#include <QLineEdit>

// A text box with a picker behind it: F1 or a double-click asks for the picker
// (pickerRequested); the window opens it through runModal. Maximum length and read-only
// are the usual QLineEdit settings. A read-only box still asks for its picker.
class LookupBox : public QLineEdit {
    Q_OBJECT
public:
    explicit LookupBox(const QString& objectName, int maxLength = 32767, QWidget* parent = nullptr);

signals:
    void pickerRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
