#include "html/BrowserLaunch.h"

#include "html/DdeRequest.h"
#include "html/HtmlCase.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

BrowserMode BrowserModeOf(const QString& browserPath) {
    const QString lowered = ApplyHtmlCase(browserPath, HtmlCase::Lower);
    if (lowered.contains(QLatin1String("netscape")))
        return BrowserMode::Netscape;
    // Also matches Windows Explorer or any folder so named, as it always has.
    if (lowered.contains(QLatin1String("explore")))
        return BrowserMode::Explorer;
    return BrowserMode::Plain;
}

QString DdeServiceName(BrowserMode mode) {
    switch (mode) {
    case BrowserMode::Netscape:
        return QStringLiteral("Netscape");
    case BrowserMode::Explorer:
        return QStringLiteral("Iexplore");
    case BrowserMode::Plain:
        break;
    }
    return {};
}

QString WwwOpenUrlItem(const QString& filePath) {
    return QStringLiteral("file:///") + filePath + QStringLiteral(",,0xFFFFFFFF,0x3,,,");
}

QString BrowserFileAddress(const QString& filePath) {
    return QUrl::fromLocalFile(filePath).toString(QUrl::FullyEncoded);
}

BrowserResult OpenInBrowser(const QString& filePath, const QString& browserPath) {
    const BrowserMode mode = BrowserModeOf(browserPath);
#ifdef Q_OS_WIN
    if (mode != BrowserMode::Plain) {
        const QString path = QDir::toNativeSeparators(filePath);
        return SendDdeRequest(DdeServiceName(mode).toStdString(), kDdeTopic.toStdString(),
                              WwwOpenUrlItem(path).toLocal8Bit().toStdString(),
                              QDir::toNativeSeparators(browserPath).toStdWString())
                   ? BrowserResult::Started
                   : BrowserResult::StartFailed;
    }
#endif
    // Elsewhere browsers take the address on their command line and hand it
    // to a copy already running.
    const QString argument = mode == BrowserMode::Plain ? filePath : BrowserFileAddress(filePath);
    return QProcess::startDetached(browserPath, {argument}) ? BrowserResult::Started
                                                            : BrowserResult::StartFailed;
}

BrowserResult ShowPreview(const QString& filePath, bool wwwuse, const QString& browserPath,
                          const OpenUrlFunction& openUrl) {
    if (!wwwuse)
        return openUrl(QUrl::fromLocalFile(filePath)) ? BrowserResult::Started
                                                      : BrowserResult::StartFailed;
    if (browserPath.isEmpty() || !QFileInfo(browserPath).isFile())
        return BrowserResult::NotFound;
    return OpenInBrowser(filePath, browserPath);
}
