// Shows the 档案 window, the search, a deletion with its 撤销 and the save
// dialog over the main form, one state after another, so that each can be
// looked at and grabbed. With a base name it also saves a picture of the
// screen at each state (X11): <base>-list.png, -search.png, -undo.png,
// -save.png. The store is a fresh one in a temporary folder, seeded with a
// few people.
//   people_screenshots [basename] [seconds per state]
#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <vector>

#include "PeopleStore.h"
#include "app/KarvutoApp.h"
#include "app/KarvutoDlg.h"
#include "app/people/PeopleCommands.h"
#include "app/people/PeopleWnd.h"

namespace {

std::vector<people::Person> SamplePeople() {
    struct Sample {
        const char* name;
        int year, month, day, hour;
        bool lunar;
        const char* tag;
        const char* note;
    };
    const Sample samples[] = {
        {"张三", 1990, 5, 10, 8, false, "客户", "第一次来访，问事业。"},
        {"李小龙", 1940, 11, 27, 8, false, "名人", "旧金山出生。"},
        {"王芳", 1985, 3, 1, 23, true, "客户", "问婚姻。"},
        {"欧阳春花雨露", 1978, 7, 7, 14, false, "朋友", "名字长于报告的五个汉字。"},
        {"Zhang Wei", 2001, 12, 31, 0, false, "学生", ""},
        {"赵敏", 1966, 6, 6, 6, true, "家人", ""},
        {"钱多多", 1999, 9, 9, 9, false, "VIP", "常客。"},
        {"孙悟空", 1920, 1, 1, 12, false, "名人", ""},
    };
    std::vector<people::Person> everyone;
    for (const Sample& s : samples) {
        people::Person p;
        p.name = s.name;
        p.year = s.year;
        p.month = s.month;
        p.day = s.day;
        p.hour = s.hour;
        p.calendar = s.lunar ? people::CalendarKind::Lunar : people::CalendarKind::Solar;
        p.tags = {s.tag};
        p.note = s.note;
        everyone.push_back(p);
    }
    return everyone;
}

}  // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QApplication application(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int waitMs = argc > 2 ? std::atoi(argv[2]) * 1000 : 2000;
    CKarvutoApp app;
    CKarvutoApp::SetDialogColors();
    app.m_szDbPath = CKarvutoApp::DatabasePathIn(QCoreApplication::applicationDirPath().toStdString());
    if (!app.OpenDatabase()) return 1;
    CKarvutoDlg form(nullptr, 0, app.m_pConnection.get());
    CPeopleCommands& commands = *new CPeopleCommands(form);
    form.show();
    commands.Store()->Import(SamplePeople());

    auto shoot = [&](const char* state) {
        std::printf("%s\n", state);
        std::fflush(stdout);
        if (!base.isEmpty() && form.screen())
            form.screen()->grabWindow(0).save(base + QLatin1Char('-') + QString::fromLatin1(state) + ".png");
    };
    const std::vector<std::function<void()>> steps = {
        [&] { commands.OnPeople(); },
        [&] {
            shoot("list");
            commands.PeopleWindow()->SearchEdit()->setText(QStringLiteral("kh"));
            commands.PeopleWindow()->ApplySearch();
        },
        [&] {
            shoot("search");
            commands.PeopleWindow()->SearchEdit()->clear();
            commands.PeopleWindow()->ApplySearch();
            commands.PeopleWindow()->OnDelete();
        },
        [&] {
            shoot("undo");
            commands.PeopleWindow()->OnUndo();
            commands.PeopleWindow()->OnOpen();
            commands.OnSave();
        },
        [&] {
            shoot("save");
            QCoreApplication::exit(0);  // quit() would ask the open dialog first
        },
    };
    for (std::size_t i = 0; i < steps.size(); ++i)
        QTimer::singleShot(static_cast<int>(i) * waitMs + 300, steps[i]);
    return application.exec();
}
