#pragma once

// Ties the window program to its desktop entry and gives its windows the
// program's icon. Call once, after the application object exists.
void ApplyDesktopIdentity();
