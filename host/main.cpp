// ostrel: the IDE window that hosts add-ins.

#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "host/AddInList.h"
#include "host/CommandLine.h"
#include "host/IdeSession.h"
#include "host/qt/MainWindow.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const host::CommandLine line = host::ParseCommandLine(arguments);
    switch (line.action) {
        case host::CommandLine::Action::ShowHelp:
            std::fputs(host::kUsage, stdout);
            return 0;
        case host::CommandLine::Action::Misused:
            std::fputs(host::kUsage, stderr);
            return 2;
        case host::CommandLine::Action::OpenWindow:
            break;
    }
    QApplication application(argc, argv);
    host::IdeSession session(host::AddInListFile());
    host::MainWindow window(session);
    session.StartUp(line);
    window.RefreshIfChanged();
    window.show();
    return application.exec();
}
