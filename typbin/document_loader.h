// Reading a TYP file into a document, text or compiled: the one place that decides which of the two
// a file is and reads it. The window, its document session and velmora-typ all load through here.
#pragma once

#include "model/maintyp.h"

#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum class DocumentKind { Text, Compiled };

// How the kind of a file is decided. The window's text command takes a compiled file by its
// signature only (a text file named ".typ" stays text there); a file named on a command line is
// compiled by its name or signature; the import command takes every file for a compiled one.
enum class KindRule { NameOrSignature, Signature, Compiled };

// Whether the bytes of the file at fileName are a compiled TYP under rule.
DocumentKind KindOfFile(std::string_view fileName, std::string_view bytes, KindRule rule);

struct LoadedDocument {
    TypDocument Document;
    DocumentKind Kind = DocumentKind::Text;
    // The import's warnings (engine sentences in English, ImportText): a compiled file cut short, an
    // index that is not read.
    std::vector<std::string> Warnings;
    // The error where a text file stopped being read (a number that does not convert); the objects
    // read before it are in Document. Null when the file was read to its end.
    std::exception_ptr PartialError;
    // The bytes that decide the encoding of the labels and header lines: the whole text of a text
    // file, the labels of a compiled one, one per line.
    std::string EncodingSample;

    // Read to the end with nothing left out: a text file without an error, a compiled file without
    // a warning.
    bool ReadWhole() const { return !PartialError && Warnings.empty(); }
    size_t ObjectCount() const {
        return Document.PointList.size() + Document.LineList.size() + Document.PolygonList.size();
    }
};

// Reads the file at path (a local path, as the system spells it). Throws FileError when the file
// cannot be read, and TypError with NotGarminTypMessage for a file taken for a compiled one that
// is none; a text file read in part comes back with its PartialError.
LoadedDocument LoadTypFile(const std::string& path, KindRule rule = KindRule::NameOrSignature);

} // namespace velmora
