// karvuto-read --export: the reading document (the report page, the chart's
// two pages, the analysis pages) written to a PDF (read back with the poppler
// tools) or a PNG, refused names and unwritable places.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ComposerTestDb.h"
#include "ReadCommand.h"

namespace {

const std::map<std::string, std::string> kExportTestData = {
    {"bazi0.tsv", "type\tamount\n戊辰\t12\n五月\t9\n十八\t5\n午时\t16\n"},
    {"bazi1.tsv", "Amount\tmeaning\n42\t四两二钱之命。\n"},
    {"bazi2.tsv", "day\ttime\tmeaning\n"},
    {"bazi3.tsv", "year\tmeaning\n"},
    {"bazi4.tsv", "month\tmeaning\n"},
    {"bazi5.tsv", "day\tmeaning\n"},
    {"bazi6.tsv", "time\tmeaning\n"},
};

std::string Tool(const char* tool, const std::string& file, std::vector<std::string> more = {}) {
    QStringList args;
    for (const std::string& m : more) args << QString::fromStdString(m);
    args << QString::fromStdString(file);
    if (std::string(tool) == "pdftotext") args << QStringLiteral("-");
    QProcess process;
    process.start(QString::fromLatin1(tool), args);
    process.waitForFinished(30000);
    return process.readAllStandardOutput().toStdString();
}

bool HavePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

class ReadExport : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_db = new ComposerTestDb(kExportTestData); }
    static void TearDownTestSuite() {
        delete s_db;
        s_db = nullptr;
    }
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("karvuto-export-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    int Run(const std::string& file, std::vector<std::string> more = {}) {
        std::vector<std::string> args = {"--name",     "李四",   "--sex", "female",   "--solar",
                                         "1988-07-01", "--hour", "12",    "--export", file};
        args.insert(args.end(), more.begin(), more.end());
        m_out.str({});
        m_err.str({});
        return RunReadCommand(args, s_db->File(), m_out, m_err);
    }

    static ComposerTestDb* s_db;
    std::filesystem::path m_dir;
    std::ostringstream m_out;
    std::ostringstream m_err;
};
ComposerTestDb* ReadExport::s_db = nullptr;

int PageCount(const std::string& pdf) {
    const std::string info = Tool("pdfinfo", pdf);
    const std::size_t pages = info.find("Pages:");
    return pages == std::string::npos ? 0 : std::atoi(info.c_str() + pages + 6);
}

std::string PageText(const std::string& pdf, int page) {
    const std::string n = std::to_string(page);
    return Tool("pdftotext", pdf, {"-f", n, "-l", n, "-enc", "UTF-8"});
}

TEST_F(ReadExport, PdfHasTheReportThenTheChartThenTheAnalysis) {
    ASSERT_TRUE(HavePoppler()) << "pdftotext and pdfinfo (poppler-utils, installed by scripts/setup.sh)";
    const std::string file = (m_dir / "李四.pdf").string();
    ASSERT_EQ(Run(file, {"--minute", "10"}), kExitReading) << m_err.str();
    EXPECT_EQ(m_out.str(), "");
    const int pages = PageCount(file);
    ASSERT_GE(pages, 4) << "the report, the chart's two pages, the analysis";
    const std::string page1 = PageText(file, 1);
    const std::string page2 = PageText(file, 2);
    const std::string page3 = PageText(file, 3);
    // The report: its header names the person, the pillars and the bone weight.
    for (const char* word : {"您的尊姓大名", "李四", "女", "戊辰", "四两二钱之命"})
        EXPECT_NE(page1.find(word), std::string::npos) << word << "\n" << page1;
    // The natal chart: the grid's pillars and ten gods.
    for (const char* word : {"八字排盘", "年柱", "日柱", "伤官", "劫财", "日主", "比肩", "偏印", "12:10"})
        EXPECT_NE(page2.find(word), std::string::npos) << word << "\n" << page2;
    // The luck: its pillars.
    for (const char* word : {"大运", "丁巳", "乙卯"})
        EXPECT_NE(page3.find(word), std::string::npos) << word << "\n" << page3;
    // The analysis, headed by the chart's person, on every page after.
    for (int page = 4; page <= pages; ++page)
        EXPECT_NE(PageText(file, page).find("命局分析"), std::string::npos) << page;
    EXPECT_NE(PageText(file, 4).find("李四"), std::string::npos);
}

