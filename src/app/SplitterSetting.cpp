#include "app/SplitterSetting.h"

#include "app/ControlValues.h"

#include <QSplitter>

void bindSplitterPane(ControlValues& values, const QString& name, QSplitter* splitter, int pane, int othersAtLeast)
{
    values.bind(
        name, [splitter, pane] { return splitter->sizes().value(pane); },
        [splitter, pane, othersAtLeast](int size) {
            const int extent = splitter->orientation() == Qt::Horizontal ? splitter->width() : splitter->height();
            const int rest = qMax(extent, size + othersAtLeast) - size;
            QList<int> sizes(splitter->count(), 0);
            sizes[pane] = size;
            sizes[pane == 0 ? 1 : 0] = rest;
            splitter->setSizes(sizes);
        });
}
