#pragma once

#include <memory>

class AboutWindow;
class CopyboardWindow;
class HelpWindow;
class MainWindow;
class MarkListWindow;
class SupervisionWindow;
struct ProgramServices;

// All of the program's windows, created in their order: main window, marking list,
// supervision, about, help, text import.
class ProgramWindows {
public:
    explicit ProgramWindows(ProgramServices& services);
    ~ProgramWindows();

    MainWindow& main() { return *m_main; }
    MarkListWindow& markList() { return *m_markList; }
    SupervisionWindow& supervision() { return *m_supervision; }
    AboutWindow& about() { return *m_about; }
    HelpWindow& help() { return *m_help; }
    CopyboardWindow& copyboard() { return *m_copyboard; }

private:
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<MarkListWindow> m_markList;
    std::unique_ptr<SupervisionWindow> m_supervision;
    std::unique_ptr<AboutWindow> m_about;
    std::unique_ptr<HelpWindow> m_help;
    std::unique_ptr<CopyboardWindow> m_copyboard;
};
