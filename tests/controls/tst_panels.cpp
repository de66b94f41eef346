// The guarded page control, the string grid's cell rules, and the drawing of the
// shadowed panel and the 3D label.
#include "TestDatabase.h"
#include "controls/KV3DLabel.h"
#include "controls/KVPanel.h"
#include "data/Query.h"

#include <QLineEdit>
#include <QtTest>

using namespace kv;
using kvtest::RecordMessages;
using kvtest::TestDatabase;

Q_DECLARE_METATYPE(kv::TCellAlignment)
Q_DECLARE_METATYPE(kv::TDrawType)
Q_DECLARE_METATYPE(kv::TBorderLine)

namespace {
const QString kEditing = QStringLiteral("必须先保存或取消新增的数据或修改后的数据");
const QString kNoMaster = QStringLiteral("没有主档数据记录，不能改变页面");

QRect boxOf(const QImage& img, const QColor& c) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == c) box |= QRect(x, y, 1, 1);
    return box;
}

// The copy lies d pixels down-right (d > 0) or up-left (d < 0) of the text; 0: no copy.
void checkCopy(const QRect& copy, const QRect& text, int d, const char* what) {
    if (d == 0) {
        QVERIFY2(copy.isNull(), what);
    } else if (d < 0) {
        QCOMPARE(QPoint(copy.left() - text.left(), copy.top() - text.top()), QPoint(d, d));
    } else {
        QCOMPARE(QPoint(copy.right() - text.right(), copy.bottom() - text.bottom()), QPoint(d, d));
    }
}
}  // namespace

