#pragma once
// The number of pages of a PDF file for the tests: pdfinfo's count when the
// program is installed, else the page objects counted in the file (enough for
// the uncompressed object structure the program writes). -1 when the file
// cannot be read or does not start like a PDF.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

inline int PdfPageCount(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    if (bytes.rfind("%PDF", 0) != 0)
        return -1;
    // The path in single quotes, each quote of its own closed, escaped and reopened.
    std::string quoted = "'";
    for (const char c : path)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    quoted += "'";
    if (FILE* pipe = popen(("pdfinfo " + quoted + " 2>/dev/null").c_str(), "r")) {
        std::string info;
        char buffer[512];
        while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            info.append(buffer, n);
        const int status = pclose(pipe);
        std::smatch pages;
        if (status == 0 && std::regex_search(info, pages, std::regex(R"(Pages:\s+(\d+))")))
            return std::stoi(pages[1]);
    }
    const std::regex pageObject(R"(/Type\s*/Page\b(?!s))");
    return static_cast<int>(std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), pageObject), {}));
}
