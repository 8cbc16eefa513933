#pragma once

#include "scheme/scheme_document.h"

#include <QByteArray>
#include <QString>

// The whole file text of the scheme: "ColourScheme", the name, "Data" and 60 lines
// "R G B V", each line ending in CR LF.
QString BuildSchemeText(const SchemeDocument& doc);

// Writes the bytes to the file whole or not at all: a failed write leaves what was there. False
// for an empty path and for every failure.
bool WriteWholeFile(const QString& target, const QByteArray& bytes);
