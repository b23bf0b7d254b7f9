#include "documents/DocumentLines.h"

#include "store/Sql.h"

#include <QSqlQuery>

namespace {

Sql::Values lineValues(const DocumentLine& line) {
    return {
        {QStringLiteral("物品编号"), line.itemCode},
        {QStringLiteral("品牌"), line.brand},
        {QStringLiteral("物品类型"), line.category},
        {QStringLiteral("物品名称"), line.name},
        {QStringLiteral("物品规格"), line.itemSize},
        {QStringLiteral("物品单位"), line.unit},
        {QStringLiteral("物品单价"), line.price},
        {QStringLiteral("物品数量"), line.quantity},
        {QStringLiteral("金额合计"), QVariant::fromValue(lineAmount(line.quantity, line.price))},
    };
}

QString selectLines(const DocumentKind& kind, const QString& condition) {
    return QStringLiteral("SELECT \"%1\", 物品编号, 品牌, 物品类型, 物品名称, 物品规格, 物品单位, "
                          "物品单价, 物品数量, 金额合计 FROM \"%2\" WHERE %3 ORDER BY \"%1\"")
        .arg(kind.lineIdColumn, kind.lineTable, condition);
}

DocumentLine readLine(const QSqlQuery& q) {
    DocumentLine line;
    line.id = q.value(0).toLongLong();
    line.itemCode = q.value(1).toString();
    line.brand = q.value(2).toString();
    line.category = q.value(3).toString();
    line.name = q.value(4).toString();
    line.itemSize = q.value(5).toString();
    line.unit = q.value(6).toString();
    line.price = q.value(7).toDouble();
    line.quantity = q.value(8).toDouble();
    line.amount = Sql::money(q.value(9));
    return line;
}

} // namespace

Money lineAmount(double quantity, double price) {
    return Money::product(quantity, price);
}

namespace DocumentLines {

qint64 add(const DocumentKind& kind, const QString& number, DocumentLine line) {
    Sql::Values values = lineValues(line);
    values.insert(values.begin(), {kind.numberColumn, number.trimmed()});
    return Sql::insert(kind.lineTable, values);
}

void update(const DocumentKind& kind, DocumentLine line) {
    Sql::update(kind.lineTable, lineValues(line),
                QStringLiteral("\"%1\" = ?").arg(kind.lineIdColumn), {line.id});
}

void remove(const DocumentKind& kind, qint64 id) {
    Sql::exec(QStringLiteral("DELETE FROM \"%1\" WHERE \"%2\" = ?")
                  .arg(kind.lineTable, kind.lineIdColumn),
              {id});
}

void removeAll(const DocumentKind& kind, const QString& number) {
    Sql::exec(QStringLiteral("DELETE FROM \"%1\" WHERE \"%2\" = ?")
                  .arg(kind.lineTable, kind.numberColumn),
              {number.trimmed()});
}

std::vector<DocumentLine> list(const DocumentKind& kind, const QString& number) {
    QSqlQuery q = Sql::exec(selectLines(kind, QStringLiteral("\"%1\" = ?").arg(kind.numberColumn)),
                            {number.trimmed()});
    std::vector<DocumentLine> lines;
    while (q.next())
        lines.push_back(readLine(q));
    return lines;
}

std::optional<DocumentLine> find(const DocumentKind& kind, qint64 id) {
    QSqlQuery q =
        Sql::exec(selectLines(kind, QStringLiteral("\"%1\" = ?").arg(kind.lineIdColumn)), {id});
    if (!q.next())
        return std::nullopt;
    return readLine(q);
}

} // namespace DocumentLines
