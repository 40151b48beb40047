// ミロスタ（大画面）.exe, beside mirosuta.exe in the Windows zip: the zip's
// second shortcut, for the classroom display. It starts the program beside it
// in full screen. A shortcut file (.lnk) cannot name its program by a path
// relative to itself, and the zip may be unpacked anywhere; the installer
// makes real shortcuts instead.
#include <string>
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    std::wstring folder(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, folder.data(), DWORD(folder.size()))) ==
           folder.size())
        folder.resize(folder.size() * 2);
    folder.resize(length);
    folder.erase(folder.find_last_of(L'\\') + 1);
    const std::wstring program = folder + L"mirosuta.exe";
    std::wstring command = L"\"" + program + L"\" --fullscreen";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
        const std::wstring message = L"ミロスタを起動できませんでした。\n\n" + program;
        MessageBoxW(nullptr, message.c_str(), L"ミロスタ", MB_OK | MB_ICONERROR);
        return 1;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
