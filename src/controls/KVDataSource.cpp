#include "controls/KVDataSource.h"

#include "controls/Tag.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

namespace kv {

TKVDataSource::TKVDataSource(TDataSet* dataSet, QWidget* owner) : QObject(owner), dataSet_(dataSet), owner_(owner) {
    dataSet_->addObserver(this);
}

TKVDataSource::~TKVDataSource() {
    if (dataSet_) dataSet_->removeObserver(this);
}

void TKVDataSource::setButton(ButtonRole role, QObject* button) { buttons_.append({role, button}); }

void TKVDataSource::addControl(QWidget* control, ControlKind kind) { controls_.append({control, kind}); }

bool TKVDataSource::editLook() const { return dataSet_ && dataSet_->editing(); }

void TKVDataSource::stateChanged(TDataSet&) {
    if (ActiveColor) applyLook();
    if (OnStateChange) OnStateChange();
}

static void paint(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
}

void TKVDataSource::applyLook() {
    const bool edit = editLook();
    for (const auto& [control, kind] : controls_) {
        if (!control || !RestyledBy(Tag(control), IS_MASTER_CHANGE, IS_DETAIL_CHANGE)) continue;
        const ControlLook look = LookFor(kind, Tag(control), edit);
        if (!look.touched) continue;
        if (kind == ControlKind::Grid) {
            control->setEnabled(look.enabled);
            continue;
        }
        if (auto* e = qobject_cast<QLineEdit*>(control)) e->setReadOnly(look.readOnly);
        else if (auto* m = qobject_cast<QPlainTextEdit*>(control)) m->setReadOnly(look.readOnly);
        else if (auto* c = qobject_cast<QComboBox*>(control)) c->setEnabled(!look.readOnly);
        control->setFocusPolicy(look.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
        control->setProperty("buttonEnabled", look.buttonEnabled);
        paint(control, look.editColors ? EditColor : BrowseColor);
        if (control->property("ColorOnFocus").isValid()) control->setProperty("ColorOnFocus", edit ? ColorOnFocus : BrowseColor);
    }
    for (const auto& [role, button] : buttons_)
        if (button) button->setProperty("enabled", ButtonEnabled(role, edit, rights));
}

}  // namespace kv
