// The calculation book on arbitrary stringer texts: the bytes are read as a
// CSV of stringers, and also stand whole as one more stringer's name, section
// and header. Whatever they hold, the book is built, its OpenDocument Text's
// content.xml is well-formed XML and the PDF is written.

#include "check/FaultWords.h"
#include "files/StringerCsv.h"
#include "fuzz/FuzzCheck.h"
#include "report/document/ReportBook.h"
#include "report/odt/ReportOdt.h"
#include "report/pdf/BookPdf.h"
#include "report/pdf/ReportFace.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QXmlStreamReader>

#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using tarrowin::fuzz::require;

// At most this many stringers from the CSV: a book of a few shows all that
// many would, and the fuzzer stays quick.
constexpr std::size_t stringersRead = 3;

// One application for the whole run, never destroyed: the renderers need
// one, and tearing Qt down after main has returned helps nobody.
QGuiApplication& application()
{
    static int argc = 1;
    static char name[] = "fuzz-book";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* const app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    return *app;
}

std::uint32_t little(const QByteArray& bytes, qsizetype at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// content.xml of an ODT, found by its local header and inflated.
QByteArray contentXml(const QByteArray& odt)
{
    const QByteArray name = "content.xml";
    for (qsizetype at = odt.indexOf("PK\x03\x04"); at >= 0 && at + 30 <= odt.size(); at = odt.indexOf("PK\x03\x04", at + 4)) {
        const std::uint32_t method = little(odt, at + 8, 2);
        const std::uint32_t packed = little(odt, at + 18, 4);
        const std::uint32_t size = little(odt, at + 22, 4);
        const std::uint32_t nameLength = little(odt, at + 26, 2);
        const std::uint32_t extraLength = little(odt, at + 28, 2);
        if (odt.mid(at + 30, nameLength) != name)
            continue;
        const QByteArray data = odt.mid(at + 30 + nameLength + extraLength, packed);
        if (method == 0)
            return data;
        QByteArray inflated(static_cast<qsizetype>(size), '\0');
        z_stream stream{};
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
        stream.avail_in = static_cast<uInt>(data.size());
        stream.next_out = reinterpret_cast<Bytef*>(inflated.data());
        stream.avail_out = static_cast<uInt>(inflated.size());
        require(inflateInit2(&stream, -MAX_WBITS) == Z_OK, "zlib starts");
        const int status = inflate(&stream, Z_FINISH);
        inflateEnd(&stream);
        require(status == Z_STREAM_END, "content.xml inflates whole");
        return inflated;
    }
    require(false, "the ODT holds content.xml");
    return {};
}

}  // namespace

// Fontconfig keeps its font cache until the process ends, and Qt, whose
// application lives as long, never hands it back: not a leak of the book's.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    application();
    static const QString family = tarrowin::reportFaceFamily();
    require(!family.isEmpty(), "the report's face is found beside the program");

    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<tarrowin::BookStringer> stringers;
    tarrowin::StringerCsvReader reader(text);
    tarrowin::StringerEntry entry;
    while (stringers.size() < stringersRead && reader.next(entry))
        stringers.push_back({entry.name, entry.stringer, entry.gradeText, entry.problem});
    tarrowin::Stringer whole = tarrowin::stringerFrom(tarrowin::FieldTexts(), tarrowin::Grade::Q235B);
    whole.texts[tarrowin::Field::SectionDesignation] = text;
    stringers.push_back({text, whole, text, {}});

    const tarrowin::ReportHeader header{text, text, text, text, text, text};
    const tarrowin::ReportBook book = tarrowin::buildBook(stringers, header, {}, {2026, 12, 9}, tarrowin::faultSummaryInChinese);

    const QByteArray xml = contentXml(tarrowin::reportOdt(book));
    QXmlStreamReader xmlReader(xml);
    while (!xmlReader.atEnd())
        xmlReader.readNext();
    require(!xmlReader.hasError(), "content.xml is well-formed XML", xmlReader.errorString().toStdString());

    const QByteArray pdf = tarrowin::bookPdf(book, family);
    require(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"), "the PDF is written whole");
    return 0;
}
