// The text encoding of a document's labels and header lines. The document keeps bytes; the window
// decodes them for display and encodes what the user types in the same encoding.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "model/utf8.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Files without a usable "Codepage=" line, and new documents, are Cyrillic Windows text.
inline const QByteArray DefaultTextEncoding = QByteArrayLiteral("windows-1251");
inline const QByteArray Utf8Encoding = QByteArrayLiteral("UTF-8");

// The encoding named by the "Codepage=" line of the header (key in any letter case), or
// DefaultTextEncoding when there is none or the number names no encoding the program knows.
QByteArray CodePageEncoding(const std::vector<std::string>& headerLines);

// The encoding of a document read from textBytes (the whole text file, or for a compiled file the
// labels it held): UTF-8 when the bytes start with a byte-order mark or their high bytes are UTF-8,
// otherwise the code page of the header.
QByteArray ChooseTextEncoding(std::string_view textBytes, const std::vector<std::string>& headerLines);

// What the user is told when typed characters had no code in the encoding and became "?".
QString ReplacedCharactersMessage(const QByteArray& encoding);

QString DecodeText(std::string_view bytes, const QByteArray& encoding);

// One line of the document for display. The program's own marks of the header (";NT - тип",
// ";OLD - тип") are code page 1251 in every document and are shown so.
QString DecodeLine(std::string_view bytes, const QByteArray& encoding);

struct EncodedText {
    std::string Bytes;
    bool Replaced = false; // some characters had no code in the encoding and became "?"
};
EncodedText EncodeText(const QString& text, const QByteArray& encoding);

// The lines the user edited, as bytes: a line whose text equals DecodeLine of one of the old
// lines keeps that line's bytes exactly (each old line serves once), every other line is encoded.
struct EncodedLines {
    std::vector<std::string> Lines;
    bool Replaced = false;
};
EncodedLines EncodeEditedLines(const std::vector<std::string>& oldLines, const QStringList& newLines,
                               const QByteArray& encoding);

} // namespace velmora
