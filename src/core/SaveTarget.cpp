#include "core/SaveTarget.h"

#include <QCoreApplication>
#include <QFileInfo>

QString SaveTargetProblem(const QString& path) {
    const QFileInfo target(path);
    if (!target.exists() || target.isFile())
        return {};
    return QCoreApplication::translate("SaveTarget",
                                       "「%1」は通常のファイルではないので保存できません")
        .arg(path);
}
