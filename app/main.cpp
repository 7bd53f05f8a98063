#include "ErrorDisplayApplication.h"
#include "Startup.h"

int main(int argc, char** argv)
{
    custos::ui::ErrorDisplayApplication application(argc, argv);
    return custos::app::runCustos(QApplication::applicationDirPath());
}
