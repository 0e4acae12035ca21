// Binary records in little-endian byte order, whatever the machine's, built
// in a buffer and written with one call.
#pragma once

#include <cstdint>
#include <cstring>

struct ByteRecord {
    // A PLY triangle's three vertices, 81 bytes, are the longest record.
    std::uint8_t aiByte[96];
    std::size_t iSize = 0;
};

inline void vPutByte(ByteRecord& sRecord, std::uint8_t iValue) {
    sRecord.aiByte[sRecord.iSize++] = iValue;
}

inline void vPutU16(ByteRecord& sRecord, std::uint16_t iValue) {
    vPutByte(sRecord, std::uint8_t(iValue));
    vPutByte(sRecord, std::uint8_t(iValue >> 8));
}

inline void vPutU32(ByteRecord& sRecord, std::uint32_t iValue) {
    vPutU16(sRecord, std::uint16_t(iValue));
    vPutU16(sRecord, std::uint16_t(iValue >> 16));
}

inline void vPutF32(ByteRecord& sRecord, float fValue) {
    std::uint32_t iBits = 0;
    std::memcpy(&iBits, &fValue, sizeof iBits);
    vPutU32(sRecord, iBits);
}
