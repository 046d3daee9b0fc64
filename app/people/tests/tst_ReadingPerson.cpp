// Between a reading and a saved person: what the form saves, what a saved
// person brings back, which name is kept, and the proposed PDF name.
#include <QtTest>
#include <cstring>

#include "GbkCodec.h"
#include "app/people/ReadingPerson.h"
#include "app/people/ReportFileName.h"

using people::Person;
using peopleui::BirthDetails;

namespace {

BirthRecord Request(const char* nameUtf8, int calendar, int year, int month, int day, int hour,
                    int leap = 0) {
    BirthRecord r{};
    const std::string gbk = platform::Gbk(nameUtf8);
    std::memcpy(r.name, gbk.data(), gbk.size());
    r.sex = 1;
    r.CalendarKind = calendar;
    r.year = year;
    r.month = month;
    r.day = day;
    r.hour = hour;
    r.leap = static_cast<std::uint8_t>(leap);
    return r;
}

Person Stored(const char* name) {
    Person p;
    p.id = 7;
    p.name = name;
    p.year = 1990;
    p.month = 5;
    p.day = 10;
    p.hour = 8;
    p.minute = 45;
    p.place = "乌鲁木齐";
    p.longitude = 87.6;
    p.trueSolarTime = true;
    p.zi = chart::ZiHour::NextDay;
    p.dstCorrect = false;
    p.note = "旧备注";
    p.tags = {"客户"};
    p.created = 100;
    p.changed = 200;
    return p;
}

}  // namespace

class TestReadingPerson : public QObject {
    Q_OBJECT
private slots:
    // The request's birth replaces the stored one; what the request does not
    // know (note, tags, times, id) is the stored person's.
    void aReadingUpdatesItsStoredPerson() {
        const Person base = Stored("张三");
        const Person p = peopleui::PersonOfReading(Request("张三", kLunarCalendar, 2020, 4, 1, 23, 1), "张三",
                                                   peopleui::DetailsOf(base), base);
        QCOMPARE(p.id, base.id);
        QCOMPARE(p.sex, people::Sex::Female);
        QCOMPARE(p.calendar, people::CalendarKind::Lunar);
        QCOMPARE(p.year, 2020);
        QVERIFY(p.leap);
        QCOMPARE(p.hour, 23);
        QCOMPARE(p.minute, 45);
        QCOMPARE(p.place, base.place);
        QCOMPARE(p.longitude, base.longitude);
        QVERIFY(p.trueSolarTime);
        QCOMPARE(p.zi, chart::ZiHour::NextDay);
        QVERIFY(!p.dstCorrect);
        QCOMPARE(p.note, base.note);
        QCOMPARE(p.tags, base.tags);
        QCOMPARE(p.created, base.created);
    }

    // A leap flag left over from a lunar input never reaches a Gregorian person.
    void aGregorianRequestHasNoLeapMonth() {
        const Person p = peopleui::PersonOfReading(Request("李四", kGregorianCalendar, 1990, 5, 10, 8, 1),
                                                   "李四", {}, Person{});
        QCOMPARE(p.calendar, people::CalendarKind::Solar);
        QVERIFY(!p.leap);
    }

    void theBirthplaceFollowsTheChart_data() {
        QTest::addColumn<bool>("chartTrueSolar");
        QTest::addColumn<QString>("chartPlace");
        QTest::addColumn<QString>("expectedPlace");
        QTest::addColumn<bool>("expectedTrueSolar");
        QTest::newRow("true solar time at a capital") << true << "广州"
                                                      << "广州" << true;
        QTest::newRow("true solar time at a typed longitude") << true << ""
                                                              << "" << true;
        // Casting by the clock names no place: the stored one stays.
        QTest::newRow("clock time keeps the stored place") << false << ""
                                                           << "乌鲁木齐" << false;
    }

