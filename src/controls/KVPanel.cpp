#include "controls/KVPanel.h"

#include "controls/Colors.h"
#include "data/DataSet.h"
#include "data/MessageService.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTabBar>

namespace kv {

// ---- TKVPanel ----

TKVPanel::TKVPanel(QWidget* parent)
    : QWidget(parent),
      Color(palette().color(QPalette::Button)),
      Color_High(ColorFromBgr(0xE0E8E8)),
      Color_Low(ColorFromBgr(0x688DA2)),
      FaceColor(palette().color(QPalette::Button)),
      ShadowColor(ColorFromBgr(0x808080)) {
    resize(185, 41);
    setShadowWidth(2);
}

void TKVPanel::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TKVPanel::setShadowWidth(int width) {
    shadowWidth_ = qBound(0, width, 10);
    setContentsMargins(0, 0, shadowWidth_, shadowWidth_);  // children stay on the face
    update();
}

QRect TKVPanel::faceRect() const { return rect().adjusted(0, 0, -shadowWidth_, -shadowWidth_); }

void TKVPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Color);
    p.fillRect(rect().translated(shadowWidth_, shadowWidth_), ShadowColor);
    const QRect face = faceRect();
    p.fillRect(face, FaceColor);
    if (BorderLine != TBorderLine::blNone) {
        const bool raised = BorderLine == TBorderLine::blRaised;
        p.setPen(raised ? Color_High : Color_Low);
        p.drawLine(face.topLeft(), face.bottomLeft());
        p.drawLine(face.topLeft(), face.topRight());
        p.setPen(raised ? Color_Low : Color_High);
        p.drawLine(face.topRight(), face.bottomRight());
        p.drawLine(face.bottomLeft(), face.bottomRight());
    }
    if (caption_.isEmpty()) return;
    p.setFont(font());
    const int h = QFontMetrics(font()).size(Qt::TextSingleLine, QStringLiteral("W")).height();
    const QRect line(face.left(), face.top() + (face.height() - h) / 2, face.width(), h);
    const int flags = int(Alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter | Qt::TextSingleLine;
    if (TextStyle != TTextStyle::txNone) {
        const int d = TextStyle == TTextStyle::txRaised ? -1 : 1;
        p.setPen(Color_High);
        p.drawText(line.translated(d, d), flags, caption_);
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(line, flags, caption_);
}

// ---- TKVPageControl ----

namespace {

// Next enabled tab from `from` in the direction of step; -1 when there is none.
int nextEnabled(const QTabBar* bar, int from, int step, bool wrap) {
    const int n = bar->count();
    int i = from;
    for (int pass = 0; pass < n; ++pass) {
        i += step;
        if (wrap) i = (i + n) % n;
        else if (i < 0 || i >= n) return -1;
        if (bar->isTabEnabled(i) && bar->isTabVisible(i)) return i;
    }
    return -1;
}

// The tab bar asks the page control before any change the user makes.
class GuardedTabBar : public QTabBar {
public:
    GuardedTabBar(TKVPageControl* pages) : QTabBar(pages), pages_(pages) {}

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) {
            const int i = tabAt(e->position().toPoint());
            if (i >= 0 && i != currentIndex() && isTabEnabled(i) && !pages_->allowChange()) return e->accept();
        }
        QTabBar::mousePressEvent(e);
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right) {
            const bool back = e->key() == (isRightToLeft() ? Qt::Key_Right : Qt::Key_Left);
            if (nextEnabled(this, currentIndex(), back ? -1 : 1, false) >= 0 && !pages_->allowChange())
                return e->accept();
        }
        QTabBar::keyPressEvent(e);
    }
    // The wheel would change pages behind the guard's back.
    void wheelEvent(QWheelEvent* e) override { e->ignore(); }
    bool event(QEvent* e) override {
        if (e->type() == QEvent::Shortcut) {
            const QKeySequence key = static_cast<QShortcutEvent*>(e)->key();
            for (int i = 0; i < count(); ++i)
                if (i != currentIndex() && isTabEnabled(i) && QKeySequence::mnemonic(tabText(i)) == key) {
                    if (!pages_->allowChange()) return true;
                    break;
                }
        }
        return QTabBar::event(e);
    }

private:
    TKVPageControl* pages_;
};

}  // namespace

TKVPageControl::TKVPageControl(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new GuardedTabBar(this));
    tabBar()->setCursor(Qt::PointingHandCursor);
}

bool TKVPageControl::allowChange() {
    if (canChangePage && !canChangePage()) {
        ShowWarning(QStringLiteral("必须先保存或取消新增的数据或修改后的数据"));
        return false;
    }
    if (QyMaster && QyMaster->isEmpty()) {
        if (currentIndex() == 0) {
            ShowWarning(QStringLiteral("没有主档数据记录，不能改变页面"));
            return false;
        }
        return true;  // back to the list is always allowed
    }
    return OnChanging ? OnChanging() : true;
}

