#include "files/StringerFile.h"

#include "catalogue/SteelGrades.h"
#include "files/AtomicFile.h"
#include "files/FileBytes.h"
#include "files/JsonDuplicateKeys.h"
#include "files/StringerKeys.h"
#include "text/ByteOrderMark.h"
#include "text/TextPosition.h"
#include "text/Utf8.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringDecoder>

#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace tarrowin {
namespace {

struct ReportKey {
    std::string ReportHeader::*entry;
    std::string_view key;
};

constexpr std::array<ReportKey, 6> reportKeys = {{
    {&ReportHeader::project, "project"},
    {&ReportHeader::member, "member"},
    {&ReportHeader::designer, "designer"},
    {&ReportHeader::checker, "checker"},
    {&ReportHeader::reviewer, "reviewer"},
    {&ReportHeader::date, "date"},
}};

constexpr std::string_view propertiesKey = "section_properties";
constexpr std::string_view reportKey = "report";

// QString::fromUtf8 drops a byte-order mark at the start of the text, which
// would lose a U+FEFF that a text begins with; this keeps every character.
QString qt(std::string_view text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

// Qt's JSON reader drops a U+FEFF at the start of a text written as it is,
// though not one written as the escape \ufeff. Both mean the same in JSON,
// and its three bytes can stand only inside texts, so they are escaped before
// reading and after writing. `escapeEnds` gets where each escape ends in
// the result, so that a position in it can be traced back to the original.
std::string escapeZeroWidthNoBreakSpaces(std::string_view text, std::vector<std::size_t>* escapeEnds = nullptr)
{
    constexpr std::string_view raw = byteOrderMark;  // U+FEFF in UTF-8
    constexpr std::string_view escaped = "\\ufeff";
    std::string result;
    result.reserve(text.size());
    for (std::size_t start = 0;;) {
        const std::size_t found = text.find(raw, start);
        result.append(text.substr(start, found == std::string_view::npos ? found : found - start));
        if (found == std::string_view::npos)
            return result;
        result.append(escaped);
        if (escapeEnds)
            escapeEnds->push_back(result.size());
        start = found + raw.size();
    }
}

// What a JSON value is, for a message: a text is shown quoted.
std::string describe(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::String: return "\"" + value.toString().toStdString() + "\"";
    case QJsonValue::Double: return "a number";
    case QJsonValue::Bool: return "true or false";
    case QJsonValue::Array: return "a list";
    case QJsonValue::Object: return "an object";
    case QJsonValue::Null: return "null";
    case QJsonValue::Undefined: break;
    }
    return "missing";
}

// Reading refuses at the first thing wrong; this carries it out.
struct Refusal {
    std::string what;
    FileProblemKind kind;
    std::string subject;
};

std::string keyPath(std::string_view parent, std::string_view key)
{
    return parent.empty() ? std::string(key) : std::string(parent) + "." + std::string(key);
}

std::string keyName(std::string_view parent, std::string_view key) { return "\"" + keyPath(parent, key) + "\""; }

QJsonValue required(const QJsonObject& object, std::string_view parent, std::string_view key)
{
    const QJsonValue value = object.value(qt(key));
    if (value.isUndefined())
        throw Refusal{keyName(parent, key) + " is missing", FileProblemKind::MissingKey, keyPath(parent, key)};
    return value;
}

std::string text(const QJsonValue& value, std::string_view parent, std::string_view key)
{
    if (!value.isString())
        throw Refusal{keyName(parent, key) + " is " + describe(value) + ", not a text", FileProblemKind::NotAText,
                      keyPath(parent, key)};
    return value.toString().toStdString();
}

std::string requiredText(const QJsonObject& object, std::string_view parent, std::string_view key)
{
    return text(required(object, parent, key), parent, key);
}

QJsonObject object(const QJsonValue& value, std::string_view key)
{
    if (!value.isObject())
        throw Refusal{keyName({}, key) + " is " + describe(value) + ", not an object", FileProblemKind::NotAnObject,
                      std::string(key)};
    return value.toObject();
}

void checkFormatAndVersion(const QJsonObject& top)
{
    const QJsonValue format = top.value(qt("format"));
    if (format.isUndefined())
        throw Refusal{"not a Tarrowin stringer file: it has no \"format\"", FileProblemKind::NotAStringerFile, {}};
    if (format != QJsonValue(qt(stringerFileFormat)))
        throw Refusal{"not a Tarrowin stringer file: its \"format\" is " + describe(format) + ", not \""
                      + std::string(stringerFileFormat) + "\"",
                      FileProblemKind::NotAStringerFile, {}};

    const QJsonValue version = required(top, {}, "version");
    const double number = version.toDouble(std::nan(""));
    if (!version.isDouble() || number != std::floor(number))
        throw Refusal{"\"version\" is " + (version.isDouble() ? version.toVariant().toString().toStdString()
                                                                : describe(version))
                      + ", not a whole number",
                      FileProblemKind::InvalidVersion, {}};
    const std::string written = version.toVariant().toString().toStdString();
    if (number > stringerFileVersion)
        throw Refusal{"written by a newer version of Tarrowin (format version " + written + "; this one reads version "
                          + std::to_string(stringerFileVersion) + ")",
                      FileProblemKind::NewerVersion, written};
    if (number < 1)
        throw Refusal{"\"version\" " + written + " is not a version of this format", FileProblemKind::InvalidVersion,
                      {}};
}

StringerFile readObject(QJsonObject top)
{
    checkFormatAndVersion(top);

    StringerFile file;
    Stringer& stringer = file.stringer;
    stringer.texts[Field::SectionDesignation] = requiredText(top, {}, "section");

    QJsonObject properties = object(required(top, {}, propertiesKey), propertiesKey);
    for (const Input& property : sectionInputs) {
        stringer.texts[property.field] = requiredText(properties, propertiesKey, property.key);
        properties.remove(qt(property.key));
    }

    const std::string grade = requiredText(top, {}, "grade");
    const std::optional<Grade> known = gradeNamed(grade);
    if (!known)
        throw Refusal{unknownGradeProblem(grade), FileProblemKind::UnknownGrade, grade};
    stringer.grade = *known;

    for (const Input& input : flightInputs)
        stringer.texts[input.field] = requiredText(top, {}, input.key);

    QJsonObject report;
    if (const QJsonValue value = top.value(qt(reportKey)); !value.isUndefined()) {
        report = object(value, reportKey);
        for (const ReportKey& entry : reportKeys) {
            if (const QJsonValue given = report.value(qt(entry.key)); !given.isUndefined())
                file.report.*entry.entry = text(given, reportKey, entry.key);
            report.remove(qt(entry.key));
        }
    }

    // What is left over is kept as it stands, to be written back.
    for (const std::string_view key : {"format", "version", "section", "grade"})
        top.remove(qt(key));
    for (const Input& input : flightInputs)
        top.remove(qt(input.key));
    top.remove(qt(propertiesKey));
    top.remove(qt(reportKey));
    if (!properties.isEmpty())
        top.insert(qt(propertiesKey), properties);
    if (!report.isEmpty())
        top.insert(qt(reportKey), report);
    if (!top.isEmpty())
        file.otherKeys = escapeZeroWidthNoBreakSpaces(QJsonDocument(top).toJson(QJsonDocument::Compact).toStdString());
    return file;
}

// The offset in the original text of an offset in the escaped one.
std::size_t originalOffset(std::size_t offset, const std::vector<std::size_t>& escapeEnds)
{
    std::size_t shift = 0;
    for (const std::size_t end : escapeEnds) {
        if (offset < end) {
            // Inside an escape: point at the character it stands for.
            return std::min(offset, end - 6) - shift;
        }
        shift += 3;
    }
    return offset - shift;
}

}  // namespace

