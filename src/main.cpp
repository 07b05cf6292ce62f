#include "app/BoxMessenger.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TBoxMessenger messenger;
    SetMessenger(&messenger);
    return 0;
}
