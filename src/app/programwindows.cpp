#include "programwindows.h"

#include "mainwindow.h"
#include "programservices.h"

#include "display/supervisionwindow.h"
#include "sequence/marklistwindow.h"
#include "windows/aboutwindow.h"
#include "windows/copyboardwindow.h"
#include "windows/helpwindow.h"

ProgramWindows::ProgramWindows(ProgramServices& services)
    : m_main(std::make_unique<MainWindow>(services))
    , m_markList(std::make_unique<MarkListWindow>())
    , m_supervision(std::make_unique<SupervisionWindow>(services.clock))
    , m_about(std::make_unique<AboutWindow>(services.prompter))
    , m_help(std::make_unique<HelpWindow>())
    , m_copyboard(std::make_unique<CopyboardWindow>(services.prompter)) {
    m_main->attachWindows(*m_supervision, *m_copyboard, *m_about, *m_help);
    m_main->attachMarkListWindow(*m_markList);
}

ProgramWindows::~ProgramWindows() {
    // The main window's mirror points at the supervision window: it goes first.
    m_main.reset();
}
