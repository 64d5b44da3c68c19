#include "app/application.h"
#include "app/errorreport.h"
#include "minform.h"
#include "numtext/decimalseparator.h"
#include "numtext/floatsettings.h"

#include <exception>

// Reads no command line of its own (Qt takes its standard options) and always
// ends with status 0, also after a failure at start-up.
int main(int argc, char* argv[]) {
    quorvel::Application application(argc, argv);
    try {
        quorvel::ResetFloatSettings();
        quorvel::RefreshDecimalSeparator();
        application.SetUp();
        quorvel::TMainForm mainForm;
        mainForm.show();
        quorvel::Application::exec();
    } catch (const std::exception& failure) {
        quorvel::ReportFailure(failure);
    }
    return 0;
}
