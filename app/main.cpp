#include "app/LabsApplication.h"
#include "app/untMain.h"
#include "input/FormStyle.h"

#include <memory>

int main(int argc, char** argv) {
    LabsApplication app(argc, argv);
    auto selector = std::make_unique<TfrmMain>();
    CentreOnScreen(selector.get());
    selector->show();
    app.exec();
    return 0;
}
