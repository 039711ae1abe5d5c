#include "language/LanguageTexts.h"

#include "data/DataSet.h"

LanguageTexts::LanguageTexts(DataSet& russian, DataSet& english, DataSet& german)
    : m_russian(russian)
    , m_english(english)
    , m_german(german)
{}

QString LanguageTexts::word(InterfaceLanguage language, int identifier)
{
    DataSet* view = &m_russian;
    QString column = QStringLiteral("RUSSIAN");
    if (language == InterfaceLanguage::English) {
        view = &m_english;
        column = QStringLiteral("ENGLISH");
    } else if (language == InterfaceLanguage::German) {
        view = &m_german;
        column = QStringLiteral("GERMAN");
    }
    view->locate(identifier);
    return view->asString(column);
}
