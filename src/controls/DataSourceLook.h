#pragma once
// The browse and edit looks of a window's controls and buttons, in one place so every
// window gets the same rules. Widget-free: the data source applies the answers.

namespace kv {

enum class ButtonRole { New, Add, Edit, Delete, Print, Check, Find, Other, Close, Prior, Next, First, Last, Save, Cancel, Speed };
enum class ControlKind { Grid, DataEdit, Memo, ComboBox, LookupList, ComboEdit };

struct Rights {
    bool add = true, edit = true, print = true, check = true, del = true;
};

struct ControlLook {
    bool touched = true;       // false: the control is left as it is
    bool enabled = true;
    bool readOnly = false;
    bool tabStop = true;
    bool buttonEnabled = true; // combo-edit button
    bool editColors = false;   // edit colour and focus colour, else the browse colour
};

// tag: the control's Tag; detail windows use tags from 500 (502, 503 ... read as 2, 3 ...).
ControlLook LookFor(ControlKind kind, int tag, bool editLook);
// Which group restyles a control: master (tags below 500) or detail (500 and above).
bool RestyledBy(int tag, bool masterChange, bool detailChange);
bool ButtonEnabled(ButtonRole role, bool editLook, const Rights& rights);

}  // namespace kv
