#include "report/pdf/PdfSubsetTags.h"

#include <QHash>
#include <QList>

#include <algorithm>

namespace tarrowin {
namespace {

constexpr qsizetype tagLength = 7;  // six capitals and a plus sign
constexpr qsizetype xrefEntryLength = 20;  // "0000012345 00000 n \n"

bool endsName(char c) { return QByteArrayView(" \t\r\n/<>[]()%{}").contains(c); }

QByteArray nameAt(const QByteArray& pdf, qsizetype from)
{
    qsizetype end = from;
    while (end < pdf.size() && !endsName(pdf[end]))
        ++end;
    return pdf.mid(from, end - from);
}

bool isTagged(const QByteArray& name)
{
    if (name.size() <= tagLength || name[tagLength - 1] != '+')
        return false;
    return std::all_of(name.begin(), name.begin() + tagLength - 1, [](char c) { return c >= 'A' && c <= 'Z'; });
}

// The dictionary that opens an object: up to its stream or its end.
struct Dictionary {
    qsizetype begin;
    qsizetype end;
};

struct CrossReference {
    qsizetype tableStart;  // of the first entry
    QList<qsizetype> offsets;  // of every object in use, in table order; -1 for a free entry
    qsizetype startxrefValue;  // where the number after "startxref" stands
};

bool readCrossReference(const QByteArray& pdf, CrossReference& xref)
{
    const QByteArray keyword = "startxref\n";
    const qsizetype at = pdf.lastIndexOf(keyword);
    if (at < 0)
        return false;
    xref.startxrefValue = at + keyword.size();
    bool ok = false;
    const qsizetype tableOffset = nameAt(pdf, xref.startxrefValue).toLongLong(&ok);
    if (!ok || !pdf.mid(tableOffset).startsWith("xref\n0 "))
        return false;
    const qsizetype countStart = tableOffset + 7;
    const qsizetype countEnd = pdf.indexOf('\n', countStart);
    const qsizetype count = pdf.mid(countStart, countEnd - countStart).trimmed().toLongLong(&ok);
    if (!ok || countEnd < 0)
        return false;
    xref.tableStart = countEnd + 1;
    if (xref.tableStart + count * xrefEntryLength > pdf.size())
        return false;
    for (qsizetype i = 0; i < count; ++i) {
        const QByteArray entry = pdf.mid(xref.tableStart + i * xrefEntryLength, xrefEntryLength);
        const qsizetype offset = entry.left(10).toLongLong(&ok);
        if (!ok || entry.size() != xrefEntryLength)
            return false;
        xref.offsets.append(entry[17] == 'n' ? offset : -1);
    }
    return true;
}

Dictionary dictionaryAt(const QByteArray& pdf, qsizetype object)
{
    const qsizetype stream = pdf.indexOf("stream\n", object);
    const qsizetype end = pdf.indexOf("endobj", object);
    const qsizetype stop = stream < 0 ? end : end < 0 ? stream : std::min(stream, end);
    return {object, stop < 0 ? object : stop};
}

// Where in a dictionary a key's name value begins, or -1.
qsizetype valueOf(const QByteArray& pdf, const Dictionary& dictionary, const QByteArray& key)
{
    const qsizetype at =
        QByteArrayView(pdf).sliced(dictionary.begin, dictionary.end - dictionary.begin).indexOf(key);
    return at < 0 ? -1 : dictionary.begin + at + key.size();
}

}  // namespace

QByteArray withSubsetTags(const QByteArray& pdf)
{
    CrossReference xref;
    if (!readCrossReference(pdf, xref))
        return pdf;

    // Each subset's tag by the face's name; a name with two tags is left alone.
    QHash<QByteArray, QByteArray> tags;
    QList<QByteArray> ambiguous;
    QList<std::pair<qsizetype, QByteArray>> untagged;  // where a /BaseFont name starts, and the name
    for (qsizetype object : xref.offsets) {
        if (object < 0)
            continue;
        const Dictionary dictionary = dictionaryAt(pdf, object);
        if (const qsizetype at = valueOf(pdf, dictionary, "/FontName /"); at >= 0) {
            const QByteArray tagged = nameAt(pdf, at);
            if (isTagged(tagged)) {
                const QByteArray name = tagged.mid(tagLength);
                if (tags.contains(name) && tags[name] != tagged.left(tagLength))
                    ambiguous.append(name);
                tags[name] = tagged.left(tagLength);
            }
        }
        if (const qsizetype at = valueOf(pdf, dictionary, "/BaseFont /"); at >= 0) {
            const QByteArray name = nameAt(pdf, at);
            if (!isTagged(name))
                untagged.append({at, name});
        }
    }

    QList<std::pair<qsizetype, QByteArray>> insertions;
    for (const auto& [at, name] : untagged)
        if (tags.contains(name) && !ambiguous.contains(name))
            insertions.append({at, tags[name]});
    if (insertions.isEmpty())
        return pdf;
    std::sort(insertions.begin(), insertions.end());

    const auto moved = [&insertions](qsizetype offset) {
        qsizetype before = 0;
        for (const auto& insertion : insertions)
            if (insertion.first < offset)
                ++before;
        return offset + before * tagLength;
    };

    QByteArray result;
    result.reserve(pdf.size() + insertions.size() * tagLength);
    qsizetype copied = 0;
    for (const auto& [at, tag] : insertions) {
        result.append(pdf.mid(copied, at - copied));
        result.append(tag);
        copied = at;
    }
    result.append(pdf.mid(copied));

    // The table and the number after "startxref" lie past every insertion, so
    // they have moved by all of them; the entries keep their fixed width.
    const qsizetype tableStart = moved(xref.tableStart);
    for (qsizetype i = 0; i < xref.offsets.size(); ++i) {
        if (xref.offsets[i] < 0)
            continue;
        const QByteArray offset = QByteArray::number(moved(xref.offsets[i])).rightJustified(10, '0');
        result.replace(tableStart + i * xrefEntryLength, 10, offset);
    }
    const qsizetype startxrefValue = moved(xref.startxrefValue);
    const QByteArray oldValue = nameAt(result, startxrefValue);
    result.replace(startxrefValue, oldValue.size(), QByteArray::number(moved(oldValue.toLongLong())));
    return result;
}

}  // namespace tarrowin
