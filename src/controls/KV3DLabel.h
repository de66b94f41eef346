#pragma once
// A label with raised, inset or shadowed lettering.

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace kv {

enum class TDrawType { dtNone, dtShadow, dtLightRaised, dtHeavyRaised, dtLightInsert, dtHeavyInsert };

class TKV3DLabel : public QWidget {
    Q_OBJECT
public:
    explicit TKV3DLabel(const QString& text = {}, QWidget* parent = nullptr);

    void setText(const QString& t);
    QString text() const { return text_; }
    void setDrawType(TDrawType t);
    TDrawType drawType() const { return drawType_; }
    QColor LightColor = Qt::white;
    QColor DarkColor = Qt::black;
    // Values outside -50 to 50 are ignored.
    void setShadowIndent(int v);
    int shadowIndent() const { return indent_; }
    void setTransparent(bool on);
    bool transparent() const { return transparent_; }
    // On: the label takes its text's extent, keeping its right edge when right-aligned.
    void setAutoSize(bool on);
    bool autoSize() const { return autoSize_; }
    // On: "&x" underlines x and the key focuses FocusControl; off: "&" is shown as text.
    void setShowAccelChar(bool on);
    bool showAccelChar() const { return showAccel_; }
    void setWordWrap(bool on);
    bool wordWrap() const { return wordWrap_; }
    void setAlignment(Qt::Alignment a);  // horizontal part only
    Qt::Alignment alignment() const { return alignment_; }
    void setFocusControl(QWidget* w) { focusControl_ = w; }
    QWidget* focusControl() const { return focusControl_; }

    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    bool event(QEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    int textFlags() const;
    int extra() const;  // room for the lettering's copies beyond the text
    QSize extent() const;
    void adjustBounds();
    void updateShortcut();

    QString text_;
    TDrawType drawType_ = TDrawType::dtLightRaised;
    int indent_ = 2;
    bool transparent_ = false;
    bool autoSize_ = true;
    bool showAccel_ = true;
    bool wordWrap_ = false;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    QPointer<QWidget> focusControl_;
    int shortcutId_ = 0;
};

}  // namespace kv
