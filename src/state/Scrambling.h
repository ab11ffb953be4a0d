#pragma once

#include <QString>

// The substitution the client applies to the credentials in "DNS.conf" and to every
// request and reply on the wire. The server shares the same table.
namespace Common_Functions {

// Upper-cases each character, substitutes the plain alphabet and appends CR LF.
QString scrambleText(const QString& text);

// Upper-cases each character, substitutes the coded alphabet back and drops every CR and LF.
QString unscrambleText(const QString& text);

} // namespace Common_Functions
