#pragma once

#include <QString>

// Text that the settings file can keep and that is safe to show: it holds one byte per character,
// and no control character that could break a line or a column.
namespace SafeText {

// The characters of `text` that the settings file and the wire cannot carry (they hold one byte per
// character), each once, quoted and separated by commas; empty when there is none.
QString unstorableCharacters(const QString& text);

// Text from the server made safe to show or keep in a line of columns: each control character
// becomes a space, tabs too unless `keepTabs`.
QString withControlCharactersAsSpaces(QString text, bool keepTabs = false);

// Typed or pasted text without the control characters (line breaks, tabs) that no setting may hold.
QString withoutControlCharacters(QString text);

} // namespace SafeText
