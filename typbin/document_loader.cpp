#include "typbin/document_loader.h"

#include "model/text_format.h"
#include "typbin/binary_import.h"

#include <cstdint>
#include <span>
#include <utility>

namespace velmora {

namespace {

// The labels of a compiled file decide its encoding as the whole text of a text file does.
std::string AllLabelBytes(const TypDocument& doc) {
    std::string bytes;
    for (int kind : {KindPoint, KindLine, KindPolygon})
        for (const auto& object : doc.List(kind))
            for (const std::string& label : object->Labels)
                (bytes += label) += '\n';
    return bytes;
}

} // namespace

DocumentKind KindOfFile(std::string_view fileName, std::string_view bytes, KindRule rule) {
    switch (rule) {
    case KindRule::Compiled:
        return DocumentKind::Compiled;
    case KindRule::Signature:
        fileName = {};
        break;
    case KindRule::NameOrSignature:
        break;
    }
    return IsCompiledTypFile(fileName, bytes) ? DocumentKind::Compiled : DocumentKind::Text;
}

LoadedDocument LoadTypFile(const std::string& path, KindRule rule) {
    LoadedDocument loaded;
    std::string bytes = ReadWholeFile(path);
    loaded.Kind = KindOfFile(path, bytes, rule);
    if (loaded.Kind == DocumentKind::Compiled) {
        BinaryImportResult imported = ImportBinaryTyp(
            std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
        loaded.Document = std::move(imported.Document);
        loaded.Warnings = std::move(imported.Warnings);
        loaded.EncodingSample = AllLabelBytes(loaded.Document);
        return loaded;
    }
    try {
        LoadTextTypDocument(bytes, loaded.Document);
    } catch (const std::exception&) {
        // The objects completed before the error stay.
        loaded.PartialError = std::current_exception();
    }
    loaded.EncodingSample = std::move(bytes);
    return loaded;
}

} // namespace velmora
