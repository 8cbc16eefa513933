#pragma once

#include <QByteArray>
#include <QString>

// Scheme files are 8-bit text in the Central European Windows code page, which holds every
// letter of the editor's three languages.
QString DecodeSchemeBytes(const QByteArray& bytes);
// A character the code page cannot hold is written as "?".
QByteArray EncodeSchemeText(const QString& text);
