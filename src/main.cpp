#include "app/BoxMessenger.h"
#include "app/OrbelApplication.h"
#include "app/Startup.h"

int main(int argc, char** argv) {
    TOrbelApplication app(argc, argv);
    TBoxMessenger messenger;
    SetMessenger(&messenger);
    TStartup startup;
    return startup.Run();
}
