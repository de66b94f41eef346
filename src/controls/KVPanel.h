#pragma once
// Containers and the ticket grid: the shadowed panel, the guarded page control and
// the string grid.

#include <QColor>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>
#include <functional>

namespace kv {

class TDataSet;

enum class TBorderLine { blNone, blRaised, blLowered };
enum class TTextStyle { txNone, txLowered, txRaised };

// A panel with a drop shadow at right and bottom; children are laid out on the face.
class TKVPanel : public QWidget {
    Q_OBJECT
public:
    explicit TKVPanel(QWidget* parent = nullptr);

    TBorderLine BorderLine = TBorderLine::blRaised;
    QColor Color;      // behind the shadow
    QColor Color_High;
    QColor Color_Low;
    QColor FaceColor;
    QColor ShadowColor;
    TTextStyle TextStyle = TTextStyle::txRaised;
    Qt::Alignment Alignment = Qt::AlignHCenter;

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    void setShadowWidth(int width);  // held between 0 and 10
    int shadowWidth() const { return shadowWidth_; }
    QRect faceRect() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString caption_;
    int shadowWidth_ = 2;
};

// Master/detail pages. A page change asked for by the user (tab click, keys) runs the
// guard first; changes made by the program are not guarded.
class TKVPageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TKVPageControl(QWidget* parent = nullptr);

    // False while a guarded data set is being edited or inserted.
    std::function<bool()> canChangePage;
    // The master query: while it is empty the first page cannot be left.
    TDataSet* QyMaster = nullptr;
    // The window's own page-changing handler; true allows the change.
    std::function<bool()> OnChanging;

    // The guard, with its messages; true allows leaving the current page.
    bool allowChange();

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

enum class TCellAlignment {
    caTopLeft, caTopCenter, caTopRight,
    caMiddleLeft, caCenter, caMiddleRight,
    caBottomLeft, caBottomCenter, caBottomRight,
};

enum TGridDrawState { gdSelected = 1, gdFocused = 2, gdFixed = 4 };

// The sales screen's ticket: cells addressed column first, drawn by alignment and
// multi-line settings that a window may change per cell.
class TKVStrGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TKVStrGrid(QWidget* parent = nullptr);
    TKVStrGrid(int rows, int columns, QWidget* parent = nullptr);

    // Multi-line cells only with a top alignment: each setter keeps the pair valid.
    void setDefaultCellsAlignment(TCellAlignment a);
    TCellAlignment defaultCellsAlignment() const { return alignment_; }
    void setDefaultMultiLineCells(bool on);
    bool defaultMultiLineCells() const { return multiLine_; }
    bool DefaultDrawing = true;  // off: the toolkit's own drawing

    // Per cell before drawing: state is a combination of TGridDrawState.
    std::function<void(int row, int col, int state, TCellAlignment& alignment, bool& multiLine, QBrush& brush,
                       QFont& font, QColor& fontColor)>
        OnGetCellColor;
    std::function<void(int col, int row)> OnMouseEnterCell;
    std::function<void(int col, int row)> OnMouseLeaveCell;
    std::function<void(int col, int row)> OnMouseEnter;
    std::function<void(int col, int row)> OnMouseLeave;

    // The cell under the mouse, -1 and -1 when none.
    int mouseCol() const { return mouseCol_; }
    int mouseRow() const { return mouseRow_; }

    QString cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);

    static Qt::Alignment qtAlignment(TCellAlignment a);

protected:
    bool viewportEvent(QEvent* e) override;

private:
    void init();
    void mouseAt(const QPoint& pos);

    TCellAlignment alignment_ = TCellAlignment::caTopLeft;
    bool multiLine_ = false;
    int mouseCol_ = -1;
    int mouseRow_ = -1;
};

}  // namespace kv
