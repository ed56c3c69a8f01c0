#include "TestFiles.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace testfiles {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vantor-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void TempDir::Write(const std::string& name, const std::string& content) const
{
    std::FILE* f = std::fopen((path_ + "/" + name).c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + name);
    std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);
}

static std::string Build(std::vector<std::string> f, const std::vector<std::pair<int, std::string>>& fields)
{
    for (const auto& [index, text] : fields) f.at(static_cast<size_t>(index - 1)) = text;
    std::string line;
    for (size_t i = 0; i < f.size(); ++i) line += (i ? "," : "") + f[i];
    return line;
}

Fields Ability(int slot, int code, int value)
{
    return {{5 + slot, std::to_string(code)}, {47 + slot, std::to_string(value)}};
}

Fields operator+(Fields a, const Fields& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string ItemLine(const std::string& name, const std::vector<std::pair<int, std::string>>& fields)
{
    std::vector<std::string> f(59, "0");
    f[1] = name;
    return Build(f, fields);
}

std::string SpellLine(int number, const std::string& name, const std::vector<std::pair<int, std::string>>& fields)
{
    std::vector<std::string> f(43, "0");
    f[0] = std::to_string(number);
    f[1] = name;
    f[38] = "code";
    return Build(f, fields);
}

}  // namespace testfiles
