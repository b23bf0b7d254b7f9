#include "reports/DocumentReport.h"

#include "platform/printing/ReportPagination.h"
#include "reports/CapitalAmount.h"
#include "store/Schema.h"
#include "store/Sql.h"

#include <QSqlRecord>

namespace {

// The row's values as the printed fields expect them: money exact, dates as dates.
ReportRecord recordOf(const QSqlQuery& query, const TableDef& table) {
    ReportRecord record;
    QSqlRecord row = query.record();
    for (int i = 0; i < row.count(); ++i) {
        QString name = row.fieldName(i);
        QVariant value = query.value(i);
        const ColumnDef* column = table.column(name);
        if (column && column->kind == ColumnKind::Money)
            value = QVariant::fromValue(Sql::money(value));
        else if (column && column->kind == ColumnKind::DateTime)
            value = Sql::date(value);
        record.insert(name, value);
    }
    return record;
}

QString companyName() {
    return Sql::scalar(QStringLiteral("SELECT 公司名称 FROM 公司信息 ORDER BY rowid LIMIT 1"))
        .toString();
}

QString lineStatement(const DocumentPrintLayout& layout) {
    if (!layout.lineStatement.isEmpty())
        return layout.lineStatement;
    return QStringLiteral("SELECT * FROM %1 WHERE %2 = ? ORDER BY %3")
        .arg(layout.lineTable, layout.numberField, layout.lineOrderField);
}

} // namespace

ReportData loadDocument(const DocumentPrintLayout& layout, const QString& number, Money amount) {
    ReportData data;
    data.parameters.insert(DocumentParameters::CompanyName, companyName());
    data.parameters.insert(DocumentParameters::CapitalAmount, capitalAmount(amount));

    QSqlQuery header = Sql::exec(
        QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(layout.headerTable, layout.numberField),
        {number});
    if (!header.next())
        return data;
    data.header = recordOf(header, tableDef(layout.headerTable));

    QSqlQuery lines = Sql::exec(lineStatement(layout), {number});
    const TableDef& lineTable = tableDef(layout.lineTable);
    while (lines.next())
        data.lines.push_back(recordOf(lines, lineTable));
    return data;
}

ReportPages documentPages(PrintLayoutKind kind, const QString& number, Money amount) {
    const DocumentPrintLayout& layout = documentPrintLayout(kind);
    return paginate(documentReportLayout(layout), loadDocument(layout, number, amount));
}
