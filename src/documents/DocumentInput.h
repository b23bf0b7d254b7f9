#pragma once

#include <QDate>
#include <QString>

// What the user entered in a document window's header boxes.
struct DocumentInput {
    QString number;
    QDate date;
    QString counterparty;
    QString type;
    QString summary;
    QString warehouse;
    QString destinationWarehouse;
    QString reason;
    QString targetNumber;
    QString maker;
    QString handler;
    QString checker;
    bool gain = false; // stocktaking: 盘盈 rather than 盘损
};
