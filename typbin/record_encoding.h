// Encoding of the point, line and polygon records of a compiled file: the compiler's side of
// typbin/binary_records.h.
#pragma once

#include "model/maintyp.h"
#include "typbin/typ_compiler.h"
#include "typbin/typbin_texts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// The error of an object that cannot be compiled, naming the object and the reason.
struct ObjectError {
    const TGarminObject& Object;
    TypError operator()(const std::string& reason) const {
        return TypError(FillIn(CompilerText::CannotCompileObject, {CompiledObjectName(Object), reason}));
    }
};

// The code page of the document's labels and the one the compiled file holds them in.
struct LabelSettings {
    uint32_t SourceCodePage = 0;
    uint32_t TargetCodePage = 0;
};

// The shared state of encoding the records of one file.
struct RecordEncoder {
    LabelSettings Labels;
    std::vector<std::string>&
        Warnings; // a label the target code page cannot hold, a colour no pixel names, ...

    // Each gives the record of object as the import reads it back; throws TypError naming the object
    // when it cannot be written.
    std::vector<uint8_t> EncodePointRecord(const TGarminObject& object);
    std::vector<uint8_t> EncodeLineRecord(const TGarminObject& object);
    std::vector<uint8_t> EncodePolygonRecord(const TGarminObject& object);
};

} // namespace velmora
