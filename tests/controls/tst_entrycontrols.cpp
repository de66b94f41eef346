// The entry controls driven by keys: typing rules, navigation, focus colour, the
// input-method hand-over and the button edits.

#include "Typing.h"
#include "controls/KVComboEdit.h"
#include "controls/KVEdit.h"

#include <QDialog>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

using namespace kv;

Q_DECLARE_METATYPE(kv::TEditTypes)

namespace {

const QColor Normal(0xff, 0xff, 0xff);
const QColor Focus(0xff, 0x00, 0x00);

// A shown, active window with the control under test and a plain field to move to.
struct Window {
    QWidget w;
    QLineEdit* other;
    explicit Window(QWidget* control) {
        auto* layout = new QVBoxLayout(&w);
        layout->addWidget(control);
        other = new QLineEdit(&w);
        layout->addWidget(other);
        w.show();
        w.activateWindow();
    }
    bool ready() { return QTest::qWaitForWindowActive(&w); }
};

QWidget* makeControl(const QString& kind) {
    if (kind == "edit") return new TKVEdit;
    if (kind == "combo") return new TKVComboBox;
    if (kind == "memo") return new TKVMemo;
    if (kind == "masked") return new TKVMEdit;
    if (kind == "comboedit") return new TKVComboEdit;
    if (kind == "lcomboedit") return new TKVLComboEdit;
    return nullptr;
}

QString textOf(QWidget* w) {
    if (auto* box = qobject_cast<QComboBox*>(w)) return box->currentText();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) return memo->toPlainText();
    return qobject_cast<QLineEdit*>(w)->text();
}

QColor base(QWidget* w) { return w->palette().color(QPalette::Base); }

}  // namespace

