#include "app/BoxMessenger.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TBoxMessenger messenger;
    SetMessenger(&messenger);
    TStartup startup;
    return startup.Run();
}
