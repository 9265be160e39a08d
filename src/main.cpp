#include "ui/cpellfieldapp.h"

int main(int argc, char* argv[]) {
    zef::CPellFieldApp app(argc, argv);
    return app.run();
}
