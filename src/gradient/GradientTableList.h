#pragma once

#include "gradient/GradientTable.h"

#include <array>

// The program's one list of gradient tables: 101 slots and a count. Table
// i is item i of every box that lists the tables.
class GradientTableList {
public:
    static constexpr int kCapacity = 101;

    int count() const { return m_count; }
    // Clamped to 0..101.
    void setCount(int count);
    bool isValidIndex(int index) const { return index >= 0 && index < m_count; }

    // Any slot 0..100, in use or not.
    GradientTable& slot(int index) { return m_tables.at(size_t(index)); }
    const GradientTable& slot(int index) const { return m_tables.at(size_t(index)); }

private:
    std::array<GradientTable, kCapacity> m_tables{};
    int m_count = 0;
};

// The thirteen built-in tables, in list order.
const std::array<GradientTable, 13>& DefaultGradientTables();
