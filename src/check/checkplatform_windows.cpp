#include "checkplatform.h"

#include <cstdio>
#include <iterator>
#include <windows.h>

namespace {

bool isConsole(DWORD stdHandle) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(stdHandle), &mode) != 0;
}

// Only this process on its console: nobody started it from a command prompt
// or a script, whose console would stay open after it.
bool aloneOnConsole() {
    DWORD processes[2];
    return GetConsoleProcessList(processes, 2) == 1;
}

} // namespace

CheckerConsole::CheckerConsole() : m_savedCodePage(GetConsoleOutputCP()) {
    // The report is written as UTF-8; a Japanese console expects CP932 otherwise.
    if (m_savedCodePage != 0)
        SetConsoleOutputCP(CP_UTF8);
}

CheckerConsole::~CheckerConsole() {
    if (aloneOnConsole() && isConsole(STD_INPUT_HANDLE) && isConsole(STD_OUTPUT_HANDLE)) {
        std::fputs("\nEnter キーを押すと閉じます。\n", stdout);
        std::fflush(stdout);
        const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
        FlushConsoleInputBuffer(in);
        wchar_t line[64];
        DWORD read = 0;
        // The console reads a whole line: this returns at Enter.
        ReadConsoleW(in, line, DWORD(std::size(line)), &read, nullptr);
    }
    // Otherwise `type` of a CP932 file in the same window shows mojibake afterwards.
    if (m_savedCodePage != 0)
        SetConsoleOutputCP(m_savedCodePage);
}
