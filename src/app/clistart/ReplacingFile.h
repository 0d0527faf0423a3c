#pragma once

#include <string>

// A new file beside `target` that takes its name only on commit(), as
// QSaveFile does: a write that fails midway (a full disk, a file size limit)
// leaves the old file whole, also when it was the file being read.
class ReplacingFile {
public:
    explicit ReplacingFile(const char* target);
    // Removes the new file unless it was committed.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // False, with errno set, when the new file cannot be made.
    bool open();
    int fd() const { return m_fd; }
    // Flushes the new file to the disk and renames it over the target; false
    // when any step fails, and the target is then untouched.
    bool commit();

private:
    std::string m_target;
    std::string m_temporary;
    int m_fd = -1;
    bool m_committed = false;
};
