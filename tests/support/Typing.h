#pragma once
// Types any text, Chinese included, into a widget as key events (QTest::keyClicks
// takes ASCII only).

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace kvtest {

inline void TypeText(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        const int key = c.unicode() < 128 ? QChar(c).toUpper().unicode() : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

}  // namespace kvtest
