#pragma once

#include <QString>

// The sentence a measurement writes into the aquarium journal: the first "$$"
// of the template becomes the parameter's name (or the name goes in front when
// there is none), then the first "%%" the value (or the value in front), then
// the first "##", if any, the comment. Each search runs over the text the
// previous step produced.
QString ComposeJournalText(const QString& journalTemplate, const QString& name, const QString& valueText,
                           const QString& comment);
