// The report's face as the build cuts it: it covers what users type, and its
// character map names every glyph by one character only, never by a radical
// that shares an ideograph's glyph. A PDF's text map is built from it.

#include <QRawFont>
#include <QString>
#include <QTest>

#include <map>

class ReportFaceTest : public QObject {
    Q_OBJECT

private:
    QRawFont face_;

    quint32 glyphOf(char32_t codePoint) const
    {
        const QString text = QString::fromUcs4(&codePoint, 1);
        const QList<quint32> glyphs = face_.glyphIndexesForString(text);
        return glyphs.size() == 1 ? glyphs.first() : 0;
    }

private slots:
    void initTestCase()
    {
        face_ = QRawFont(QStringLiteral(TARROWIN_REPORT_FACE), 12);
        QVERIFY2(face_.isValid(), TARROWIN_REPORT_FACE);
        QCOMPARE(face_.familyName(), QStringLiteral("Tarrowin Report Sans"));
    }

    void coversWhatUsersType_data()
    {
        QTest::addColumn<uint>("first");
        QTest::addColumn<uint>("last");
        QTest::newRow("printable ASCII") << 0x20u << 0x7Eu;
        QTest::newRow("Latin-1 letters and signs") << 0xA1u << 0xFFu;
        QTest::newRow("Greek small letters") << 0x3B1u << 0x3C9u;
        QTest::newRow("CJK punctuation") << 0x3000u << 0x3011u;
        QTest::newRow("CJK Unified Ideographs") << 0x4E00u << 0x9FA5u;
        QTest::newRow("CJK Unified Ideographs Extension A") << 0x3400u << 0x4DB5u;
        QTest::newRow("full-width forms") << 0xFF01u << 0xFF5Eu;
    }

    void coversWhatUsersType()
    {
        QFETCH(uint, first);
        QFETCH(uint, last);
        for (uint codePoint = first; codePoint <= last; ++codePoint)
            QVERIFY2(face_.supportsCharacter(codePoint), qPrintable(QString::number(codePoint, 16)));
    }

    void leavesOutWhatDrawsWithAnIdeographsGlyph_data()
    {
        QTest::addColumn<uint>("first");
        QTest::addColumn<uint>("last");
        QTest::newRow("CJK Radicals Supplement") << 0x2E80u << 0x2EFFu;
        QTest::newRow("Kangxi Radicals") << 0x2F00u << 0x2FDFu;
        QTest::newRow("CJK Compatibility Ideographs") << 0xF900u << 0xFAFFu;
    }

    void leavesOutWhatDrawsWithAnIdeographsGlyph()
    {
        QFETCH(uint, first);
        QFETCH(uint, last);
        for (uint codePoint = first; codePoint <= last; ++codePoint)
            QVERIFY2(!face_.supportsCharacter(codePoint), qPrintable(QString::number(codePoint, 16)));
    }

    // Qt names a glyph in the PDF by the lowest code point that reaches it;
    // with one code point a glyph, that is always the character drawn.
    void givesEveryCharacterAGlyphOfItsOwn()
    {
        std::map<quint32, char32_t> owners;
        for (char32_t codePoint = 0x20; codePoint <= 0xFFFF; ++codePoint) {
            if (codePoint >= 0xD800 && codePoint <= 0xDFFF)
                continue;  // surrogates are no characters
            const quint32 glyph = glyphOf(codePoint);
            if (glyph == 0)
                continue;
            const auto [owner, added] = owners.emplace(glyph, codePoint);
            QVERIFY2(added, qPrintable(QStringLiteral("U+%1 and U+%2 share a glyph")
                                           .arg(uint(owner->second), 4, 16, QLatin1Char('0'))
                                           .arg(uint(codePoint), 4, 16, QLatin1Char('0'))));
        }
        QVERIFY(owners.size() > 27000);
    }
};

QTEST_MAIN(ReportFaceTest)
#include "ReportFaceTest.moc"
