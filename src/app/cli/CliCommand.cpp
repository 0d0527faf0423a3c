#include "CliCommand.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstring>

namespace {
std::vector<const CliCommand*>& Registry() {
    static std::vector<const CliCommand*> commands;
    return commands;
}
} // namespace

CliCommand::CliCommand(const char* name, const char* usage, const char* help, Run run)
    : name(name), usage(usage), help(help), run(run) {
    Registry().push_back(this);
}

// Every command's run reads these: a plain scan, as compiling a regular
// expression costs more than the rest of a short command.
QStringList CliCommand::options() const {
    auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
    QStringList list;
    for (const char* p = usage; *p;) {
        if (p[0] != '-' || p[1] != '-' || !lower(p[2])) {
            ++p;
            continue;
        }
        const char* end = p + 3;
        while (lower(*end) || *end == '-')
            ++end;
        const QString option = QString::fromLatin1(p, end - p);
        if (!list.contains(option))
            list << option;
        p = end;
    }
    return list;
}

QStringList CliCommand::optionValues(const QString& name) const {
    static const QRegularExpression option(
        QStringLiteral("(--[a-z][a-z-]*) ([a-z0-9.]+(?:\\|[a-z0-9.]+)+)"));
    for (const QRegularExpressionMatch& m : option.globalMatch(QLatin1String(usage))) {
        if (m.captured(1) != name)
            continue;
        QStringList values;
        // A range such as 0..3 is written out.
        for (const QString& value : m.captured(2).split(QLatin1Char('|'))) {
            const QStringList range = value.split(QStringLiteral(".."));
            bool okFirst = false, okLast = false;
            const int first = range.first().toInt(&okFirst);
            const int last = range.last().toInt(&okLast);
            if (range.size() == 2 && okFirst && okLast && last - first < 100) {
                for (int i = first; i <= last; ++i)
                    values << QString::number(i);
            } else {
                values << value;
            }
        }
        return values;
    }
    return {};
}

QStringList CliCommand::verbs() const {
    QStringList list;
    static const QRegularExpression verb(QStringLiteral("^[a-z][a-z-]*$"));
    for (const QString& alternative : QString::fromLatin1(usage).split(QStringLiteral(" | "))) {
        const QString first = alternative.section(QLatin1Char(' '), 0, 0);
        if (verb.match(first).hasMatch())
            list << first;
    }
    return list;
}

QString CliCommand::summary() const {
    return QString::fromUtf8(help).section(QLatin1Char('\n'), 0, 0);
}

const std::vector<const CliCommand*>& CliCommand::all() {
    auto& commands = Registry();
    std::sort(commands.begin(), commands.end(), [](const CliCommand* a, const CliCommand* b) {
        return std::strcmp(a->name, b->name) < 0;
    });
    return commands;
}

const CliCommand* CliCommand::find(const QString& name) {
    for (const CliCommand* command : Registry())
        if (name == QLatin1String(command->name))
            return command;
    return nullptr;
}

QStringList CliCommand::names() {
    QStringList list;
    for (const CliCommand* command : all())
        list << QLatin1String(command->name);
    return list;
}
