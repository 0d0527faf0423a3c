#include "html/HtmlFileSave.h"

#include "core/SaveTarget.h"

#include <QSaveFile>

namespace {

QString ErrorText(const QSaveFile& file, const QString& path) {
    const QString message = file.errorString();
    return message.isEmpty() ? QStringLiteral("%1: write error").arg(path) : message;
}

} // namespace

QString SaveHtmlFile(const QString& path, const QString& text) {
    if (const QString problem = SaveTargetProblem(path); !problem.isEmpty())
        return problem;
    QSaveFile file(path);
    // Unbuffered: a failed write reports the system's reason at once.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return ErrorText(file, path);
    const QByteArray bytes = text.toUtf8();
    // A short write says nothing; writing the rest gives the system's reason.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString message = ErrorText(file, path);
            file.cancelWriting();
            return message;
        }
        done += written;
    }
    if (!file.commit())
        return ErrorText(file, path);
    return {};
}
