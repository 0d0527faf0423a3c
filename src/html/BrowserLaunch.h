#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// How a configured browser program is asked to show a file, decided on its
// path with the ASCII letters lowered: "netscape" before "explore", else plain.
enum class BrowserMode { Plain, Netscape, Explorer };
BrowserMode BrowserModeOf(const QString& browserPath);

// The DDE conversation for the two request modes.
QString DdeServiceName(BrowserMode mode); // "Netscape" or "Iexplore"
inline const QString kDdeTopic = QStringLiteral("WWW_OpenURL");
// The WWW_OpenURL request item: the address, an empty file name, window
// 0xFFFFFFFF, flags 0x3 and three empty arguments. The path keeps its
// backslashes.
QString WwwOpenUrlItem(const QString& filePath);

// The file:/// address a browser is started with where it has no DDE.
QString BrowserFileAddress(const QString& filePath);

// The Japanese original; the message shown is its translation.
inline const QString kBrowserNotFound =
    QString::fromUtf8(QT_TRANSLATE_NOOP("BrowserLaunch", "ブラウザが見つかりません"));

enum class BrowserResult {
    Started,
    NotFound,   // the configured path names no file
    StartFailed // the program or the file association could not be started
};

// Opens a URL through the desktop's file association (QDesktopServices in the
// program, which lives above this library).
using OpenUrlFunction = std::function<bool(const QUrl&)>;

// Shows the file in the configured browser: plain mode starts the program
// with the path as its only argument (no shell); the request modes send the
// WWW_OpenURL request on Windows and elsewhere start the program with the
// file's address.
BrowserResult OpenInBrowser(const QString& filePath, const QString& browserPath);

// What both preview commands do once the file is written: with wwwuse off the
// file association opens it, with wwwuse on the browser at browserPath.
BrowserResult ShowPreview(const QString& filePath, bool wwwuse, const QString& browserPath,
                          const OpenUrlFunction& openUrl);