StringerFileReading parseStringerFile(std::string_view bytes, const std::string& fileName)
{
    // A byte-order mark is no part of JSON, but editors on some systems put one there.
    bytes = withoutByteOrderMark(bytes);

    std::vector<std::size_t> escapeEnds;
    const std::string json = escapeZeroWidthNoBreakSpaces(bytes, &escapeEnds);
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromRawData(json.data(), static_cast<qsizetype>(json.size())), &error);
    if (error.error != QJsonParseError::NoError) {
        const TextPosition at = positionOf(bytes, originalOffset(static_cast<std::size_t>(error.offset), escapeEnds));
        return {std::nullopt, FileProblem{fileName, at.line, at.column, "not JSON: " + error.errorString().toStdString(),
                                          FileProblemKind::NotJson, {}}};
    }
    if (!document.isObject())
        return {std::nullopt, FileProblem{fileName, 0, 0, "not a Tarrowin stringer file: not a JSON object",
                                          FileProblemKind::NotAStringerFile, {}}};
    // Qt's reader keeps the last of two values under one key; a file
    // merged or edited by hand would then show other numbers than its
    // author believes it holds.
    if (const std::optional<DuplicateKey> twice = firstDuplicateKey(bytes)) {
        const TextPosition at = positionOf(bytes, twice->offset);
        return {std::nullopt, FileProblem{fileName, at.line, at.column, "\"" + twice->path + "\" is given twice",
                                          FileProblemKind::DuplicateKey, twice->path}};
    }
    try {
        return {readObject(document.object()), std::nullopt};
    } catch (const Refusal& refusal) {
        return {std::nullopt, FileProblem{fileName, 0, 0, refusal.what, refusal.kind, refusal.subject}};
    }
}

