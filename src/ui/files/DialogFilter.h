#pragma once
// "Binary Files(*.awf)|*.awf|CSV Files(*.csv)|*.csv" as the name filters of a Qt file
// dialog: each caption/pattern pair becomes "caption (patterns)" with the patterns separated
// by spaces, and "*.*" stands for every file. The dialog shows only the caption (its
// HideNameFilterDetails option), so "Binary Files(*.awf)" appears once.
#include <QString>
#include <QStringList>

namespace averoz {

QStringList QtNameFilters(const QString& filter);

}  // namespace averoz
