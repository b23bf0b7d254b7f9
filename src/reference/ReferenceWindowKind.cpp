#include "reference/ReferenceWindowKind.h"

#include "platform/widgets/Messages.h"

void Note::show(QWidget* parent) const {
    switch (style) {
    case Style::Plain:
        Messages::notice(parent, text);
        break;
    case Style::Success:
        title.isEmpty() ? Messages::success(parent, text) : Messages::success(parent, text, title);
        break;
    case Style::Error:
        title.isEmpty() ? Messages::error(parent, text) : Messages::error(parent, text, title);
        break;
    }
}

namespace ReferenceWindowKinds {

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

QList<RowsModel::Column> columns(std::initializer_list<std::pair<const char*, const char*>> list) {
    QList<RowsModel::Column> result;
    for (const auto& [column, title] : list)
        result.append({u(column), u(title)});
    return result;
}

GridColumn listColumn(const char* field, const char* title) {
    GridColumn column;
    column.field = u(field);
    column.title = u(title);
    return column;
}

QStringList names(std::initializer_list<const char*> list) {
    QStringList result;
    for (const char* name : list)
        result << u(name);
    return result;
}

const Note NoRecordToDelete{u("没有记录可以删除了,请查清楚!"), Note::Style::Error, {}};
const QString PromptBox = QStringLiteral("提示框");

ReferenceWindowKind party(bool supplier) {
    ReferenceWindowKind kind;
    kind.rows = supplier ? &ReferenceKinds::suppliers() : &ReferenceKinds::departments();
    kind.orderBy = u("单位编号");
    kind.firstNewColumn = u("单位名称");
    kind.nothingToDelete = NoRecordToDelete;
    kind.removesNamelessOnClose = true;
    if (supplier) {
        kind.className = u("TInitClientInfoForm");
        kind.caption = u("供销商信息初始化");
        kind.hint = u("按新增增加供销商信息!");
        kind.columns = columns({{"单位编号", "公司编号"},
                                {"单位名称", "公司名称"},
                                {"简称", "公司简称"},
                                {"联系人", "联系人"},
                                {"单位电话", "联系电话"},
                                {"单位传真", "公司传真"},
                                {"单位帐号", "公司帐号"},
                                {"单位地址", "公司地址"}});
        kind.editable =
            names({"单位名称", "简称", "联系人", "单位电话", "单位传真", "单位帐号", "单位地址"});
        kind.postsWhenLeavingRow = false;
        kind.saved = {u("供销商信息保存成功!可以按新增继续增加信息"), Note::Style::Success, {}};
        kind.deleteQuestion = u("您真的要删除该供销商信息吗？");
    } else {
        kind.className = u("TInitDeptInfoForm");
        kind.caption = u("部门信息初始化");
        kind.hint = u("按新增将增加部门信息,然后按保存对新增信息进行保存!");
        kind.columns = columns({{"单位编号", "部门编号"},
                                {"单位名称", "部门名称"},
                                {"简称", "部门简称"},
                                {"联系人", "联系人"},
                                {"单位电话", "部门电话"},
                                {"单位地址", "部门地址"}});
        kind.editable = names({"单位名称", "简称", "联系人", "单位电话", "单位地址"});
        kind.saved = {u("物品信息保存成功!可以按新增继续增加信息"), Note::Style::Success, {}};
        kind.deleteQuestion = u("您真的要删除该部门吗？");
    }
    return kind;
}

} // namespace

const ReferenceWindowKind& categories() {
    static const ReferenceWindowKind kind = [] {
        ReferenceWindowKind k;
        k.className = u("TInitProdObjectInfoForm");
        k.caption = u("物品类别初始化");
        k.hint = u("双击物品类别所在行选择该类别物品存放的仓库!");
        k.rows = &ReferenceKinds::categories();
        k.columns = columns({{"物品分类编号", "物品分类编号"},
                             {"物品类别", "物品类别"},
                             {"所在仓库", "所在仓库名称"}});
        k.orderBy = u("物品分类编号");
        k.editableWhenNew = names({"物品类别"});
        k.firstNewColumn = u("物品类别");
        k.postsWhenLeavingRow = false;
        k.saved = {u("物品类别信息已经保存!"), Note::Style::Success, PromptBox};
        k.deleteQuestion = u("您真的要删除该物品类别吗？");
        k.nothingToDelete = {u("没有物品类别信息可以删除!"), Note::Style::Error, PromptBox};
        return k;
    }();
    return kind;
}

const ReferenceWindowKind& warehouses() {
    static const ReferenceWindowKind kind = [] {
        ReferenceWindowKind k;
        k.className = u("TInitLibBoxInfoForm");
        k.caption = u("仓库信息初始化");
        k.hint = u("按新增新增仓库!");
        k.rows = &ReferenceKinds::warehouses();
        k.columns = columns({{"仓库编号", "仓库编号"},
                             {"仓库名称", "仓库名称"},
                             {"简称", "简称"},
                             {"仓库地址", "仓库地址"},
                             {"仓库用途", "仓库用途"},
                             {"仓管员", "仓管员"}});
        k.orderBy = u("仓库编号");
        k.editable = names({"简称", "仓库地址", "仓库用途", "仓管员"});
        k.editableWhenNew = names({"仓库名称"});
        k.firstNewColumn = u("仓库名称");
        k.frozenColumns = 1;
        k.saved = {u("仓库信息已经保存!"), Note::Style::Plain, {}};
        k.deleteQuestion = u("您真的要删除该仓库吗？");
        k.nothingToDelete = {u("没有仓库可以删除!"), Note::Style::Plain, {}};
        return k;
    }();
    return kind;
}

