#pragma once

#include "platform/widgets/GridColumn.h"
#include "reference/ReferenceKind.h"
#include "reference/RowsModel.h"

#include <QStringList>
#include <optional>

class QWidget;

// A message of a reference window: its text and how it is shown.
struct Note {
    enum class Style { Plain, Success, Error };

    QString text;
    Style style = Style::Plain;
    QString title; // empty: the style's usual title

    void show(QWidget* parent) const;
};

// The read-only list beside the grid whose current row selects the grid's rows
// (warehouse → bins, category → items).
struct MasterList {
    QString gridName;
    GridColumns columns;
    QString statement;
    QString linkField;    // the master's field that selects the rows
    QString detailColumn; // the grid's column that must equal it
    QStringList copied;   // master fields a new row takes (same names in both tables)
};

// What makes one reference window differ from another.
struct ReferenceWindowKind {
    QString className;
    QString caption;
    QString hint;
    const ReferenceKind* rows = nullptr;
    QString gridName = QStringLiteral("DBGridEh1");
    QList<RowsModel::Column> columns;
    QString orderBy;
    QStringList editable;            // columns of stored rows the user may edit
    QStringList editableWhenNew;     // further columns editable in a new row
    QString firstNewColumn;          // where the focus goes in a new row
    bool postsWhenLeavingRow = true; // edits of a stored row are stored when the cursor leaves it
    bool addStaysEnabled = false;
    int frozenColumns = 0;
    QString closeCaption = QStringLiteral("关闭窗口");
    Note saved;
    QString adminMessage = QStringLiteral("只有管理员才能进行数据删除操作!!");
    QString deleteQuestion;
    Note nothingToDelete; // empty text: deleting from an empty list says nothing
    std::optional<MasterList> master;
    bool removesNamelessOnClose = false;
    bool duplicateDropsRow = false; // a refused duplicate drops the row instead of clearing it
};

namespace ReferenceWindowKinds {
const ReferenceWindowKind& categories();
const ReferenceWindowKind& warehouses();
const ReferenceWindowKind& bins();
const ReferenceWindowKind& departments();
const ReferenceWindowKind& suppliers();
const ReferenceWindowKind& summaries();
const ReferenceWindowKind& summaryPicker();
const ReferenceWindowKind& items();
} // namespace ReferenceWindowKinds
