// Vorlan, the desktop program.
#include "app/CVorlan2App.h"

int main(int argc, char** argv) {
    vorlan::CVorlan2App app(argc, argv);
    return app.run();
}
