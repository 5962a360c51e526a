// Starting programs on Windows through CreateProcessW.
#include <windows.h>

#include <cwctype>

#include "common/platform/process.h"
#include "common/platform/win32_text.h"

namespace platform {
namespace {

// One argument as the C runtime's command-line parsing reads it back.
std::wstring quoted(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
    std::wstring out = L"\"";
    for (size_t i = 0;; ++i) {
        size_t backslashes = 0;
        while (i < arg.size() && arg[i] == L'\\') {
            ++i;
            ++backslashes;
        }
        if (i == arg.size()) {
            out.append(backslashes * 2, L'\\');
            break;
        }
        if (arg[i] == L'"')
            out.append(backslashes * 2 + 1, L'\\');
        else
            out.append(backslashes, L'\\');
        out += arg[i];
    }
    return out + L"\"";
}

bool sameName(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::towupper(a[i]) != std::towupper(b[i])) return false;
    return true;
}

// The environment block of this process with the request's changes (names compare without
// case, as Windows does).
std::wstring environmentBlock(const RunRequest& r) {
    std::wstring block;
    wchar_t* env = GetEnvironmentStringsW();
    for (const wchar_t* e = env; e && *e; e += wcslen(e) + 1) {
        std::wstring_view entry(e);
        const size_t eq = entry.find(L'=', 1);  // "=C:=C:\..." entries start with '='
        bool changed = false;
        for (const auto& [name, value] : r.environment)
            if (eq != std::wstring_view::npos && sameName(entry.substr(0, eq), win32::wide(name)))
                changed = true;
        if (!changed) block.append(entry).push_back(L'\0');
    }
    if (env) FreeEnvironmentStringsW(env);
    for (const auto& [name, value] : r.environment)
        if (value) block.append(win32::wide(name + "=" + *value)).push_back(L'\0');
    block.push_back(L'\0');
    return block;
}

HANDLE inheritable(HANDLE h) {
    HANDLE dup = nullptr;
    if (h == nullptr || h == INVALID_HANDLE_VALUE ||
        !DuplicateHandle(GetCurrentProcess(), h, GetCurrentProcess(), &dup, 0, TRUE,
                         DUPLICATE_SAME_ACCESS))
        return nullptr;
    return dup;
}

HANDLE createOutput(const std::filesystem::path& file) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? nullptr : h;
}

}  // namespace

bool startDetached(const std::filesystem::path& program, const std::filesystem::path& folder) {
    std::wstring commandLine = quoted(program.wstring());
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi{};
    const std::wstring dir = folder.wstring();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        dir.empty() ? nullptr : dir.c_str(), &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

int runProgram(const RunRequest& r) {
    std::wstring commandLine = quoted(r.program.wstring());
    for (const auto& a : r.arguments) commandLine += L" " + quoted(win32::wide(a));
    std::wstring env = environmentBlock(r);
    HANDLE in = inheritable(GetStdHandle(STD_INPUT_HANDLE));
    HANDLE out = r.standardOutput.empty() ? inheritable(GetStdHandle(STD_OUTPUT_HANDLE))
                                          : createOutput(r.standardOutput);
    HANDLE err = r.standardError.empty() ? inheritable(GetStdHandle(STD_ERROR_HANDLE))
                                         : createOutput(r.standardError);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = in;
    si.hStdOutput = out;
    si.hStdError = err;
    PROCESS_INFORMATION pi{};
    const BOOL started =
        CreateProcessW(r.program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                       CREATE_UNICODE_ENVIRONMENT, env.data(), nullptr, &si, &pi);
    for (HANDLE h : {in, out, err})
        if (h) CloseHandle(h);
    if (!started) return -1;
    CloseHandle(pi.hThread);
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 0;
    const BOOL got = GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    return got ? static_cast<int>(code) : -1;
}

unsigned long processId() { return GetCurrentProcessId(); }

}  // namespace platform
