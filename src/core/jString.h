#pragma once

#include <QByteArray>
#include <QString>

// Character-wise handling of code page 932 (Shift-JIS) byte strings: a lead
// byte and its trail byte are one character and are never split. A text
// ends at its first zero byte or at the end of the array, whichever comes
// first. Character positions count from 1.

// True when the byte at `pos` is a code page 932 lead byte and is followed
// by a byte that does not end the text.
bool IsDoubleByteChar(const QByteArray& text, qsizetype pos);

// The byte length (2 or 1) of the character at `pos`, moving `pos` past it;
// 0 at the end of the text, without moving.
int NextChar(const QByteArray& text, qsizetype& pos);

// The number of characters.
int CharLength(const QByteArray& text);

// The 1-based character position of the first occurrence of `sought` in
// `text`, compared exactly; 0 when absent or when either text is empty.
int CharPos(const QByteArray& sought, const QByteArray& text);

// Up to `count` characters from character `start` (1-based; 0 counts as 1).
// Empty when the start lies beyond the text, is negative, or count <= 0.
QByteArray SubChars(const QByteArray& text, int start, int count);

// The first n characters, padded with blanks to exactly n characters.
QByteArray LeftChars(const QByteArray& text, int n);

// `text` n times in a row; empty when n <= 0.
QByteArray RepeatText(const QByteArray& text, int n);

// Conversions between Qt text and code page 932 bytes. Characters the code
// page cannot hold become its substitution character.
QByteArray ToCp932(const QString& text);
QString FromCp932(const QByteArray& bytes);

// The byte length a character takes in code page 932: 1 for ASCII and the
// half-width katakana (U+FF61..U+FF9F), 2 for everything else. Characters
// the code page cannot hold count as 2 as well, as wide as their substitute.
int Cp932CharWidth(char32_t ch);
// The sum of Cp932CharWidth over the text's characters (a surrogate pair is one).
int Cp932TextWidth(const QString& text);
