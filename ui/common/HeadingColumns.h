#pragma once
// The columns of a small read-only table sized to their headings, which a translation may
// lengthen by a third.

class QTableWidget;

namespace vorlan {

// Every column as wide as its heading or its widest cell, the last taking what is left (its
// long cells cut short) and at least `lastColumnWidth`, and the table as wide as that needs.
// Called again after the headings change (the units shown).
void fitColumnsToHeadings(QTableWidget& table, int lastColumnWidth);

}  // namespace vorlan
