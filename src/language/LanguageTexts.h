#pragma once

#include "language/InterfaceLanguage.h"

#include <QString>

class DataSet;

// Texts by identifier, read from the three open views of the text table.
//
// Each language's view has one current row shared by every lookup. A lookup
// locates the identifier; when it is missing the row stays where it was and
// its text is returned: the last text found in that language, or the first
// row's text before any lookup moved it.
class LanguageTexts {
public:
    LanguageTexts(DataSet& russian, DataSet& english, DataSet& german);

    QString word(InterfaceLanguage language, int identifier);

private:
    DataSet& m_russian;
    DataSet& m_english;
    DataSet& m_german;
};
