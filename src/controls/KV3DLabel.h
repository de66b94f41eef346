#pragma once
// A label with raised, inset or shadowed lettering.

#include <QColor>
#include <QWidget>

namespace kv {

enum class TDrawType { dtNone, dtShadow, dtLightRaised, dtHeavyRaised, dtLightInsert, dtHeavyInsert };

class TKV3DLabel : public QWidget {
    Q_OBJECT
public:
    explicit TKV3DLabel(const QString& text = {}, QWidget* parent = nullptr);
    void setText(const QString& t);
    QString text() const { return text_; }
    TDrawType DrawType = TDrawType::dtLightRaised;
    QColor LightColor = Qt::white;
    QColor DarkColor = Qt::black;
    void setShadowIndent(int v) { if (v >= -50 && v <= 50) indent_ = v; update(); }
    int shadowIndent() const { return indent_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString text_;
    int indent_ = 2;
};

}  // namespace kv
