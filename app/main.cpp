#include "TAstroApp.h"

int main(int argc, char** argv) {
    TAstroApp app(argc, argv);
    if (!app.start())
        return 1;
    return app.exec();
}