class TestPanels : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pageGuard_data() {
        QTest::addColumn<bool>("editing");
        QTest::addColumn<QString>("master");  // "", "empty", "rows"
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("windowAllows");
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("windowAsked");
        const QStringList none;
        QTest::newRow("free") << false << "" << 0 << true << 1 << none << true;
        QTest::newRow("window refuses") << false << "" << 0 << false << 0 << none << true;
        QTest::newRow("editing") << true << "" << 0 << true << 0 << QStringList{kEditing} << false;
        QTest::newRow("editing on the detail page") << true << "rows" << 1 << true << 1 << QStringList{kEditing} << false;
        QTest::newRow("editing before the empty master") << true << "empty" << 1 << true << 1 << QStringList{kEditing}
                                                        << false;
        QTest::newRow("empty master keeps the list") << false << "empty" << 0 << true << 0 << QStringList{kNoMaster}
                                                     << false;
        QTest::newRow("empty master: back to the list") << false << "empty" << 1 << false << 0 << none << false;
        QTest::newRow("master with rows") << false << "rows" << 0 << true << 1 << none << true;
        QTest::newRow("master with rows, window refuses") << false << "rows" << 1 << false << 1 << none << true;
    }
    void pageGuard() {
        QFETCH(bool, editing);
        QFETCH(QString, master);
        QFETCH(int, from);
        QFETCH(bool, windowAllows);
        QFETCH(int, page);
        QFETCH(QStringList, messages);
        QFETCH(bool, windowAsked);
        TestDatabase t;
        RecordMessages rec;
        TQuery q;
        q.setSql(master == QLatin1String("rows") ? QStringLiteral("SELECT 1") : QStringLiteral("SELECT 1 WHERE 1 = 0"));
        q.open();
        TKVPageControl pages;
        pages.addTab(new QWidget, QStringLiteral("列表"));
        pages.addTab(new QWidget, QStringLiteral("明细"));
        pages.resize(300, 200);
        pages.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pages));
        if (!master.isEmpty()) pages.QyMaster = &q;
        pages.canChangePage = [editing] { return !editing; };
        bool asked = false;
        pages.OnChanging = [&] {
            asked = true;
            return windowAllows;
        };
        const auto byClick = [&] {
            QTest::mouseClick(pages.tabBar(), Qt::LeftButton, {}, pages.tabBar()->tabRect(1 - from).center());
        };
        const auto byCtrlTab = [&] { QTest::keyClick(&pages, Qt::Key_Tab, Qt::ControlModifier); };
        for (const auto& act : {std::function<void()>(byClick), std::function<void()>(byCtrlTab)}) {
            pages.setCurrentIndex(from);  // the program's own changes are not guarded
            QCOMPARE(pages.currentIndex(), from);
            rec->clear();
            asked = false;
            act();
            QCOMPARE(pages.currentIndex(), page);
            QCOMPARE(rec->texts(), messages);
            QCOMPARE(asked, windowAsked);
        }
        // Clicking the page already shown asks nothing.
        rec->clear();
        asked = false;
        QTest::mouseClick(pages.tabBar(), Qt::LeftButton, {}, pages.tabBar()->tabRect(pages.currentIndex()).center());
        QVERIFY(rec->messages.isEmpty());
        QVERIFY(!asked);
    }

    void gridAlignmentRules_data() {
        QTest::addColumn<TCellAlignment>("first");
        QTest::addColumn<bool>("multi");
        QTest::addColumn<int>("then");  // an alignment set afterwards, -1 none
        QTest::addColumn<TCellAlignment>("alignment");
        QTest::addColumn<bool>("multiLine");
        using A = TCellAlignment;
        QTest::newRow("centre goes up") << A::caCenter << true << -1 << A::caTopCenter << true;
        QTest::newRow("middle right goes up") << A::caMiddleRight << true << -1 << A::caTopRight << true;
        QTest::newRow("bottom left goes up") << A::caBottomLeft << true << -1 << A::caTopLeft << true;
        QTest::newRow("bottom centre goes up") << A::caBottomCenter << true << -1 << A::caTopCenter << true;
        QTest::newRow("top stays") << A::caTopRight << true << -1 << A::caTopRight << true;
        QTest::newRow("middle ends multi-line") << A::caTopLeft << true << int(A::caMiddleLeft) << A::caMiddleLeft << false;
        QTest::newRow("bottom ends multi-line") << A::caTopLeft << true << int(A::caBottomRight) << A::caBottomRight
                                                << false;
        QTest::newRow("top keeps multi-line") << A::caTopLeft << true << int(A::caTopCenter) << A::caTopCenter << true;
        QTest::newRow("single line keeps middle") << A::caCenter << false << -1 << A::caCenter << false;
    }
    void gridAlignmentRules() {
        QFETCH(TCellAlignment, first);
        QFETCH(bool, multi);
        QFETCH(int, then);
        QFETCH(TCellAlignment, alignment);
        QFETCH(bool, multiLine);
        TKVStrGrid grid(2, 2);
        grid.setDefaultCellsAlignment(first);
        grid.setDefaultMultiLineCells(multi);
        if (then >= 0) grid.setDefaultCellsAlignment(TCellAlignment(then));
        QCOMPARE(grid.defaultCellsAlignment(), alignment);
        QCOMPARE(grid.defaultMultiLineCells(), multiLine);
    }

    void gridCellColourByRowAndColumn() {
        TKVStrGrid grid(3, 4);
        grid.resize(400, 200);
        grid.setCell(2, 1, QStringLiteral("x"));
        QCOMPARE(grid.cell(2, 1), QStringLiteral("x"));
        QCOMPARE(grid.item(1, 2)->text(), QStringLiteral("x"));  // column first
        grid.OnGetCellColor = [](int row, int col, int, TCellAlignment&, bool&, QBrush& brush, QFont&, QColor&) {
            if (row == 1 && col == 2) brush = QBrush(Qt::red);
        };
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const QImage img = grid.viewport()->grab().toImage();
        const auto at = [&](int row, int col) {
            return img.pixelColor(grid.visualRect(grid.model()->index(row, col)).topLeft() + QPoint(1, 1));
        };
        QCOMPARE(at(1, 2), QColor(Qt::red));
        QVERIFY(at(2, 1) != QColor(Qt::red));
    }

    void gridMouseCells() {
        TKVStrGrid grid(2, 3);
        grid.resize(400, 200);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QStringList log;
        const auto record = [&log](const char* what) {
            return [&log, what](int col, int row) { log << QStringLiteral("%1 %2,%3").arg(what).arg(col).arg(row); };
        };
        grid.OnMouseEnter = record("enter");
        grid.OnMouseLeave = record("leave");
        grid.OnMouseEnterCell = record("enterCell");
        grid.OnMouseLeaveCell = record("leaveCell");
        QWidget* vp = grid.viewport();
        const auto centre = [&](int col, int row) { return grid.visualRect(grid.model()->index(row, col)).center(); };
        const auto enter = [&](QPoint p) {
            QEnterEvent e(p, p, vp->mapToGlobal(p));
            QApplication::sendEvent(vp, &e);
        };
        const auto move = [&](QPoint p) {
            QMouseEvent e(QEvent::MouseMove, p, vp->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(vp, &e);
        };
        const auto leave = [&] {
            QEvent e(QEvent::Leave);
            QApplication::sendEvent(vp, &e);
        };
        enter(centre(0, 0));
        move(centre(0, 0));
        move(centre(0, 0) + QPoint(1, 0));  // same cell: nothing
        move(centre(2, 1));
        QCOMPARE(grid.mouseCol(), 2);
        QCOMPARE(grid.mouseRow(), 1);
        leave();
        enter(centre(1, 0));
        QCOMPARE(grid.mouseCol(), -1);
        QCOMPARE(grid.mouseRow(), -1);
        move(centre(1, 0));
        QCOMPARE(log, (QStringList{"enter 0,0", "enterCell 0,0", "leaveCell 0,0", "enterCell 2,1", "leaveCell 2,1",
                                   "leave 2,1", "enter 1,0", "enterCell 1,0"}));
    }

    void panelPainting_data() {
        QTest::addColumn<TBorderLine>("border");
        QTest::addColumn<QColor>("leftTop");
        QTest::addColumn<QColor>("rightBottom");
        const QColor high(0xE8, 0xE8, 0xE0), low(0xA2, 0x8D, 0x68), face(0x10, 0x20, 0x30);
        QTest::newRow("raised") << TBorderLine::blRaised << high << low;
        QTest::newRow("lowered") << TBorderLine::blLowered << low << high;
        QTest::newRow("none") << TBorderLine::blNone << face << face;
    }
    void panelPainting() {
        QFETCH(TBorderLine, border);
        QFETCH(QColor, leftTop);
        QFETCH(QColor, rightBottom);
        TKVPanel panel;
        QCOMPARE(panel.size(), QSize(185, 41));
        panel.setShadowWidth(25);
        QCOMPARE(panel.shadowWidth(), 10);
        panel.setShadowWidth(-1);
        QCOMPARE(panel.shadowWidth(), 0);
        panel.setShadowWidth(3);
        panel.Color = Qt::white;
        panel.FaceColor = QColor(0x10, 0x20, 0x30);
        panel.BorderLine = border;
        const QImage img = panel.grab().toImage();
        const int r = 185 - 3 - 1, b = 41 - 3 - 1;  // the face's last column and row
        QCOMPARE(img.pixelColor(0, 20), leftTop);
        QCOMPARE(img.pixelColor(90, 0), leftTop);
        QCOMPARE(img.pixelColor(r, 20), rightBottom);
        QCOMPARE(img.pixelColor(90, b), rightBottom);
        QCOMPARE(img.pixelColor(90, 20), QColor(0x10, 0x20, 0x30));
        QCOMPARE(img.pixelColor(184, 40), QColor(0x80, 0x80, 0x80));  // shadow
        QCOMPARE(img.pixelColor(184, 1), QColor(Qt::white));          // above the shadow
        QCOMPARE(img.pixelColor(1, 40), QColor(Qt::white));
        QCOMPARE(panel.contentsRect(), QRect(0, 0, 182, 38));
    }

    // Where the lettering's copies lie relative to the text (font colour blue,
    // LightColor green, DarkColor red, unsmoothed so that colours stay exact).
    void labelDrawing_data() {
        QTest::addColumn<TDrawType>("type");
        QTest::addColumn<int>("indent");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("light");
        QTest::addColumn<int>("dark");
        QTest::newRow("none") << TDrawType::dtNone << 2 << true << 0 << 0;
        QTest::newRow("shadow down-right") << TDrawType::dtShadow << 3 << true << 0 << 3;
        QTest::newRow("shadow, negative: text moves") << TDrawType::dtShadow << -3 << true << 0 << -3;
        QTest::newRow("light raised") << TDrawType::dtLightRaised << 2 << true << -1 << 0;
        QTest::newRow("heavy raised") << TDrawType::dtHeavyRaised << 2 << true << -1 << 1;
        QTest::newRow("light inset") << TDrawType::dtLightInsert << 2 << true << 1 << 0;
        QTest::newRow("heavy inset") << TDrawType::dtHeavyInsert << 2 << true << 1 << -1;
        QTest::newRow("disabled: text once") << TDrawType::dtHeavyRaised << 2 << false << 0 << 0;
    }
    void labelDrawing() {
        QFETCH(TDrawType, type);
        QFETCH(int, indent);
        QFETCH(bool, enabled);
        QFETCH(int, light);
        QFETCH(int, dark);
        TKV3DLabel label(QStringLiteral("Wg"));
        QFont f = label.font();
        f.setPointSize(20);
        f.setStyleStrategy(QFont::NoAntialias);
        label.setFont(f);
        QPalette p = label.palette();
        p.setColor(QPalette::Window, Qt::black);
        p.setColor(QPalette::WindowText, Qt::blue);
        label.setPalette(p);
        label.LightColor = Qt::green;
        label.DarkColor = Qt::red;
        label.setShadowIndent(indent);
        label.setDrawType(type);
        label.setEnabled(enabled);
        const QImage img = label.grab().toImage();
        const QRect text = boxOf(img, Qt::blue);
        QVERIFY(!text.isNull());
        QVERIFY(QRect(QPoint(0, 0), label.size()).contains(text));
        checkCopy(boxOf(img, Qt::green), text, light, "light copy");
        checkCopy(boxOf(img, Qt::red), text, dark, "dark copy");
    }

    void labelAutoSize() {
        const auto sizeOf = [](TDrawType type, int indent, const QString& text) {
            TKV3DLabel label(text);
            label.setShadowIndent(indent);
            label.setDrawType(type);
            return label.size();
        };
        const QString t = QStringLiteral("丰和超市");
        const QSize plain = sizeOf(TDrawType::dtNone, 2, t);
        QCOMPARE(sizeOf(TDrawType::dtShadow, -3, t) - plain, QSize(3, 3));
        QCOMPARE(sizeOf(TDrawType::dtShadow, 5, t) - plain, QSize(5, 5));
        QCOMPARE(sizeOf(TDrawType::dtHeavyInsert, 5, t), plain);
        QCOMPARE(sizeOf(TDrawType::dtNone, 2, QString()).height(),  // measured as a blank
                 sizeOf(TDrawType::dtNone, 2, QStringLiteral("Wg")).height());
        QVERIFY(sizeOf(TDrawType::dtNone, 2, QString()).width() > 2);

        TKV3DLabel label;
        label.setShadowIndent(51);
        QCOMPARE(label.shadowIndent(), 2);
        label.setShadowIndent(-50);
        QCOMPARE(label.shadowIndent(), -50);

        TKV3DLabel right(QStringLiteral("短"));
        right.setAlignment(Qt::AlignRight);
        right.move(100, 10);
        const int edge = right.geometry().right();
        right.setText(QStringLiteral("长得多的文字"));
        QCOMPARE(right.geometry().right(), edge);
        QVERIFY(right.x() < 100);
        TKV3DLabel left(QStringLiteral("短"));
        left.move(100, 10);
        left.setText(QStringLiteral("长得多的文字"));
        QCOMPARE(left.x(), 100);

        TKV3DLabel fixed(QStringLiteral("x"));
        fixed.setAutoSize(false);
        fixed.resize(66, 18);
        fixed.setText(QStringLiteral("长得多的文字长得多的文字"));
        QCOMPARE(fixed.size(), QSize(66, 18));
    }

    void labelAccelerator() {
        QWidget window;
        auto* label = new TKV3DLabel(QStringLiteral("名称(&N)"), &window);
        auto* other = new QLineEdit(&window);
        auto* edit = new QLineEdit(&window);
        edit->move(0, 40);
        label->setFocusControl(edit);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        QVERIFY(edit->hasFocus());
        // Without accelerators the ampersand is text and the key does nothing.
        const int width = label->width();
        label->setShowAccelChar(false);
        QVERIFY(label->width() > width);
        other->setFocus();
        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        QVERIFY(other->hasFocus());
    }
};

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
