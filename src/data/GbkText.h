#pragma once
// Texts are counted, cut and wrapped in GBK bytes (a Chinese character takes two);
// a cut never splits a double-byte character.

#include <QByteArray>
#include <QString>

namespace kv {

QByteArray ToGbk(const QString& text);     // characters outside GBK become "?"
QString FromGbk(const QByteArray& bytes);
int GbkLength(const QString& text);
QString GbkLeft(const QString& text, int maxBytes);  // longest prefix that fits

QString TextPiece(const QString& text, const QString& separator, int n);
QString WrapText(const QString& text, int width);
QString PadZeros(const QString& numberText, int width);
QString PadSpaces(const QString& text, int width);

}  // namespace kv
