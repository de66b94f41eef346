#pragma once
// A tree that loads each level from the database when a node is opened
// (departments, goods categories, provider regions).

#include <QColor>
#include <QIcon>
#include <QList>
#include <QTreeWidget>
#include <functional>

namespace kv {

enum class TreeLevelQuery { Child, Count };

// One level query: head + key + " " + tail. Key kind: empty (the head is complete),
// "C" (the node's id quoted), anything else (the id written bare); for the count
// query "A" gives every node children without asking.
struct TreeLevelSql {
    QString head;
    QString tail;
    QString suffix;     // appended to each child's caption
    QString keyKind;
    int zeroFill = 0;   // captions filled with leading zeros to this width (0: none)
};

class TKVTreeView : public QTreeWidget {
    Q_OBJECT
public:
    explicit TKVTreeView(QWidget* parent = nullptr);

    QString DataBaseName;
    QString RootId;
    QString RootText;
    // Swallows the next selection change once (then turns itself off).
    bool SetColor = false;
    // Node pictures by image index (0 closed, 1 opened, 2 leaf); none when empty.
    QList<QIcon> Images;

    // The window's handlers. OnExpanding runs before a level is loaded, so it can set
    // the level queries by the node's level; OnChange runs for each selection change.
    std::function<void(QTreeWidgetItem* node)> OnExpanding;
    std::function<void(QTreeWidgetItem* node)> OnChange;

    void setSelectColor(const QColor& c);
    QColor selectColor() const { return selectColor_; }

    void SetLevelSql(TreeLevelQuery which, const QString& head, int zeroFill, const QString& suffix,
                     const QString& keyKind, const QString& tail);
    const TreeLevelSql& levelSql(TreeLevelQuery which) const;

    // Clears the tree and makes the collapsed root node; null (with a warning)
    // without RootId or RootText.
    QTreeWidgetItem* BuildTree();
    QTreeWidgetItem* rootNode() const { return root_; }
    // A node under parent, checked for children by the count query.
    QTreeWidgetItem* AddNode(QTreeWidgetItem* parent, const QString& caption, const QString& id);
    // Refuses a node with children (loaded or not) unless forced.
    bool DeleteNode(QTreeWidgetItem* node, bool force);
    bool ClearTree();

    static QString NodeId(const QTreeWidgetItem* node);
    static QString NodeName(const QTreeWidgetItem* node);
    static void SetNodeName(QTreeWidgetItem* node, const QString& caption);
    static int NodeLevel(const QTreeWidgetItem* node);  // the root is 0
    static int imageIndex(const QTreeWidgetItem* node);
    // Children loaded, added or known to exist but not yet loaded.
    static bool HasChildren(const QTreeWidgetItem* node);
    // Whether the node's level has still to be read.
    static bool IsPending(const QTreeWidgetItem* node);

private:
    QTreeWidgetItem* addChild(QTreeWidgetItem* parent, const QString& caption, const QString& id);
    void markChildren(QTreeWidgetItem* node);
    void loadChildren(QTreeWidgetItem* node);
    void setImage(QTreeWidgetItem* node, int index);
    void onExpanded(QTreeWidgetItem* node);
    void onCurrentChanged(QTreeWidgetItem* current);
    QString sqlFor(const TreeLevelSql& q, const QString& id) const;

    TreeLevelSql child_;
    TreeLevelSql count_;
    QTreeWidgetItem* root_ = nullptr;
    QColor selectColor_;
};

}  // namespace kv
