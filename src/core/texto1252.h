#pragma once

#include <QByteArray>
#include <QString>

// Fixed-width text fields of the data files are single-byte Windows-1252, padded on the right
// with blanks. Every byte value decodes to one character and encodes back to the same byte, so a
// record read and written again keeps its bytes even where the code page leaves a byte undefined.
namespace tombolin {

// Text of a field as stored, trailing blanks included.
QString DecodificarCampo(const char* bytes, int ancho);

// Exactly `ancho` bytes: the text cut to that width, then blanks. A character without a
// Windows-1252 form is stored as "?".
QByteArray CodificarCampo(const QString& texto, int ancho);

// Windows-1252 byte of one character, or '?' when it has none.
char CodificarCaracter(QChar c);
QChar DecodificarByte(unsigned char b);

}  // namespace tombolin