class TstEntryControls : public QObject {
    Q_OBJECT
private slots:
    void typing_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<TEditTypes>("type");
        QTest::addColumn<int>("maxBytes");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        const auto S = TEditTypes::etString, I = TEditTypes::etInteger, F = TEditTypes::etFloat,
                   D = TEditTypes::etDate, T = TEditTypes::etTime;
        // clang-format off
        QTest::newRow("twelve and a half with a comma") << "edit" << F << 0 << "12,5"  << "12.5";
        QTest::newRow("second separator dropped")       << "edit" << F << 0 << "1.2,5" << "1.25";
        QTest::newRow("float gets 16 on entry")         << "edit" << F << 0 << "12345678901234567890" << "1234567890123456";
        QTest::newRow("float keeps its own limit")      << "edit" << F << 6 << "12345678" << "123456";
        QTest::newRow("one minus only")                 << "edit" << I << 0 << "-12-3" << "-123";
        QTest::newRow("trailing minus")                 << "edit" << I << 0 << "12-"   << "12-";
        QTest::newRow("signed whole number gets 11")    << "edit" << I << 0 << "-123456789012" << "-1234567890";
        QTest::newRow("unsigned has no limit")          << "edit" << I << 0 << "123456789012" << "123456789012";
        QTest::newRow("navigation codes are not text")  << "edit" << I << 0 << "#$%'7" << "7";
        QTest::newRow("date with minus")                << "edit" << D << 0 << "2024-05-01" << "2024-05-01";
        QTest::newRow("date with slash, no letters")    << "edit" << D << 0 << "2024/5/1ab" << "2024/5/1";
        QTest::newRow("date holds 10")                  << "edit" << D << 20 << "2024-05-012" << "2024-05-01";
        QTest::newRow("time")                           << "edit" << T << 0 << "12:30x" << "12:30";
        QTest::newRow("gbk cut keeps whole characters") << "edit" << S << 5 << "ab张三" << "ab张";
        QTest::newRow("gbk limit on Chinese")           << "edit" << S << 5 << "张三李" << "张三";
        QTest::newRow("combo box float")                << "combo" << F << 0 << "12,5" << "12.5";
        QTest::newRow("combo box gbk limit")            << "combo" << S << 3 << "a张三" << "a张";
        QTest::newRow("button edit float")              << "comboedit" << F << 0 << "1,2,5" << "1.25";
        QTest::newRow("button edit integer")            << "comboedit" << I << 0 << "-1a-2" << "-12";
        // clang-format on
    }

    void typing() {
        QFETCH(QString, kind);
        QFETCH(TEditTypes, type);
        QFETCH(int, maxBytes);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QWidget* control = makeControl(kind);
        auto* rules = dynamic_cast<TypedEntry*>(control);
        rules->EditType = type;
        rules->setMaxBytes(maxBytes);
        Window win(control);
        QVERIFY(win.ready());
        control->setFocus();
        kvtest::TypeText(control, typed);
        QCOMPARE(textOf(control), expected);
    }

    void navigationKeysMoveInNumberFields() {
        auto* edit = new TKVEdit;
        edit->EditType = TEditTypes::etInteger;
        Window win(edit);
        QVERIFY(win.ready());
        edit->setFocus();
        QTest::keyClicks(edit, "12345");
        const std::pair<Qt::Key, int> moves[] = {{Qt::Key_Home, 0}, {Qt::Key_End, 5}, {Qt::Key_Left, 4},
                                                 {Qt::Key_Left, 3}, {Qt::Key_Right, 4}};
        for (const auto& [key, position] : moves) {
            QTest::keyClick(edit, key);
            QCOMPARE(edit->cursorPosition(), position);
        }
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_Minus);
        QCOMPARE(edit->text(), QStringLiteral("-12345"));
    }

    // A full field refuses what does not fit where it is typed, not the text at its end.
    void fullFieldRefusesAtTheCursor() {
        auto* edit = new TKVEdit;
        edit->setMaxBytes(5);
        Window win(edit);
        QVERIFY(win.ready());
        edit->setFocus();
        kvtest::TypeText(edit, QStringLiteral("张三"));
        QTest::keyClick(edit, Qt::Key_Home);
        kvtest::TypeText(edit, QStringLiteral("李a"));
        QCOMPARE(edit->text(), QStringLiteral("a张三"));
        QCOMPARE(edit->cursorPosition(), 1);
    }

    // Chinese input methods commit text without key presses; it obeys the same rules.
    void inputMethodTextIsFiltered() {
        auto* number = new TKVEdit;
        number->EditType = TEditTypes::etInteger;
        Window win(number);
        QVERIFY(win.ready());
        number->setFocus();
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("１2个3"));
        QApplication::sendEvent(number, &commit);
        QCOMPARE(number->text(), QStringLiteral("23"));

        auto* name = new TKVEdit(&win.w);
        name->setMaxBytes(5);
        name->show();
        name->setFocus();
        commit.setCommitString(QStringLiteral("张三李"));
        QApplication::sendEvent(name, &commit);
        QCOMPARE(name->text(), QStringLiteral("张三"));
    }

    void focusColour_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("focusColorChange");
        QTest::addColumn<bool>("switches");
        for (const char* kind : {"edit", "combo", "memo", "comboedit", "lcomboedit"}) {
            QTest::addRow("%s", kind) << kind << true << true;
            QTest::addRow("%s without change", kind) << kind << false << false;
        }
        QTest::newRow("masked edit always switches") << "masked" << false << true;
    }

    void focusColour() {
        QFETCH(QString, kind);
        QFETCH(bool, focusColorChange);
        QFETCH(bool, switches);
        QWidget* control = makeControl(kind);
        auto* colouring = dynamic_cast<FocusColouring*>(control);
        colouring->ColorOnFocus = Focus;
        colouring->FocusColorChange = focusColorChange;
        colouring->setEditColor(control, Normal);
        Window win(control);
        QVERIFY(win.ready());
        for (int round = 0; round < 2; ++round) {
            control->setFocus();
            QVERIFY(control->hasFocus());
            QCOMPARE(base(control), switches ? Focus : Normal);
            win.other->setFocus();
            QCOMPARE(base(control), Normal);
        }
    }

    // A combo list, a context menu or a message box takes the focus for a while: the
    // field stays entered; a colour set meanwhile shows when the field is really left.
    void focusTakenForAWhileIsNoExit() {
        auto* edit = new TKVEdit;
        edit->ColorOnFocus = Focus;
        edit->setColor(Normal);
        Window win(edit);
        QVERIFY(win.ready());
        edit->setFocus();
        for (const Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
            QFocusEvent out(QEvent::FocusOut, reason);
            QApplication::sendEvent(edit, &out);
            QCOMPARE(base(edit), Focus);
            QFocusEvent in(QEvent::FocusIn, reason);
            QApplication::sendEvent(edit, &in);
        }
        const QColor edited(0x00, 0xff, 0x00);
        edit->setColor(edited);
        QCOMPARE(base(edit), Focus);
        win.other->setFocus();
        QCOMPARE(base(edit), edited);
    }

    void inputMethodNameHandOver() {
        SetLastInputMethod(QStringLiteral("拼音"));  // before the window gives the first field the focus
        auto* text = new TKVEdit;
        Window win(text);
        auto* number = new TKVEdit(&win.w);
        number->EditType = TEditTypes::etInteger;
        number->ImeName = QStringLiteral("拼音");
        auto* memo = new TKVMemo(&win.w);
        number->show();
        memo->show();
        QVERIFY(win.ready());

        text->setFocus();
        QCOMPARE(text->ImeName, QStringLiteral("拼音"));
        text->ImeName = QStringLiteral("五笔");
        number->setFocus();
        QCOMPARE(LastInputMethod(), QStringLiteral("五笔"));
        QVERIFY(number->ImeName.isEmpty());
        memo->setFocus();
        QCOMPARE(memo->ImeName, QStringLiteral("五笔"));
        memo->ImeName = QStringLiteral("郑码");
        number->setFocus();  // a number field hands nothing back
        text->setFocus();
        QCOMPARE(text->ImeName, QStringLiteral("郑码"));
    }

    void buttonEdit_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("directInput");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("buttonEnabled");
        QTest::addColumn<int>("buttonWidth");
        QTest::addColumn<int>("clickKey");  // 0: the default Alt+Down
        QTest::addColumn<QString>("trigger");  // "key": Alt+Down, "f4", "click"
        QTest::addColumn<int>("calls");
        // clang-format off
        QTest::newRow("typing allowed, key")      << "comboedit"  << true  << false << true  << 21 << 0 << "key"   << 1;
        QTest::newRow("no direct input, key")     << "comboedit"  << false << false << true  << 21 << 0 << "key"   << 1;
        QTest::newRow("no direct input, click")   << "comboedit"  << false << false << true  << 21 << 0 << "click" << 1;
        QTest::newRow("caption, no direct input, click") << "lcomboedit" << false << false << true << 21 << 0 << "click" << 1;
        QTest::newRow("caption, key")             << "lcomboedit" << true  << false << true  << 21 << 0 << "key"   << 1;
        QTest::newRow("button width 0, key")      << "comboedit"  << true  << false << true  << 0  << 0 << "key"   << 0;
        QTest::newRow("read only, key")           << "comboedit"  << true  << true  << true  << 21 << 0 << "key"   << 0;
        QTest::newRow("read only, click")         << "comboedit"  << true  << true  << true  << 21 << 0 << "click" << 0;
        QTest::newRow("button disabled, key")     << "comboedit"  << true  << false << false << 21 << 0 << "key"   << 0;
        QTest::newRow("own click key")            << "comboedit"  << true  << false << true  << 21 << int(Qt::Key_F4) << "f4"  << 1;
        QTest::newRow("own click key, Alt+Down")  << "comboedit"  << true  << false << true  << 21 << int(Qt::Key_F4) << "key" << 0;
        // clang-format on
    }

    void buttonEdit() {
        QFETCH(QString, kind);
        QFETCH(bool, directInput);
        QFETCH(bool, readOnly);
        QFETCH(bool, buttonEnabled);
        QFETCH(int, buttonWidth);
        QFETCH(int, clickKey);
        QFETCH(QString, trigger);
        QFETCH(int, calls);
        auto* edit = static_cast<TKVCustomComboEdit*>(makeControl(kind));
        edit->setButtonCaption(QStringLiteral("%"));
        edit->setDirectInput(directInput);
        edit->setReadOnly(readOnly);
        edit->setButtonEnabled(buttonEnabled);
        edit->setButtonWidth(buttonWidth);
        if (clickKey) edit->setClickKey(QKeySequence(clickKey));
        int called = 0;
        edit->OnButtonClick = [&] {
            ++called;
            edit->setText(QStringLiteral("选定"));  // what a picker does
        };
        QSignalSpy clicked(edit, &TKVCustomComboEdit::buttonClicked);
        Window win(edit);
        QVERIFY(win.ready());
        edit->setFocus();
        QCOMPARE(edit->button()->isVisible(), buttonWidth > 0);

        kvtest::TypeText(edit, QStringLiteral("ab"));
        QCOMPARE(edit->text(), directInput && !readOnly ? QStringLiteral("ab") : QString());

        if (trigger == "key") QTest::keyClick(edit, Qt::Key_Down, Qt::AltModifier);
        else if (trigger == "f4") QTest::keyClick(edit, Qt::Key_F4);
        else QTest::mouseClick(edit->button(), Qt::LeftButton);
        QCOMPARE(called, calls);
        QCOMPARE(clicked.count(), calls);
        if (calls) QCOMPARE(edit->text(), QStringLiteral("选定"));
        QVERIFY(edit->hasFocus());
    }

    void captionShowsInPlaceOfTheButton() {
        TKVLComboEdit edit;
        edit.setButtonCaption(QStringLiteral("%"));
        edit.setGlyphKind(TGlyphKind::gkEllipsis);
        QCOMPARE(edit.button()->text(), QStringLiteral("%"));
        TKVComboEdit plain;
        plain.setButtonCaption(QStringLiteral("%"));
        plain.setGlyphKind(TGlyphKind::gkEllipsis);
        QCOMPARE(plain.button()->text(), QStringLiteral("…"));
    }

    // Enter stops in a button edit: the dialog's default button does not fire.
    void enterStopsInTheButtonEdit() {
        QDialog dialog;
        auto* edit = new TKVComboEdit(&dialog);
        auto* ok = new QPushButton(QStringLiteral("确定"), &dialog);
        ok->setDefault(true);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(edit);
        layout->addWidget(ok);
        QSignalSpy enter(edit, &TKVCustomComboEdit::enterPressed);
        QSignalSpy pressed(ok, &QPushButton::clicked);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(enter.count(), 1);
        QCOMPARE(pressed.count(), 0);
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(TstEntryControls)
#include "tst_entrycontrols.moc"