void TKVPageControl::keyPressEvent(QKeyEvent* e) {
    const bool cycle = (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) && (e->modifiers() & Qt::ControlModifier);
    if (cycle && count() > 1) {
        const bool back = e->key() == Qt::Key_Backtab || (e->modifiers() & Qt::ShiftModifier);
        const int to = nextEnabled(tabBar(), currentIndex(), back ? -1 : 1, true);
        if (to >= 0 && to != currentIndex() && !allowChange()) return e->accept();
    }
    QTabWidget::keyPressEvent(e);
}

// ---- TKVStrGrid ----

namespace {

bool isTop(TCellAlignment a) {
    return a == TCellAlignment::caTopLeft || a == TCellAlignment::caTopCenter || a == TCellAlignment::caTopRight;
}

class StrGridDelegate : public QStyledItemDelegate {
public:
    explicit StrGridDelegate(TKVStrGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (!grid_->DefaultDrawing) return QStyledItemDelegate::paint(p, option, index);
        const bool selected = option.state & QStyle::State_Selected;
        int state = 0;
        if (selected) state |= gdSelected;
        if (option.state & QStyle::State_HasFocus) state |= gdFocused;
        TCellAlignment alignment = grid_->defaultCellsAlignment();
        bool multiLine = grid_->defaultMultiLineCells();
        const QVariant background = index.data(Qt::BackgroundRole);
        QBrush brush = selected ? option.palette.brush(QPalette::Highlight)
                                : background.isValid() ? background.value<QBrush>() : option.palette.brush(QPalette::Base);
        QFont font = option.font;
        QColor fontColor = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        if (grid_->OnGetCellColor)
            grid_->OnGetCellColor(index.row(), index.column(), state, alignment, multiLine, brush, font, fontColor);
        multiLine = multiLine && isTop(alignment);
        p->save();
        p->fillRect(option.rect, brush);
        p->setFont(font);
        p->setPen(fontColor);
        const int flags = int(TKVStrGrid::qtAlignment(alignment)) | (multiLine ? Qt::TextWordWrap : Qt::TextSingleLine);
        p->drawText(option.rect.adjusted(2, 2, -2, -2), flags, index.data(Qt::DisplayRole).toString());
        p->restore();
    }

private:
    TKVStrGrid* grid_;
};

}  // namespace

TKVStrGrid::TKVStrGrid(QWidget* parent) : QTableWidget(parent) { init(); }

TKVStrGrid::TKVStrGrid(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent) { init(); }

void TKVStrGrid::init() {
    setItemDelegate(new StrGridDelegate(this));
    viewport()->setMouseTracking(true);
}

void TKVStrGrid::setDefaultCellsAlignment(TCellAlignment a) {
    alignment_ = a;
    if (!isTop(a)) multiLine_ = false;
    viewport()->update();
}

void TKVStrGrid::setDefaultMultiLineCells(bool on) {
    multiLine_ = on;
    if (on) {
        switch (alignment_) {
        case TCellAlignment::caMiddleLeft:
        case TCellAlignment::caBottomLeft: alignment_ = TCellAlignment::caTopLeft; break;
        case TCellAlignment::caCenter:
        case TCellAlignment::caBottomCenter: alignment_ = TCellAlignment::caTopCenter; break;
        case TCellAlignment::caMiddleRight:
        case TCellAlignment::caBottomRight: alignment_ = TCellAlignment::caTopRight; break;
        default: break;
        }
    }
    viewport()->update();
}

Qt::Alignment TKVStrGrid::qtAlignment(TCellAlignment a) {
    static const Qt::Alignment h[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static const Qt::Alignment v[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    const int i = int(a);
    return h[i % 3] | v[i / 3];
}

QString TKVStrGrid::cell(int col, int row) const {
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void TKVStrGrid::setCell(int col, int row, const QString& text) {
    if (QTableWidgetItem* it = item(row, col)) it->setText(text);
    else setItem(row, col, new QTableWidgetItem(text));
}

void TKVStrGrid::mouseAt(const QPoint& pos) {
    const QModelIndex at = indexAt(pos);
    if (!at.isValid()) return;
    const int col = at.column(), row = at.row();
    if (col == mouseCol_ && row == mouseRow_) return;
    if (mouseCol_ < 0 && mouseRow_ < 0) {
        if (OnMouseEnter) OnMouseEnter(col, row);
    } else if (OnMouseLeaveCell) {
        OnMouseLeaveCell(mouseCol_, mouseRow_);
    }
    mouseCol_ = col;
    mouseRow_ = row;
    if (OnMouseEnterCell) OnMouseEnterCell(col, row);
}

bool TKVStrGrid::viewportEvent(QEvent* e) {
    switch (e->type()) {
    case QEvent::Enter:
        mouseCol_ = mouseRow_ = -1;
        break;
    case QEvent::Leave:
        if (mouseCol_ >= 0 || mouseRow_ >= 0) {
            if (OnMouseLeaveCell) OnMouseLeaveCell(mouseCol_, mouseRow_);
            if (OnMouseLeave) OnMouseLeave(mouseCol_, mouseRow_);
        }
        break;
    case QEvent::MouseMove:
        mouseAt(static_cast<QMouseEvent*>(e)->position().toPoint());
        break;
    default: break;
    }
    return QTableWidget::viewportEvent(e);
}

}  // namespace kv