StringerFileReading readStringerFile(const std::filesystem::path& path)
{
    auto bytes = readFileBytes(path);
    if (const FileProblem* problem = std::get_if<FileProblem>(&bytes))
        return {std::nullopt, *problem};
    return parseStringerFile(std::get<std::string>(bytes), path.string());
}

std::string stringerFileText(const StringerFile& file)
{
    QJsonObject top;
    if (!file.otherKeys.empty())
        top = QJsonDocument::fromJson(QByteArray::fromStdString(file.otherKeys)).object();

    const Stringer& stringer = file.stringer;
    top.insert(qt("format"), qt(stringerFileFormat));
    top.insert(qt("version"), stringerFileVersion);
    top.insert(qt("section"), qt(stringer.texts[Field::SectionDesignation]));
    QJsonObject properties = top.value(qt(propertiesKey)).toObject();
    for (const Input& property : sectionInputs)
        properties.insert(qt(property.key), qt(stringer.texts[property.field]));
    top.insert(qt(propertiesKey), properties);
    top.insert(qt("grade"), qt(steelGrade(stringer.grade).name));
    for (const Input& input : flightInputs)
        top.insert(qt(input.key), qt(stringer.texts[input.field]));
    // The report is always written whole, so that its entries show in the
    // file even before anyone fills them in.
    QJsonObject report = top.value(qt(reportKey)).toObject();
    for (const ReportKey& entry : reportKeys)
        report.insert(qt(entry.key), qt(file.report.*entry.entry));
    top.insert(qt(reportKey), report);

    return escapeZeroWidthNoBreakSpaces(QJsonDocument(top).toJson(QJsonDocument::Indented).toStdString());
}

std::optional<FileProblem> saveStringerFile(const std::filesystem::path& path, const StringerFile& file)
{
    const auto notUtf8 = [&](std::string_view key) {
        return FileProblem{path.string(), 0, 0, "cannot save: the " + std::string(key) + " text is not UTF-8",
                           FileProblemKind::TextNotUtf8, std::string(key)};
    };
    if (!isValidUtf8(file.stringer.texts[Field::SectionDesignation]))
        return notUtf8("section");
    for (const Input& property : sectionInputs)
        if (!isValidUtf8(file.stringer.texts[property.field]))
            return notUtf8(property.key);
    for (const Input& input : flightInputs)
        if (!isValidUtf8(file.stringer.texts[input.field]))
            return notUtf8(input.key);
    for (const ReportKey& entry : reportKeys)
        if (!isValidUtf8(file.report.*entry.entry))
            return notUtf8(entry.key);
    return writeFileAtomically(path, stringerFileText(file));
}

}  // namespace tarrowin
