#pragma once

#include <QString>
#include <vector>

// One column of a read-only grid: which field of the query it shows, under which title, in
// which display mask ("#,##0.00", "##0.000" …; empty shows the stored text), and what its
// footer cell holds (a fixed text, or the sum of the column over all rows in its own mask).
// A window lists its columns in the order they appear.
struct GridColumn {
    QString field;
    QString title;
    QString mask;
    bool money = false; // stored as an integer count of 1/10000
    QString footerText;
    QString footerSumMask; // non-empty: the footer shows the column's sum
    int width = 0;         // pixels; 0 fits the title

    bool hasFooter() const { return !footerText.isEmpty() || !footerSumMask.isEmpty(); }
};

using GridColumns = std::vector<GridColumn>;
