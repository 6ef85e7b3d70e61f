#pragma once
// User climate data sets and their files. A climate file holds exactly one
// record of 552 bytes, little-endian, doubles in IEEE 754 binary64:
//
//   offset  size  content
//        0    16  signature: length byte 15, then "WRG*****/CLI/02"
//       16    51  Name: length byte (at most 50), then the characters
//       67     5  padding (written as zeros, ignored when read)
//       72    96  HumRatio[12], g/kg
//      168    96  MinTemp[12], °C, mean daily minimum
//      264    96  MinTime[12], hours (07:30 is 7.5)
//      360    96  MaxTemp[12], °C, mean daily maximum
//      456    96  MaxTime[12], hours
//
// Characters after a string's length byte are ignored when read and written
// as zeros. Element 0 of the arrays is January.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/text/Outcome.h"

inline constexpr std::size_t ClimateRecordSize = 552;
inline constexpr std::size_t ClimateNameMaxLength = 50;
inline constexpr std::size_t ClimateSignatureMaxLength = 15;
inline constexpr std::string_view ClimateSignature = "WRG*****/CLI/02";

struct ClimateRecord {
    std::string Signature{ClimateSignature};
    std::string Name;                   // description, at most 50 bytes in a file
    std::array<double, 12> HumRatio{};  // g/kg
    std::array<double, 12> MinTemp{};   // °C
    std::array<double, 12> MinTime{};   // hours of the day
    std::array<double, 12> MaxTemp{};   // °C
    std::array<double, 12> MaxTime{};   // hours of the day

    // Every field equal, numbers exactly.
    bool operator==(const ClimateRecord&) const = default;
};

// Calls v(name, list) for the five monthly lists of a record, by their
// names in JSON, in the order of the file and of the climate editor's
// columns: the one table for reading and writing them.
template <class Record, class V>
void VisitMonthlyLists(Record& r, V&& v)
{
    v("HumRatio", r.HumRatio);
    v("MinTemp", r.MinTemp);
    v("MinTime", r.MinTime);
    v("MaxTemp", r.MaxTemp);
    v("MaxTime", r.MaxTime);
}

using ClimateRecordBytes = std::array<unsigned char, ClimateRecordSize>;

// The bytes of a record. A Signature longer than 15 bytes is cut to 15, a
// Name longer than 50 bytes as CutClimateName does.
ClimateRecordBytes EncodeClimateRecord(const ClimateRecord& record);
// The record of 552 bytes. A length byte above the field's size counts as the
// field's size (15 or 50). No check: see HasClimateSignature.
ClimateRecord DecodeClimateRecord(const ClimateRecordBytes& bytes);
// True when the first 16 bytes are exactly the signature of a climate file.
bool HasClimateSignature(const ClimateRecordBytes& bytes);

// The name cut to at most 50 bytes; a UTF-8 sequence that would be split is
// left out whole.
std::string CutClimateName(const std::string& name);

// True when the record describes a daily temperature curve in every month:
// every number finite, every time of day within 0 … 24 h, and the minimum and
// the maximum of a month at different times of the day (0 h and 24 h are the
// same time), far enough apart that the daily curve stays near the month's
// extremes (FirstMonthOfRunawayCurve). The climate editor cannot save any
// other record.
bool IsUsableClimateRecord(const ClimateRecord& record);

// Reads and checks a climate file. Failures:
// - no regular file at the path: TextId::FileNotFound "File : %s  not found";
// - a length below 552 or from 1104 bytes on, a wrong signature, or a record
//   that is not usable (IsUsableClimateRecord; such a file is damaged, the
//   editor never writes one): TextId::InvalidFileFormat, "%s\n\r\n\rInvalid file format";
// - a file that is there but cannot be read: the reason, not in the catalogue.
// Bytes after the first 552 of a shorter file are ignored.
Outcome<ClimateRecord> ReadClimateFile(const std::string& path);

// Writes the record as the whole content of the file, replacing an existing
// file in one rename: a reader sees the old or the new file, never a part.
// A link is followed to the file it names, which is created when it is not
// there yet; a folder, pipe or device at the path is refused and left as it
// is. Nothing on success.
[[nodiscard]] std::optional<CoreMessage> WriteClimateFile(const std::string& path, const ClimateRecord& record);
