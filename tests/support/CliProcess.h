#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// One run of vellomar-cli as a separate process, with nothing on its input.
struct CliRun {
    int status = -1; // -1 when it crashed or did not finish
    QByteArray out;
    QByteArray err;

    QString outText() const { return QString::fromUtf8(out); }
    QString errText() const { return QString::fromUtf8(err); }
};

inline CliRun RunCli(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(VELLOMAR_CLI), args);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}
