#include "app/QD720SIM.h"

#include "core/FatalStop.h"

namespace qd {

Program StartProgram(Platform& platform, const std::string& programPath,
                     DriveDataInitialiser initialise,
                     const std::function<void(TSimForm&)>& beforeShow) {
    Program program;
    auto data = std::make_unique<DriveData>();
    try {
        initialise(*data, programPath);
    } catch (const FatalStopError& e) {
        platform.fatal.Stop(e.what());
        return program;
    }

    platform.windows.ShowSplash();
    program.title = kApplicationTitle;
    program.helpFile = kHelpFileName;

    program.form = std::make_unique<TSimForm>(platform, std::move(data));
    program.form->splashShown = true;
    program.createdWindows.push_back("TSimForm");
    for (const FormWindow& w : StartupWindows()) program.createdWindows.push_back(w.name);

    TSimForm& form = *program.form;
    if (beforeShow) beforeShow(form);
    form.Run([&form] { form.FormShow(); });
    return program;
}

}  // namespace qd
