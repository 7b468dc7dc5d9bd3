// ostrel: the IDE window that hosts add-ins.

#include <QApplication>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "host/AddInList.h"
#include "host/CommandLine.h"
#include "host/GenerateCommand.h"
#include "host/IdeSession.h"
#include "host/qt/MainWindow.h"
#include "platform/ui/WindowFit.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!arguments.empty() && arguments.front() == "generate") {
        std::string error;
        const auto command = host::ParseGenerateCommand(std::span(arguments).subspan(1), error);
        if (!command) {
            std::cerr << "ostrel generate: " << error << '\n' << host::kUsage;
            return 2;
        }
        return host::RunGenerateCommand(*command, std::cout, std::cerr);
    }
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
    ui::KeepWindowsOnScreen();
    host::IdeSession session(host::AddInListFile());
    host::MainWindow window(session);
    session.StartUp(line);
    window.RefreshIfChanged();
    window.show();
    return application.exec();
}
