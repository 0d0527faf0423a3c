#pragma once

#include <QString>

class GradientTableList;

// The gradient tables of the context's store, as the program loads them.
struct CliContext;
void LoadCliGradientTables(const CliContext& context, GradientTableList& list);

// A gradient argument: a table's index in the list or its exact name (the
// first table of that name). UsageError when it is neither.
int ParseGradientArgument(const GradientTableList& list, const QString& text);