TEST_F(ReadExport, ConventionsReachTheChartPage) {
    ASSERT_TRUE(HavePoppler());
    const std::string file = (m_dir / "x.PDF").string();
    ASSERT_EQ(Run(file, {"--zi", "next-day", "--longitude", "乌鲁木齐", "--dst-correct"}), kExitReading)
        << m_err.str();
    const std::string text = PageText(file, 2);
    EXPECT_NE(text.find("子初换日"), std::string::npos) << text;
    EXPECT_NE(text.find("真太阳时"), std::string::npos) << text;
    EXPECT_NE(text.find("拨回标准时间"), std::string::npos) << text;
}

// The PNG holds the PDF's pages one below the other, each A4 at 1600 pixels wide.
TEST_F(ReadExport, PngStacksThePdfsPagesAtTwiceTheScreenWidth) {
    ASSERT_TRUE(HavePoppler());
    const std::string png = (m_dir / "chart.png").string();
    const std::string pdf = (m_dir / "chart.pdf").string();
    ASSERT_EQ(Run(png), kExitReading) << m_err.str();
    ASSERT_EQ(Run(pdf), kExitReading) << m_err.str();
    const QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 1600);
    const int pages = PageCount(pdf);
    ASSERT_GE(pages, 4);
    EXPECT_EQ(image.height() % pages, 0) << image.height();
    EXPECT_GT(image.height() / pages, 2200);
    EXPECT_LT(image.height() / pages, 2400);
}

TEST_F(ReadExport, BadNamesAndPlacesAreRefused) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } const cases[] = {
        {{"--export", "chart.jpg"}, "--export needs a file name ending in .pdf or .png"},
        {{"--export", ".pdf"}, "--export needs a file name ending in .pdf or .png"},
        {{"--export", "chart"}, "--export needs a file name ending in .pdf or .png"},
        {{"--export", "a.pdf", "--json"}, "--export and --json exclude each other"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--name", "李四", "--solar", "1988-07-01"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        m_out.str({});
        m_err.str({});
        EXPECT_EQ(RunReadCommand(args, s_db->File(), m_out, m_err), kExitBadArguments) << c.message;
        EXPECT_NE(m_err.str().find(c.message), std::string::npos) << m_err.str();
        EXPECT_EQ(m_out.str(), "");
    }
    // A folder that does not exist: a clear error, nothing written.
    const std::string missing = (m_dir / "no-such-folder" / "chart.pdf").string();
    EXPECT_EQ(Run(missing), kExitOutputLost);
    EXPECT_NE(m_err.str().find("karvuto-read: cannot write " + missing), std::string::npos) << m_err.str();
    EXPECT_FALSE(std::filesystem::exists(missing));
}

// An existing file is replaced by the complete new one and leaves no
// temporary file behind.
TEST_F(ReadExport, ExistingFileIsReplacedWhole) {
    const std::string file = (m_dir / "chart.pdf").string();
    std::ofstream(file) << "old";
    ASSERT_EQ(Run(file), kExitReading) << m_err.str();
    std::ifstream in(file, std::ios::binary);
    std::string head(8, '\0');
    in.read(head.data(), 8);
    EXPECT_EQ(head.substr(0, 5), "%PDF-");
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(m_dir)) ++entries;
    EXPECT_EQ(entries, 1);
}

// Only the file named is written: a link is refused, not followed, and the
// file it points to keeps its bytes; a name that is not UTF-8 keeps its own.
TEST_F(ReadExport, WritesOnlyTheFileNamed) {
    const std::filesystem::path target = m_dir / "target.txt";
    std::ofstream(target) << "someone else's";
    const std::filesystem::path link = m_dir / "link.pdf";
    std::filesystem::create_symlink(target, link);
    EXPECT_EQ(Run(link.string()), kExitOutputLost);
    EXPECT_NE(m_err.str().find("cannot write"), std::string::npos) << m_err.str();
    EXPECT_NE(m_err.str().find("symbolic link"), std::string::npos) << m_err.str();
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    std::ifstream in(target);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "someone else's");

    const std::string latin1 = "lat\xe9.pdf";
    ASSERT_EQ(Run((m_dir / latin1).string()), kExitReading) << m_err.str();
    EXPECT_TRUE(std::filesystem::is_regular_file(m_dir / latin1));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "lat\xef\xbf\xbd.pdf"));  // U+FFFD in its place
}

}  // namespace
