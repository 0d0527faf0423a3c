#pragma once

#include <QString>
#include <QStringList>

// Records of comma-separated fields, as the settings store keeps named
// colours and body presets.

// Splits a record: fields are separated by a comma, blanks (any character
// up to U+0020) around fields are skipped and also end an unquoted field; a
// field in double quotes may hold commas and blanks, and two double quotes
// inside it stand for one. A quoted field without its closing quote runs to
// the end of the record.
QStringList ReadCommaText(const QString& record);

// Every field in double quotes, inner double quotes doubled, joined by single commas.
QString WriteCommaText(const QStringList& fields);
