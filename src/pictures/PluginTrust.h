#pragma once

#include <QString>

// Whether a plug-in may be loaded: its file and every folder above it can be
// changed only by us or by root. Loading anything else would run another
// user's code as ours.

// True when `folder` and each folder above it up to "/" are ours or root's
// and writable by no one else; a root-owned folder with the sticky bit (such
// as /tmp) passes, as others cannot replace what we keep in it.
bool IsTrustedPluginFolder(const QString& folder);

// Opens the file a plug-in path leads to, links resolved, when it is a
// regular file that passes the same checks as its folders. Returns the open
// descriptor (close-on-exec), or -1; `realPath` receives the file's own
// path. Whatever is loaded must be loaded through this descriptor, so that
// the file checked is the file run.
int OpenTrustedPlugin(const QString& fileName, QString* realPath = nullptr);
