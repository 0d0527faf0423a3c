#pragma once

#include "gradient/GradientImport.h"

#include <QString>

// The gradient editor's words for what an import did or could not do.

QString GradientImportErrorMessage(const GradientImport& import);

// One line per change the gradient needed on its way into a table; empty
// when it went in as it was.
QString GradientImportNotesMessage(const ImportedGradient& gradient);
