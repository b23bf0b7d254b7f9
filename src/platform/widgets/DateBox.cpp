#include "platform/widgets/DateBox.h"

#include <QAction>
#include <QCalendarWidget>
#include <QStyle>

DateBox::DateBox(const QString& objectName, QWidget* parent)
    : QLineEdit(parent), defaultDate_([] { return QDate::currentDate(); }) {
    setObjectName(objectName);
    setMaxLength(10);
    setPlaceholderText(QStringLiteral("yyyy-MM-dd"));
    QAction* calendar =
        addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
    calendar->setToolTip(QStringLiteral("选择日期"));
    connect(calendar, &QAction::triggered, this, &DateBox::showCalendar);
}

QDate DateBox::date() const {
    return parse(text());
}

void DateBox::setDate(QDate date) {
    setText(date.isValid() ? date.toString(Qt::ISODate) : QString());
}

void DateBox::setDefaultDate(std::function<QDate()> defaultDate) {
    defaultDate_ = std::move(defaultDate);
}

QDate DateBox::parse(const QString& text) {
    const QString trimmed = text.trimmed();
    for (const char* format : {"yyyy-MM-dd", "yyyy-M-d", "yyyy/M/d", "yyyyMMdd"}) {
        const QDate date = QDate::fromString(trimmed, QString::fromLatin1(format));
        if (date.isValid())
            return date;
    }
    return {};
}

void DateBox::focusOutEvent(QFocusEvent* event) {
    setDate(date().isValid() ? date() : defaultDate_());
    QLineEdit::focusOutEvent(event);
}

void DateBox::showCalendar() {
    auto* calendar = new QCalendarWidget(this);
    calendar->setObjectName(QStringLiteral("dateBoxCalendar"));
    calendar->setWindowFlags(Qt::Popup);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setSelectedDate(date().isValid() ? date() : defaultDate_());
    connect(calendar, &QCalendarWidget::clicked, this, [this, calendar](QDate picked) {
        setDate(picked);
        calendar->close();
    });
    calendar->move(mapToGlobal(QPoint(0, height())));
    calendar->show();
}
