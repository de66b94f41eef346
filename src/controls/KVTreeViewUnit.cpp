#include "controls/KVTreeViewUnit.h"

#include "controls/Colors.h"
#include "data/ErrorHandler.h"
#include "data/MessageService.h"
#include "data/SqlFunctions.h"
#include "data/SqlText.h"

#include <QSet>

namespace kv {

namespace {
enum Role {
    IdRole = Qt::UserRole + 1,
    NameRole,
    RecordRole,   // the node was added by the tree and carries id and caption
    PendingRole,  // children exist in the database but are not read yet
    ImageRole,
};
constexpr unsigned kSelectColor = 0xC08000;
}  // namespace

TKVTreeView::TKVTreeView(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    setSelectColor(ColorFromBgr(kSelectColor));
    connect(this, &QTreeWidget::itemExpanded, this, &TKVTreeView::onExpanded);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { onCurrentChanged(current); });
}

void TKVTreeView::setSelectColor(const QColor& c) {
    selectColor_ = c;
    QPalette p = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Highlight, c);
        p.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    setPalette(p);
}

void TKVTreeView::SetLevelSql(TreeLevelQuery which, const QString& head, int zeroFill, const QString& suffix,
                              const QString& keyKind, const QString& tail) {
    TreeLevelSql& q = which == TreeLevelQuery::Child ? child_ : count_;
    q = TreeLevelSql{head, tail, suffix, keyKind, zeroFill};
}

const TreeLevelSql& TKVTreeView::levelSql(TreeLevelQuery which) const {
    return which == TreeLevelQuery::Child ? child_ : count_;
}

QString TKVTreeView::sqlFor(const TreeLevelSql& q, const QString& id) const {
    QString key;
    if (q.keyKind == QLatin1String("C")) key = Quoted(id);
    else if (!q.keyKind.isEmpty()) key = id;
    return q.head + key + QLatin1Char(' ') + q.tail;
}

QTreeWidgetItem* TKVTreeView::BuildTree() {
    if (RootId.isEmpty() || RootText.isEmpty()) {
        ShowWarning(QStringLiteral("没有节点ID或没有节点名称，不能建立节点"));
        return nullptr;
    }
    setSelectColor(ColorFromBgr(kSelectColor));
    ClearTree();
    root_ = new QTreeWidgetItem(QStringList{RootText});
    root_->setData(0, IdRole, RootId);
    root_->setData(0, NameRole, RootText);
    root_->setData(0, RecordRole, true);
    addTopLevelItem(root_);
    setImage(root_, 0);
    markChildren(root_);
    root_->setExpanded(false);
    return root_;
}

bool TKVTreeView::ClearTree() {
    // A rebuild is no selection change the window should act on.
    const bool wasBlocked = signalsBlocked();
    blockSignals(true);
    clear();
    blockSignals(wasBlocked);
    root_ = nullptr;
    return true;
}

QTreeWidgetItem* TKVTreeView::AddNode(QTreeWidgetItem* parent, const QString& caption, const QString& id) {
    if (!root_ || !parent) {
        ShowWarning(QStringLiteral("必须有头节点数据及未节点数据"));
        return nullptr;
    }
    if (parent->childCount() == 0) parent->setExpanded(false);
    QTreeWidgetItem* node = addChild(parent, caption, id);
    setImage(parent, 0);
    return node;
}

QTreeWidgetItem* TKVTreeView::addChild(QTreeWidgetItem* parent, const QString& caption, const QString& id) {
    auto* node = new QTreeWidgetItem(QStringList{caption});
    node->setData(0, IdRole, id);
    node->setData(0, NameRole, caption);
    node->setData(0, RecordRole, true);
    parent->addChild(node);
    if (parent->data(0, RecordRole).toBool()) markChildren(node);
    setImage(node, HasChildren(node) ? 0 : 2);
    return node;
}

