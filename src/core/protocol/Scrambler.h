#pragma once

#include <QString>

// The substitution the client applies to the credentials in "DNS.conf" and to every
// request and reply on the wire. The server shares the same table.
namespace Scrambler {

// The upper case of every name or text the client compares, stores or sends. It is the system's,
// except that a character of one byte stays as it is when its upper case needs more (µ, ÿ): the
// settings file and the wire carry one byte per character.
QChar upperCase(QChar c);
QString upperCase(const QString& text);

// Upper-cases each character, substitutes the plain alphabet and appends CR LF.
QString scrambleText(const QString& text);

// Upper-cases each character, substitutes the coded alphabet back and drops every CR and LF.
QString unscrambleText(const QString& text);

// The characters of `text` that come back as others once scrambled and read back ("%" comes back
// as a letter), each once; empty when the text comes back as it went, but for its case.
QString charactersScramblingChanges(const QString& text);

} // namespace Scrambler
