#pragma once

class GradientTableList;
class SettingsStore;

// Fills the list from the section "colortable" of the store: "count" and
// one record "col0", "col1", ... per table. No count, a count that is not
// a number or one of 0 or less gives the defaults (nothing is written);
// a count above 101 reads 101. An empty or missing record leaves its slot
// as it was.
void LoadGradientTables(const SettingsStore& store, GradientTableList& list);

// Writes "count" and the records of tables 0..count-1. Records of a longer
// list written earlier stay in the store, never read.
void SaveGradientTables(SettingsStore& store, const GradientTableList& list);

// The thirteen defaults as tables 0..12, count 13; later slots untouched.
void LoadDefaultGradientTables(GradientTableList& list);
