// The command line and the console on Windows: arguments from the wide command line, and
// UTF-8 output shown on a console through its wide output.

// windows.h first: the other Windows headers need its definitions.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <iostream>
#include <streambuf>

#include "common/platform/console.h"
#include "common/platform/win32_text.h"

namespace platform {
namespace {

// Length of the longest prefix of s that ends on a whole UTF-8 character (a character
// split across two writes is held back for the next).
size_t wholeCharacters(std::string_view s) {
    size_t end = s.size();
    size_t back = 0;
    while (back < 3 && back < end && (static_cast<unsigned char>(s[end - 1 - back]) & 0xC0) == 0x80)
        ++back;
    if (back == end) return end;
    const auto lead = static_cast<unsigned char>(s[end - 1 - back]);
    const size_t need = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return need > back + 1 ? end - 1 - back : end;
}

// A stream buffer that shows UTF-8 text on a console with WriteConsoleW.
class ConsoleBuffer : public std::streambuf {
public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) {}

protected:
    int_type overflow(int_type c) override {
        if (c != traits_type::eof()) {
            pending_ += static_cast<char>(c);
            if (c == '\n') write(/*all=*/false);
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        pending_.append(s, static_cast<size_t>(n));
        if (pending_.find('\n') != std::string::npos) write(/*all=*/false);
        return n;
    }
    int sync() override { return write(/*all=*/true) ? 0 : -1; }

private:
    bool write(bool all) {
        const size_t n = all ? wholeCharacters(pending_) : pending_.rfind('\n') + 1;
        if (n == 0) return true;
        const std::wstring w = win32::wide(std::string_view(pending_).substr(0, n));
        pending_.erase(0, n);
        DWORD written = 0;
        return w.empty() ||
               WriteConsoleW(console_, w.data(), static_cast<DWORD>(w.size()), &written, nullptr);
    }

    HANDLE console_;
    std::string pending_;
};

bool isConsole(HANDLE h) {
    DWORD mode = 0;
    return h != INVALID_HANDLE_VALUE && h != nullptr && GetConsoleMode(h, &mode);
}

}  // namespace

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    int n = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &n);
    if (!wide) return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> args;
    for (int i = 0; i < n; ++i) args.push_back(win32::utf8(wide[i]));
    LocalFree(wide);
    return args;
}

void setUpConsole() {
    // Bytes as they are: the scripts carry their own CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    static ConsoleBuffer* out = nullptr;
    static ConsoleBuffer* err = nullptr;
    if (HANDLE h = GetStdHandle(STD_OUTPUT_HANDLE); !out && isConsole(h)) {
        out = new ConsoleBuffer(h);  // kept for the whole run, as std::cout is
        std::cout.flush();
        std::cout.rdbuf(out);
    }
    if (HANDLE h = GetStdHandle(STD_ERROR_HANDLE); !err && isConsole(h)) {
        err = new ConsoleBuffer(h);
        std::cerr.flush();
        std::cerr.rdbuf(err);
    }
}

bool standardOutputIsConsole() { return isConsole(GetStdHandle(STD_OUTPUT_HANDLE)); }

}  // namespace platform
