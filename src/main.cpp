#include "app/BoxMessenger.h"
#include "app/OrbelApplication.h"
#include "app/Startup.h"
#include "screens/UiEditorFactory.h"

int main(int argc, char** argv) {
    TOrbelApplication app(argc, argv);
    TBoxMessenger messenger;
    SetMessenger(&messenger);
    TUiEditorFactory editors;
    SetEditorFactory(&editors);
    TStartup startup;
    return startup.Run();
}
