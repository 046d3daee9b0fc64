// The text of the program's PDF files: radicals in the fonts' ToUnicode maps
// become the ideographs shown, the file stays a valid PDF, and a report page
// reads back exactly.
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "app/pages/PageWriter.h"
#include "app/pages/PdfText.h"
#include "app/pages/ReplaceFile.h"
#include "app/pages/ReportPage.h"
#include "app/pages/tests/PageTestSupport.h"

using namespace pagetest;

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A minimal PDF with one ToUnicode map of the given CMap entries, its
// cross-reference table pointing at every object.
QByteArray MiniPdf(const QByteArray& entries) {
    const QByteArray cmap = "/CIDInit /ProcSet findresource begin\nbegincmap\n" + entries + "endcmap\nend\n";
    QList<QByteArray> objects = {
        "<<\n/Type /Catalog\n/Pages 2 0 R\n>>",
        "<<\n/Type /Pages\n/Kids [ ]\n/Count 0\n>>",
        "<< /Length " + QByteArray::number(cmap.size()) + " >>\nstream\n" + cmap + "\nendstream",
        "<< /Type /Font\n/Subtype /Type0\n/ToUnicode 3 0 R>>",
    };
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (int i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype o : offsets) pdf += QByteArray::number(o).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<<\n/Size 5\n/Root 1 0 R\n>>\nstartxref\n" + QByteArray::number(xref) + " \n%%EOF\n";
    return pdf;
}

// Every "n" entry of the table points at its own object, and startxref at the table.
void VerifyCrossReferences(const QByteArray& pdf) {
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    QVERIFY(startxref > 0);
    const qsizetype xref = pdf.mid(startxref + 9).trimmed().split('\n').first().trimmed().toLongLong();
    QCOMPARE(pdf.mid(xref, 4), QByteArray("xref"));
    const QList<QByteArray> lines = pdf.mid(xref).split('\n');
    const int count = lines[1].split(' ')[1].toInt();
    for (int i = 1; i < count; ++i) {
        const QByteArray entry = lines[2 + i];
        const qsizetype offset = entry.left(10).toLongLong();
        QVERIFY2(pdf.mid(offset).startsWith(QByteArray::number(i) + " 0 obj"), entry.constData());
    }
}

// The CMap text of object 3.
QByteArray CMapOf(const QByteArray& pdf) {
    const qsizetype start = pdf.indexOf("stream\n") + 7;
    return pdf.mid(start, pdf.indexOf("\nendstream") - start);
}

}  // namespace

class tst_PdfText : public QObject {
    Q_OBJECT

private slots:
    void ideographOfRadical_data() {
        QTest::addColumn<uint>("from");
        QTest::addColumn<uint>("to");
        QTest::newRow("⼀ first Kangxi") << 0x2F00u << 0x4E00u;
        QTest::newRow("⼤ 大") << 0x2F24u << 0x5927u;
        QTest::newRow("⼥ 女") << 0x2F25u << 0x5973u;
        QTest::newRow("⾟ 辛") << 0x2F9Fu << 0x8F9Bu;
        QTest::newRow("⼗ 十") << 0x2F17u << 0x5341u;
        QTest::newRow("⼾ 户, drawn simplified") << 0x2F3Eu << 0x6237u;
        QTest::newRow("⿕ last Kangxi") << 0x2FD5u << 0x9FA0u;
        QTest::newRow("⺟ 母") << 0x2E9Fu << 0x6BCDu;
        QTest::newRow("⻚ 页") << 0x2EDAu << 0x9875u;
        QTest::newRow("⺒ 巳") << 0x2E92u << 0x5DF3u;
        QTest::newRow("⻳ 龟") << 0x2EF3u << 0x9F9Fu;
        QTest::newRow("⺕ 彐") << 0x2E95u << 0x5F50u;
        QTest::newRow("⺺ 肀") << 0x2EBAu << 0x8080u;
        QTest::newRow("大 stays") << 0x5927u << 0x5927u;
        QTest::newRow("after the block") << 0x2FD6u << 0x2FD6u;
        QTest::newRow("A stays") << 0x41u << 0x41u;
    }
    void ideographOfRadical() {
        QFETCH(uint, from);
        QFETCH(uint, to);
        QCOMPARE(uint(pages::UnifiedIdeograph(from)), to);
    }