    void theBirthplaceFollowsTheChart() {
        QFETCH(bool, chartTrueSolar);
        QFETCH(QString, chartPlace);
        QFETCH(QString, expectedPlace);
        QFETCH(bool, expectedTrueSolar);
        chart::Chart chart;
        chart.birth.minute = 30;
        if (chartTrueSolar) chart.conventions.longitude = 113.26;
        const BirthDetails details = peopleui::DetailsOfChart(chart, chartPlace.toStdString());
        const Person base = Stored("张三");
        const Person p = peopleui::PersonOfReading(Request("张三", kGregorianCalendar, 1990, 5, 10, 8),
                                                   "张三", details, base);
        QCOMPARE(p.minute, 30);
        QCOMPARE(QString::fromStdString(p.place), expectedPlace);
        QCOMPARE(p.trueSolarTime, expectedTrueSolar);
        QCOMPARE(p.longitude, chartTrueSolar ? std::optional<double>(113.26) : base.longitude);
        QCOMPARE(p.zi, chart::ZiHour::Late);
        QVERIFY(p.dstCorrect);
    }

    void theNameKept_data() {
        QTest::addColumn<QString>("requestName");
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<bool>("linked");
        QTest::addColumn<QString>("kept");
        // The form's box holds five hanzi; the store keeps the whole name.
        QTest::newRow("long name cut by the box") << "欧阳春花雨"
                                                  << "欧阳春花雨露" << true << "欧阳春花雨露";
        QTest::newRow("a character GBK lacks") << "李?"
                                               << "李😀" << true << "李😀";
        QTest::newRow("blanks around the stored name") << "张三"
                                                       << "  张三 " << true << "  张三 ";
        QTest::newRow("another name") << "王五"
                                      << "张三" << false << "王五";
        QTest::newRow("no linked person") << "王五"
                                          << "" << false << "王五";
    }

    void theNameKept() {
        QFETCH(QString, requestName);
        QFETCH(QString, storedName);
        QFETCH(bool, linked);
        QFETCH(QString, kept);
        const BirthRecord request =
            Request(requestName.toUtf8().constData(), kGregorianCalendar, 1990, 5, 10, 8);
        const Person stored = Stored(storedName.toUtf8().constData());
        const Person* link = storedName.isEmpty() ? nullptr : &stored;
        if (link) QCOMPARE(peopleui::RequestNames(request, *link), linked);
        QCOMPARE(QString::fromStdString(peopleui::NameOfRequest(request, link)), kept);
    }

    void birthText_data() {
        QTest::addColumn<bool>("lunar");
        QTest::addColumn<bool>("leap");
        QTest::addColumn<QString>("text");
        QTest::newRow("Gregorian") << false << false << "2020-04-01 23:59";
        QTest::newRow("lunar") << true << false << "阴历 2020-04-01 23:59";
        QTest::newRow("lunar leap month") << true << true << "阴历 2020-闰04-01 23:59";
    }

    void birthText() {
        QFETCH(bool, lunar);
        QFETCH(bool, leap);
        QFETCH(QString, text);
        Person p;
        p.calendar = lunar ? people::CalendarKind::Lunar : people::CalendarKind::Solar;
        p.leap = leap;
        p.year = 2020;
        p.month = 4;
        p.day = 1;
        p.hour = 23;
        p.minute = 59;
        QCOMPARE(QString::fromStdString(peopleui::BirthText(p)), text);
    }

    void reportFileName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("plain") << "张三"
                               << "张三-19900510-报告.pdf";
        QTest::newRow("a slash is replaced, not dropped") << "张/三"
                                                          << "张_三-19900510-报告.pdf";
        QTest::newRow("characters other systems refuse") << "a\\b:c*d?e\"f<g>h|i"
                                                         << "a_b_c_d_e_f_g_h_i-19900510-报告.pdf";
        QTest::newRow("a line feed in a stored name") << "张\n三"
                                                      << "张_三-19900510-报告.pdf";
        QTest::newRow("blanks around") << "  张三 "
                                       << "张三-19900510-报告.pdf";
        QTest::newRow("empty") << ""
                               << "八字-19900510-报告.pdf";
    }

    void reportFileName() {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QCOMPARE(ReportFileName(name, 1990, 5, 10), file);
    }
};

QTEST_GUILESS_MAIN(TestReadingPerson)
#include "tst_ReadingPerson.moc"
