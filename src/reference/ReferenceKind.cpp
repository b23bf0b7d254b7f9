#include "reference/ReferenceKind.h"

QString LogText::of(const Row& row) const {
    QStringList values;
    for (const QString& column : columns)
        values << row.value(column).toString();
    return prefix + values.join(u' ');
}

namespace ReferenceKinds {

namespace {

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

LogText log(const char* prefix, std::initializer_list<const char*> columns) {
    LogText text{utf8(prefix), {}};
    for (const char* column : columns)
        text.columns << utf8(column);
    return text;
}

ReferenceKind party(const char* kind, CodeRule rule, LogText added, LogText deleted) {
    return {utf8("部门信息"), utf8("类别"), utf8(kind), utf8("单位编号"), rule, added,
            deleted,          {},           {}};
}

} // namespace

const ReferenceKind& categories() {
    static const ReferenceKind kind{utf8("物品类别"),
                                    {},
                                    {},
                                    utf8("物品分类编号"),
                                    CodeRules::Category,
                                    log("新增物品类别信息:", {"物品分类编号", "物品类别"}),
                                    log("删除物品类别:", {"物品分类编号", "物品类别"}),
                                    {},
                                    {}};
    return kind;
}

const ReferenceKind& warehouses() {
    static const ReferenceKind kind{utf8("仓库信息表"),
                                    {},
                                    {},
                                    utf8("仓库编号"),
                                    CodeRules::Warehouse,
                                    log("新增仓库信息!", {"仓库编号"}),
                                    log("删除仓库信息,仓库编号是:", {"仓库编号"}),
                                    {},
                                    {}};
    return kind;
}

const ReferenceKind& bins() {
    // Bins are numbered by the database and their changes are not logged.
    static const ReferenceKind kind{utf8("仓位信息表"), {}, {}, {}, {}, {}, {}, {}, {}};
    return kind;
}

const ReferenceKind& departments() {
    static const ReferenceKind kind =
        party("内部部门", CodeRules::Department, log("新增部门信息!", {"单位编号"}),
              log("删除部门信息,部门名称是:", {"单位名称"}));
    return kind;
}

const ReferenceKind& suppliers() {
    static const ReferenceKind kind =
        party("供应商", CodeRules::Supplier, log("新增加供应商,编号是:", {"单位编号"}),
              log("删除供销商信息,供销商名称是:", {"单位名称"}));
    return kind;
}

const ReferenceKind& summaries() {
    static const ReferenceKind kind{utf8("帐务摘要"),
                                    {},
                                    {},
                                    {},
                                    {},
                                    log("新增加业务摘要:", {"帐务摘要"}),
                                    log("删除业务摘要:", {"帐务摘要"}),
                                    utf8("帐务摘要"),
                                    utf8("该摘要信息已经存在,不用再增加!")};
    return kind;
}

const ReferenceKind& items() {
    static const ReferenceKind kind{utf8("物品资料表"), {}, {}, {}, {}, {}, {}, {}, {}};
    return kind;
}

} // namespace ReferenceKinds