const ReferenceWindowKind& bins() {
    static const ReferenceWindowKind kind = [] {
        ReferenceWindowKind k;
        k.className = u("TInitStorageInfoForm");
        k.caption = u("仓位初始化");
        k.hint = u("新增仓位后一定要按保存，否则信息将会掉失。");
        k.rows = &ReferenceKinds::bins();
        k.columns =
            columns({{"仓库名称", "仓库名称"}, {"仓位名称", "仓位名称"}, {"位置描述", "位置描述"}});
        k.orderBy = u("仓库编号, 仓位编号");
        k.editable = names({"仓位名称", "位置描述"});
        k.firstNewColumn = u("仓位名称");
        k.saved = {u("仓位信息已经保存！"), Note::Style::Plain, {}};
        k.deleteQuestion = u("您真的要删除该仓位吗？");
        k.nothingToDelete = {u("没有仓位可以删除，请检查！"), Note::Style::Plain, {}};
        k.master =
            MasterList{u("DBGrid1"),
                       {listColumn("仓库编号", "仓库编号"), listColumn("仓库名称", "仓库名称")},
                       u("SELECT * FROM 仓库信息表 ORDER BY 仓库编号"),
                       u("仓库编号"),
                       u("仓库编号"),
                       names({"仓库编号", "仓库名称"})};
        return k;
    }();
    return kind;
}

const ReferenceWindowKind& departments() {
    static const ReferenceWindowKind kind = party(false);
    return kind;
}

const ReferenceWindowKind& suppliers() {
    static const ReferenceWindowKind kind = party(true);
    return kind;
}

const ReferenceWindowKind& summaries() {
    static const ReferenceWindowKind kind = [] {
        ReferenceWindowKind k;
        k.className = u("TInitBessInfoForm");
        k.caption = u("摘要信息初始化");
        k.hint = u("可设置工程项目、生产单号作常用摘要。");
        k.rows = &ReferenceKinds::summaries();
        k.columns = columns({{"帐务摘要", "常用摘要(工程项目、生产单号)"}});
        k.orderBy = u("rowid");
        k.editable = names({"帐务摘要"});
        k.firstNewColumn = u("帐务摘要");
        k.addStaysEnabled = true;
        k.saved = {u("信息保存成功，按新增继续增加摘要信息!"), Note::Style::Success, {}};
        k.deleteQuestion = u("您真的要删除该摘要信息吗？");
        k.nothingToDelete = NoRecordToDelete;
        return k;
    }();
    return kind;
}

const ReferenceWindowKind& summaryPicker() {
    static const ReferenceWindowKind kind = [] {
        ReferenceWindowKind k = summaries();
        k.className = u("TListBinessNoteForm");
        k.caption = u("摘要列表");
        k.hint = u("双击列表对应项加入!");
        k.gridName = u("DBGrid1");
        k.columns = columns({{"帐务摘要", "常用摘要（工程项目单号）"}});
        k.addStaysEnabled = false;
        k.closeCaption = u("关闭");
        k.duplicateDropsRow = true;
        k.saved = {};
        k.nothingToDelete = {};
        return k;
    }();
    return kind;
}

const ReferenceWindowKind& items() {
    static const ReferenceWindowKind kind = [] {
        ReferenceWindowKind k;
        k.className = u("TInitProduceInfoForm");
        k.caption = u("物品资料设置");
        k.rows = &ReferenceKinds::items();
        k.hint = u("单击选中某物品再按新增，可复制物品资料。新增物品资料后请按保存。");
        k.columns = columns({{"物品编号", "物品编号"},
                             {"物品类别", "物品类别"},
                             {"物品名称", "物品名称及规格（物品全称）"},
                             {"物品规格", "包装说明"},
                             {"物品单位", "单位"},
                             {"替换号码", "企业编码"},
                             {"最高库存限额", "最高库存限额"},
                             {"最低库存限额", "最低库存限额"},
                             {"安全库存数量", "安全库存数量"},
                             {"生产商", "生产商"},
                             {"物品重量kg", "物品重量kg"},
                             {"物品体积", "物品体积"},
                             {"物品厂价", "物品厂价"},
                             {"参考进货价", "参考进货价"},
                             {"参考销售价", "参考销售价"},
                             {"默认仓库", "默认仓库"},
                             {"默认仓位", "默认仓位"}});
        k.orderBy = u("物品编号");
        for (const RowsModel::Column& c : k.columns)
            if (c.column != u"物品编号" && c.column != u"物品类别")
                k.editableWhenNew << c.column;
        k.firstNewColumn = u("物品名称");
        k.postsWhenLeavingRow = false;
        k.frozenColumns = 3;
        k.adminMessage = u("只有管理员才能进行物品资料删除操作!!");
        k.deleteQuestion = u("您真的要删除该物品的资料和库存数据吗？");
        k.nothingToDelete = NoRecordToDelete;
        k.master =
            MasterList{u("DBGrid1"),
                       {listColumn("物品分类编号", "编号"), listColumn("物品类别", "物品类别")},
                       u("SELECT * FROM 物品类别 ORDER BY 物品分类编号"),
                       u("物品类别"),
                       u("物品类别"),
                       {}};
        return k;
    }();
    return kind;
}

} // namespace ReferenceWindowKinds
