#include "controls/DataSourceLook.h"

namespace kv {

bool RestyledBy(int tag, bool masterChange, bool detailChange) {
    if (masterChange) return tag <= 499;
    if (detailChange) return tag >= 500;
    return false;
}

ControlLook LookFor(ControlKind kind, int tag, bool editLook) {
    const int t = tag >= 500 ? tag - 500 : tag;
    ControlLook look;
    look.editColors = editLook;
    switch (kind) {
    case ControlKind::Grid:
        if (t == 1) look.touched = false;
        look.enabled = !editLook;
        break;
    case ControlKind::LookupList:
        look.readOnly = tag == 200 ? false : !editLook;
        break;
    case ControlKind::DataEdit:
    case ControlKind::Memo:
    case ControlKind::ComboBox:
        look.readOnly = !editLook || t == 2;
        if (kind == ControlKind::DataEdit && (t == 3 || t == 4)) {
            look.readOnly = true;
            look.tabStop = false;
        }
        break;
    case ControlKind::ComboEdit:
        if (t == 5) {
            look.touched = false;
            break;
        }
        look.readOnly = !editLook || t == 2;
        look.buttonEnabled = t == 6 ? !editLook : editLook;
        if (t == 7) {
            look.buttonEnabled = false;  // the button keeps its browse look
            look.readOnly = true;
        }
        break;
    }
    return look;
}

bool ButtonEnabled(ButtonRole role, bool editLook, const Rights& r) {
    switch (role) {
    case ButtonRole::Save:
    case ButtonRole::Cancel: return editLook;
    case ButtonRole::New:
    case ButtonRole::Add: return !editLook && r.add;
    case ButtonRole::Edit: return !editLook && r.edit;
    case ButtonRole::Delete: return !editLook && r.del;
    case ButtonRole::Print: return !editLook && r.print;
    case ButtonRole::Check: return !editLook && r.check;
    default: return !editLook;
    }
}

}  // namespace kv
