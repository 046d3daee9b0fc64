// karvuto: the Four Pillars reading program.
#include <QApplication>

#include "app/KarvutoApp.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    CKarvutoApp& app = theApp();
    app.InitInstance();  // runs the main form; always false: there is no other loop
    return app.ExitInstance();
}
