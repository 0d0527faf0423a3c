#pragma once

#include "html/BodyModel.h"
#include "html/HtmlCase.h"

#include <QString>
#include <array>

class NamedColorTable;
struct ProgramOptions;

// A colour as the body page writes it: its name when the page prefers
// names and it has one, else "#RRGGBB", then the whole text in the
// letter case (so "#ffffff" in lower case).
QString BodyColorText(TColor color, bool preferNames, const NamedColorTable& table, HtmlCase mode);

// The preview label of a role: "BGCOLOR=#FFFFFF 背景色" in upper case.
QString BodyLabelText(const BodyModel& page, BodyRole role, const NamedColorTable& table,
                      HtmlCase mode);
// All five labels, in role order.
std::array<QString, kBodyRoleCount> BodyLabelTexts(const BodyModel& page,
                                                   const NamedColorTable& table, HtmlCase mode);
std::array<QString, kBodyRoleCount> BodyLabelTexts(const BodyModel& page,
                                                   const ProgramOptions& options);

// Whether a path is a Windows one: a drive letter and a colon before a
// slash or backslash, or two backslashes (a network share).
bool IsWindowsPath(const QString& path);

// The background attribute's address: "file:///" and the path, a Windows
// path with its backslashes turned into slashes. Characters that would end
// the attribute or change what the address names (a backslash in a POSIX
// file name among them) are percent-escaped.
QString BodyBackgroundUrl(const QString& path);

// The page's BODY tag, ended by CR LF.
QString WriteBodyHtml(const BodyModel& page, const NamedColorTable& table, HtmlCase mode);
QString WriteBodyHtml(const BodyModel& page, const ProgramOptions& options);
