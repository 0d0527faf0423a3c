#pragma once

#include <QByteArray>
#include <QStandardPaths>
#include <QString>
#include <initializer_list>

// Tests that run an outside program skip where it is missing, but fail on CI
// (CI=true), where scripts/setup has installed every one of them.

inline bool OnCi() {
    return qgetenv("CI") == "true";
}

// The first of `names` found on the path, or empty.
inline QString FindProgram(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

inline QString MissingProgram(const QString& what) {
    return what + QStringLiteral(" is missing (scripts/setup installs it)");
}

// In a GoogleTest: goes on only when `found`.
#define VELLOMAR_REQUIRE(found, what)                                                              \
    if (!(found)) {                                                                                \
        if (OnCi())                                                                                \
            FAIL() << qPrintable(MissingProgram(what));                                            \
        GTEST_SKIP() << qPrintable(MissingProgram(what));                                          \
    }

// The same in a Qt Test.
#define VELLOMAR_QREQUIRE(found, what)                                                             \
    if (!(found)) {                                                                                \
        if (OnCi())                                                                                \
            QFAIL(qPrintable(MissingProgram(what)));                                               \
        QSKIP(qPrintable(MissingProgram(what)));                                                   \
    }
