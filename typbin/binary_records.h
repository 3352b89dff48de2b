// Decoding of the point, line and polygon records of a compiled file into objects: the import's
// side of typbin/record_encoding.h.
#pragma once

#include "model/maintyp.h"
#include "typbin/byte_reader.h"

#include <cstdint>
#include <vector>

namespace velmora {

// What one import may still decode into pixels and label characters. A damaged index can point
// many entries at one record, or a record can announce a bitmap far larger than the file; the
// budget keeps the document in proportion to the file it came from.
struct DecodeBudget {
    uint64_t Cells = 0;
    bool Exceeded = false;

    // Takes count cells, or marks the budget exceeded and takes nothing.
    bool Take(uint64_t count);
};

// The shared state of decoding the records of one file.
struct RecordDecoder {
    ByteReader& Reader;
    DecodeBudget& Budget;
    std::vector<uint8_t> BitmapBuffer; // the bytes of the bitmap being decoded
    // The record being decoded: its first file position and its length. Its labels and font are read
    // inside it only.
    uint32_t RecordStart = 0;
    uint32_t RecordLength = 0;

    // Each reads the record at the reader's position into object, whose Kind, TypeCode and
    // SubTypeCode are set, and gives it its Quadrat unless the record is skipped.
    void DecodePointRecord(TGarminObject& object);
    void DecodeLineRecord(TGarminObject& object);
    void DecodePolygonRecord(TGarminObject& object);
    // Reads the label block at the reader's position into object.Labels, every label of it that
    // lies inside the record.
    void DecodeLocalizationStrings(TGarminObject& object);
    // Reads the font byte at the reader's position into object.FontStyle, followed by the day and
    // the night label colour where its bits announce them; nothing of it past the record's end.
    void DecodeFont(TGarminObject& object);

  private:
    // How many bytes of the record lie at and after the reader's position.
    uint32_t RecordBytesLeft() const;
    void ReadBitmapBytes(uint32_t count, bool inverted);
    bool DecodePointVariant(TGarminObject& object, int view, int colourCount, uint8_t colourType,
                            bool withNight);
    void DecodeMonochrome(TGarminObject& object, int height);
};

} // namespace velmora
