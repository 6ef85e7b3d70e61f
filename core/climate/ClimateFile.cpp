// Reading, writing and checking user climate files.

#include "core/climate/ClimateFile.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "core/climate/UserClimate.h"
#include "core/settings/SafeFile.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t SignatureOffset = 0;
constexpr std::size_t NameOffset = 16;
constexpr std::size_t HumRatioOffset = 72;
constexpr std::size_t MinTempOffset = 168;
constexpr std::size_t MinTimeOffset = 264;
constexpr std::size_t MaxTempOffset = 360;
constexpr std::size_t MaxTimeOffset = 456;
constexpr std::size_t SignatureFieldSize = 1 + ClimateSignatureMaxLength;

constexpr double HoursPerDay = 24;

CoreMessage NotFound(const std::string& path)
{
    return CoreMessage{TextId::FileNotFound, "File : %s  not found", {path}};
}

CoreMessage InvalidFormat(const std::string& path)
{
    return CoreMessage{TextId::InvalidFileFormat, "%s\n\r\n\rInvalid file format", {path}};
}

CoreMessage ReadFailure(const std::string& path, const std::string& reason)
{
    return CoreMessage{TextId::None, "The climate data file %s could not be read: %s", {path, reason}};
}

CoreMessage WriteFailure(const std::string& path, const std::string& reason)
{
    return CoreMessage{TextId::None, "The climate data file %s could not be written: %s", {path, reason}};
}


void PutDouble(ClimateRecordBytes& bytes, std::size_t offset, double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (std::size_t i = 0; i < 8; ++i)
        bytes[offset + i] = static_cast<unsigned char>(bits >> (8 * i));
}

double GetDouble(const ClimateRecordBytes& bytes, std::size_t offset)
{
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i)
        bits |= static_cast<std::uint64_t>(bytes[offset + i]) << (8 * i);
    return std::bit_cast<double>(bits);
}

void PutMonths(ClimateRecordBytes& bytes, std::size_t offset, const std::array<double, 12>& values)
{
    for (std::size_t m = 0; m < values.size(); ++m)
        PutDouble(bytes, offset + 8 * m, values[m]);
}

std::array<double, 12> GetMonths(const ClimateRecordBytes& bytes, std::size_t offset)
{
    std::array<double, 12> values{};
    for (std::size_t m = 0; m < values.size(); ++m)
        values[m] = GetDouble(bytes, offset + 8 * m);
    return values;
}

// A length-prefixed string; the text must already fit the field.
void PutString(ClimateRecordBytes& bytes, std::size_t offset, const std::string& text)
{
    bytes[offset] = static_cast<unsigned char>(text.size());
    std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset + 1));
}

std::string GetString(const ClimateRecordBytes& bytes, std::size_t offset, std::size_t maxLength)
{
    const std::size_t length = std::min<std::size_t>(bytes[offset], maxLength);
    const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(offset + 1);
    return std::string(first, first + static_cast<std::ptrdiff_t>(length));
}

bool IsUtf8Continuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool AllFinite(const std::array<double, 12>& values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

bool IsTimeOfDay(double hours)
{
    return hours >= 0 && hours <= HoursPerDay;
}


}  // namespace

ClimateRecordBytes EncodeClimateRecord(const ClimateRecord& record)
{
    ClimateRecordBytes bytes{};
    PutString(bytes, SignatureOffset, record.Signature.substr(0, ClimateSignatureMaxLength));
    PutString(bytes, NameOffset, CutClimateName(record.Name));
    PutMonths(bytes, HumRatioOffset, record.HumRatio);
    PutMonths(bytes, MinTempOffset, record.MinTemp);
    PutMonths(bytes, MinTimeOffset, record.MinTime);
    PutMonths(bytes, MaxTempOffset, record.MaxTemp);
    PutMonths(bytes, MaxTimeOffset, record.MaxTime);
    return bytes;
}

ClimateRecord DecodeClimateRecord(const ClimateRecordBytes& bytes)
{
    ClimateRecord record;
    record.Signature = GetString(bytes, SignatureOffset, ClimateSignatureMaxLength);
    record.Name = GetString(bytes, NameOffset, ClimateNameMaxLength);
    record.HumRatio = GetMonths(bytes, HumRatioOffset);
    record.MinTemp = GetMonths(bytes, MinTempOffset);
    record.MinTime = GetMonths(bytes, MinTimeOffset);
    record.MaxTemp = GetMonths(bytes, MaxTempOffset);
    record.MaxTime = GetMonths(bytes, MaxTimeOffset);
    return record;
}

bool HasClimateSignature(const ClimateRecordBytes& bytes)
{
    if (bytes[SignatureOffset] != ClimateSignatureMaxLength)
        return false;
    return std::equal(ClimateSignature.begin(), ClimateSignature.end(), bytes.begin() + SignatureOffset + 1,
                      [](char expected, unsigned char found) { return static_cast<unsigned char>(expected) == found; });
}

std::string CutClimateName(const std::string& name)
{
    if (name.size() <= ClimateNameMaxLength)
        return name;
    // name[50] is the first byte left out. When it continues a sequence, the
    // lead byte of that sequence (at most 3 bytes before) goes as well.
    std::size_t lead = ClimateNameMaxLength;
    while (lead > ClimateNameMaxLength - 3 && IsUtf8Continuation(name[lead]))
        --lead;
    // Bytes that are not UTF-8 at all are cut where they lie.
    const bool splitSequence = lead < ClimateNameMaxLength && static_cast<unsigned char>(name[lead]) >= 0xC0;
    return name.substr(0, splitSequence ? lead : ClimateNameMaxLength);
}

bool IsUsableClimateRecord(const ClimateRecord& r)
{
    if (!AllFinite(r.HumRatio) || !AllFinite(r.MinTemp) || !AllFinite(r.MinTime) || !AllFinite(r.MaxTemp) ||
        !AllFinite(r.MaxTime))
        return false;
    for (std::size_t m = 0; m < 12; ++m) {
        const double a = r.MinTime[m];
        const double b = r.MaxTime[m];
        if (!IsTimeOfDay(a) || !IsTimeOfDay(b))
            return false;
        const double apart = std::fabs(b - a);
        if (apart == 0 || apart == HoursPerDay)
            return false;
    }
    return FirstMonthOfRunawayCurve(r) == 0;
}

Outcome<ClimateRecord> ReadClimateFile(const std::string& path)
{
    // Two whole records are enough to tell the lengths apart.
    const FileReadResult file = ReadRegularFile(path, 2 * ClimateRecordSize);
    if (file.status == FileReadStatus::Missing)
        return NotFound(path);
    if (file.status == FileReadStatus::Failed)
        return ReadFailure(path, ErrnoText(file.error));
    if (file.bytes.size() / ClimateRecordSize != 1)
        return InvalidFormat(path);

    ClimateRecordBytes bytes{};
    std::copy_n(file.bytes.begin(), ClimateRecordSize, bytes.begin());
    if (!HasClimateSignature(bytes))
        return InvalidFormat(path);
    ClimateRecord record = DecodeClimateRecord(bytes);
    if (!IsUsableClimateRecord(record))
        return InvalidFormat(path);
    return record;
}

std::optional<CoreMessage> WriteClimateFile(const std::string& path, const ClimateRecord& record)
{
    const ClimateRecordBytes bytes = EncodeClimateRecord(record);
    const std::string_view data(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (const auto failure = ReplaceFile(path, data, NewFileAccess::Usual, false))
        return WriteFailure(path, *failure);
    return std::nullopt;
}
