#pragma once

#include <QString>

class ControlValues;
class QSplitter;

// Hands a stored panel size to one pane of a splitter: the pane gets the size
// read at start, the others what remains (at least `othersAtLeast` pixels), and
// the pane's size is written back at close.
void bindSplitterPane(ControlValues& values, const QString& name, QSplitter* splitter, int pane, int othersAtLeast);