// Decides whether the node can be opened; its children are read only then.
void TKVTreeView::markChildren(QTreeWidgetItem* node) {
    bool pending = count_.keyKind == QLatin1String("A");
    if (!pending && !count_.head.isEmpty() && !DataBaseName.isEmpty()) {
        auto q = OpenSqlQuery(DataBaseName, sqlFor(count_, NodeId(node)));
        pending = !q->isEmpty() && q->fieldCount() > 0 && q->field(0)->asFloat() > 0;
    }
    node->setData(0, PendingRole, pending);
    node->setChildIndicatorPolicy(pending ? QTreeWidgetItem::ShowIndicator
                                          : QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void TKVTreeView::loadChildren(QTreeWidgetItem* node) {
    if (!child_.head.isEmpty()) {
        auto q = OpenSqlQuery(DataBaseName, sqlFor(child_, NodeId(node)));
        // Nodes the window added before the level was read are not added twice.
        QSet<QString> present;
        for (int i = 0; i < node->childCount(); ++i) present.insert(NodeId(node->child(i)));
        for (q->first(); !q->eof(); q->next()) {
            const QString id = q->field(0)->asString();
            if (present.contains(id)) continue;
            QString caption = q->fieldCount() > 1 ? q->field(1)->asString() : QString();
            if (child_.zeroFill > 0) caption = caption.rightJustified(child_.zeroFill, QLatin1Char('0'));
            addChild(node, caption + child_.suffix, id);
        }
    }
    node->setData(0, PendingRole, false);
    node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void TKVTreeView::onExpanded(QTreeWidgetItem* node) {
    try {
        if (OnExpanding) OnExpanding(node);
        if (IsPending(node)) loadChildren(node);
        setImage(node, 1);
    } catch (...) {
        // Not through the view's expansion code; the level stays unread and opens again.
        HandleCurrentException(this);
    }
}

void TKVTreeView::onCurrentChanged(QTreeWidgetItem* current) {
    if (SetColor) {
        SetColor = false;
        return;
    }
    if (OnChange) OnChange(current);
}

bool TKVTreeView::DeleteNode(QTreeWidgetItem* node, bool force) {
    if (!node) return false;
    if (HasChildren(node) && !force) {
        ShowWarning(QStringLiteral("请先删除该节点的子节点"));
        return false;
    }
    if (node == root_) root_ = nullptr;
    delete node;  // its children with it
    if (QTreeWidgetItem* now = currentItem()) setImage(now, HasChildren(now) ? 0 : 2);
    return true;
}

void TKVTreeView::setImage(QTreeWidgetItem* node, int index) {
    node->setData(0, ImageRole, index);
    node->setIcon(0, index >= 0 && index < Images.size() ? Images.at(index) : QIcon());
}

QString TKVTreeView::NodeId(const QTreeWidgetItem* node) { return node ? node->data(0, IdRole).toString() : QString(); }

QString TKVTreeView::NodeName(const QTreeWidgetItem* node) {
    return node ? node->data(0, NameRole).toString() : QString();
}

void TKVTreeView::SetNodeName(QTreeWidgetItem* node, const QString& caption) {
    if (!node) return;
    node->setData(0, NameRole, caption);
    node->setText(0, caption);
}

int TKVTreeView::NodeLevel(const QTreeWidgetItem* node) {
    int level = 0;
    for (const QTreeWidgetItem* p = node ? node->parent() : nullptr; p; p = p->parent()) ++level;
    return level;
}

int TKVTreeView::imageIndex(const QTreeWidgetItem* node) { return node ? node->data(0, ImageRole).toInt() : -1; }

bool TKVTreeView::IsPending(const QTreeWidgetItem* node) { return node && node->data(0, PendingRole).toBool(); }

bool TKVTreeView::HasChildren(const QTreeWidgetItem* node) {
    return node && (node->childCount() > 0 || IsPending(node));
}

}  // namespace kv
