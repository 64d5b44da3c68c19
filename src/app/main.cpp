#include "app/application.h"
#include "app/errorreport.h"
#include "app/givenfile.h"
#include "app/minform.h"
#include "numtext/decimalseparator.h"
#include "numtext/floatsettings.h"

#include <exception>

// Reads at most one argument, a file to open (as the desktop passes it), and
// always ends with status 0, also after a failure at start-up.
int main(int argc, char* argv[]) {
    const QString given = quorvel::GivenFileName(argc, argv);
    // Qt sees only the program's name: its standard options (-qwindowtitle,
    // -style, -reverse ...) would otherwise change the window.
    int nameOnly = argc > 0 ? 1 : 0;
    quorvel::Application application(nameOnly, argv);
    try {
        quorvel::ResetFloatSettings();
        quorvel::RefreshDecimalSeparator();
        application.SetUp();
        quorvel::TMainForm mainForm;
        mainForm.show();
        mainForm.LoadLandmarkModelWhenIdle();
        if (!given.isEmpty()) {
            mainForm.OpenGivenFileLater(given);
        }
        quorvel::Application::exec();
    } catch (const std::exception& failure) {
        quorvel::ReportFailure(failure);
    }
    return 0;
}
