#pragma once

#include <QString>

// Writes one line to standard output and flushes it, so that a watching process sees it at once.
void printLine(const QString& line);

// Writes one line to standard error.
void printError(const QString& line);
