#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

// A browser stand-in: a script at `path` that writes its argument count and
// arguments, one a line, into args.txt beside itself. False when it could not
// be made.
inline bool MakeStubBrowser(const QString& path) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return false;
    script.write("#!/bin/sh\n"
                 "out=\"$(dirname \"$0\")/args.txt\"\n"
                 "printf '%s\\n' \"$#\" \"$@\" > \"$out.part\" && mv \"$out.part\" \"$out\"\n");
    script.close();
    return script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// What the stub at `browser` was started with, once it has run; empty when
// it did not run within 20 seconds.
inline QByteArray StubBrowserArguments(const QString& browser) {
    QFile record(QFileInfo(browser).absolutePath() + QStringLiteral("/args.txt"));
    const QDeadlineTimer deadline(20000);
    while (!record.exists() && !deadline.hasExpired())
        QThread::msleep(10);
    return record.open(QIODevice::ReadOnly) ? record.readAll() : QByteArray();
}
