#pragma once

#include <QString>

#include <functional>
#include <vector>

// The table of applications: which text identifier goes into which caption.
// Each window contributes its rows when it is built (a window not built yet
// contributes none); applying the language walks all rows in order.
class CaptionTable {
public:
    using Setter = std::function<void(const QString&)>;
    using Lookup = std::function<QString(int)>;

    void add(int identifier, Setter setter);
    // A caption that follows a mode: one identifier while the test holds, another otherwise.
    void addModeDependent(std::function<bool()> test, int whenTrue, int otherwise, Setter setter);

    void apply(const Lookup& lookup) const;
    // Every identifier the table can ask for.
    std::vector<int> identifiers() const;

private:
    struct Row {
        int identifier;
        int otherwise;
        std::function<bool()> test;
        Setter setter;
    };
    std::vector<Row> m_rows;
};
