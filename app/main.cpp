#include "app/LabsApplication.h"
#include "app/untMain.h"

#include <memory>

int main(int argc, char** argv) {
    LabsApplication app(argc, argv);
    auto selector = std::make_unique<TfrmMain>();
    selector->show();
    app.exec();
    return 0; // whatever ended the loop, the program ends normally
}
