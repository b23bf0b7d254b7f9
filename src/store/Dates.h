#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Dates are stored as ISO 8601 text: documents carry a date, the operation log a date and
// time. Both sort and compare correctly as text.
QString isoDate(QDate date);
QString isoDateTime(const QDateTime& moment);
QDate dateFromIso(const QString& text); // the date of either form; invalid for anything else
