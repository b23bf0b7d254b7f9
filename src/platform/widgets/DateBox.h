#pragma once

#include <QDate>
#include <QLineEdit>
#include <functional>

// A date box that may be left empty: on leaving it, an empty or unreadable text is replaced
// by the window's default date (today unless the window says otherwise). Dates are shown
// and typed as yyyy-MM-dd; yyyy/M/d and yyyyMMdd are read as well. A calendar button next
// to the text picks a date with the mouse.
class DateBox : public QLineEdit {
    Q_OBJECT
public:
    explicit DateBox(const QString& objectName, QWidget* parent = nullptr);

    // The date shown; invalid while the box is empty or its text is not a date.
    QDate date() const;
    void setDate(QDate date);
    // Asked each time the box is left empty.
    void setDefaultDate(std::function<QDate()> defaultDate);

    static QDate parse(const QString& text);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showCalendar();

    std::function<QDate()> defaultDate_;
};
