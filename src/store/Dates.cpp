#include "store/Dates.h"

QString isoDate(QDate date) {
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QString isoDateTime(const QDateTime& moment) {
    return moment.isValid() ? moment.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) : QString();
}

QDate dateFromIso(const QString& text) {
    return QDate::fromString(text.left(10), Qt::ISODate);
}
