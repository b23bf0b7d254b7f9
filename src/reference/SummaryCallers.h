#pragma once

#include <QString>
#include <vector>

// The windows that open the summary picker tell it who they are by a caller key; the key
// says which of their boxes a chosen phrase goes into and whether the focus follows it.
struct SummaryCaller {
    QString key;
    QString window; // the caller's window class
    QString box;    // the objectName of the box that receives the phrase
    bool movesFocus;
};

const std::vector<SummaryCaller>& summaryCallers();
// The caller of that key, or nullptr for a key nobody uses (a choice then does nothing).
const SummaryCaller* summaryCaller(const QString& key);