    void mapsAreRewrittenAndOffsetsFollow_data() {
        QTest::addColumn<QByteArray>("entries");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("array of a range")
            << QByteArray("1 beginbfrange\n<0001> <0003> [<60A8> <2F24> <2F25> ]\nendbfrange\n")
            << QByteArray("<0001> <0003> [<60A8> <5927> <5973> ]");
        QTest::newRow("single characters")
            << QByteArray("2 beginbfchar\n<0005> <2F9F>\n<0006> <4EA5>\nendbfchar\n")
            << QByteArray("<0005> <8F9B>\n<0006> <4EA5>");
        // A consecutive range over radicals becomes an array, longer than before.
        QTest::newRow("consecutive range") << QByteArray("1 beginbfrange\n<0010> <0012> <2F23>\nendbfrange\n")
                                           << QByteArray("<0010> <0012> [<5915> <5927> <5973> ]");
        // "——" set as the two-em dash's glyph reads back as two em dashes, "———" as three.
        QTest::newRow("two-em dash") << QByteArray("2 beginbfchar\n<0007> <2E3A>\n<0008> <2014>\nendbfchar\n")
                                     << QByteArray("<0007> <20142014>\n<0008> <2014>");
        QTest::newRow("dashes in a range")
            << QByteArray("1 beginbfrange\n<0020> <0022> [<60A8> <2E3A> <2E3B> ]\nendbfrange\n")
            << QByteArray("<0020> <0022> [<60A8> <20142014> <201420142014> ]");
        QTest::newRow("consecutive range over the dashes")
            << QByteArray("1 beginbfrange\n<0030> <0032> <2E39>\nendbfrange\n")
            << QByteArray("<0030> <0032> [<2E39> <20142014> <201420142014> ]");
    }
    void mapsAreRewrittenAndOffsetsFollow() {
        QFETCH(QByteArray, entries);
        QFETCH(QByteArray, expected);
        const QByteArray before = MiniPdf(entries);
        VerifyCrossReferences(before);
        const QByteArray after = pages::FixToUnicodeMaps(before);
        QVERIFY(after != before);
        QVERIFY2(CMapOf(after).contains(expected), CMapOf(after).constData());
        VerifyCrossReferences(after);
        // The stream's length is the length of its data.
        const QRegularExpression length(QStringLiteral("/Length (\\d+)"));
        QCOMPARE(length.match(QString::fromLatin1(after)).captured(1).toLongLong(), CMapOf(after).size());
    }

    void pdfsWithNothingToFixStayByteForByte_data() {
        QTest::addColumn<QByteArray>("pdf");
        QTest::newRow("no radicals") << MiniPdf("1 beginbfchar\n<0001> <5927>\nendbfchar\n");
        QTest::newRow("no maps") << QByteArray("%PDF-1.4\n1 0 obj\n<< >>\nendobj\n");
        QByteArray noTable = MiniPdf("1 beginbfchar\n<0001> <2F24>\nendbfchar\n");
        noTable.replace("xref\n", "xrof\n");
        QTest::newRow("no cross-reference table") << noTable;
        QTest::newRow("not a PDF") << QByteArray("/ToUnicode 3 0 R");
    }
    void pdfsWithNothingToFixStayByteForByte() {
        QFETCH(QByteArray, pdf);
        QCOMPARE(pages::FixToUnicodeMaps(pdf), pdf);
    }

    // The report page written to a PDF file reads back as the characters shown.
    void reportPageReadsBackExactly() {
        if (!HavePoppler()) QFAIL(kPopplerMissing);
        QTemporaryDir dir;
        const pages::ReportPageText report{
            U("您的尊姓大名: 王女士\n性别: 女\n四柱: 辛亥 庚子 大运 十神 比肩 页面"),
            U("一二三 大小 女子 辛亥 己丑 水火木金土 父母 龟 青 风 马 鱼 长 门 见 贝 车 页\n"
              "甲乙丙丁戊己庚辛壬癸 子丑寅卯辰巳午未申酉戌亥 长生沐浴冠带临官帝旺衰病死墓绝胎养"),
            0};
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QString error;
        const pages::PagePainter page = [&report](QPainter& painter, QPaintDevice& device) {
            pages::PaintReportPage(painter, QRect(0, 0, device.width(), device.height()), report);
        };
        QVERIFY2(pages::WritePdf(pages::NativePath(path), {page}, &error), qPrintable(error));
        QCOMPARE(PdfInfo(path, QStringLiteral("Pages")), QStringLiteral("1"));
        const QString text = PdfText(path);
        QVERIFY2(!HasRadical(text), qPrintable(text));
        for (const char* word :
             {"您的尊姓大名", "女", "辛亥", "大运", "十神", "比肩", "一二三", "父母", "马", "鱼", "页",
              "甲乙丙丁戊己庚辛壬癸", "子丑寅卯辰巳午未申酉戌亥", "长生沐浴冠带临官帝旺衰病死墓绝胎养"})
            QVERIFY2(text.contains(U(word)), word);
    }
};

QTEST_MAIN(tst_PdfText)
#include "tst_PdfText.moc"
