#pragma once

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include "OutsidePrograms.h"

// Headless Chromium for tests that check what a browser draws.

inline QString FindChromium() {
    return FindProgram({"chromium", "chromium-browser", "google-chrome"});
}

// Draws the page with headless Chromium into a fresh profile inside `dir`;
// a null image when it could not.
inline QImage Screenshot(const QString& chromium, const QString& page, const QTemporaryDir& dir,
                         const QString& name = QStringLiteral("shot")) {
    const QString shot = dir.filePath(name + QStringLiteral(".png"));
    QProcess browser;
    browser.setProcessChannelMode(QProcess::MergedChannels);
    browser.start(chromium,
                  QStringList{"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                              "--no-first-run", "--disable-background-networking",
                              "--disable-component-update", "--disable-sync", "--hide-scrollbars",
                              "--force-color-profile=srgb", "--force-device-scale-factor=1",
                              "--window-size=640,480",
                              "--user-data-dir=" + dir.filePath(name + QStringLiteral("-profile")),
                              "--screenshot=" + shot, QUrl::fromLocalFile(page).toString()});
    if (!browser.waitForFinished(180000)) {
        browser.kill();
        browser.waitForFinished();
        ADD_FAILURE() << "chromium did not finish";
        return {};
    }
    QImage image(shot);
    if (image.isNull())
        ADD_FAILURE() << "no screenshot; chromium said:\n" << browser.readAll().toStdString();
    return image;
}

// The page's DOM after its scripts ran, as Chromium serialises it.
inline QString DumpDom(const QString& chromium, const QString& page, const QTemporaryDir& dir) {
    QProcess browser;
    browser.start(chromium, QStringList{"--headless", "--no-sandbox", "--disable-gpu",
                                        "--no-first-run", "--disable-background-networking",
                                        "--user-data-dir=" + dir.filePath("dom-profile"),
                                        "--dump-dom", QUrl::fromLocalFile(page).toString()});
    if (!browser.waitForFinished(180000)) {
        browser.kill();
        browser.waitForFinished();
        ADD_FAILURE() << "chromium did not finish";
    }
    return QString::fromUtf8(browser.readAllStandardOutput());
}

inline int CountPixels(const QImage& image, QRgb color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
    return count;
}
