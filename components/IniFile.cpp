#include "IniFile.h"

#include "Cp1251.h"
#include "FeUtils.h"
#include "WholeFile.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace lexorin {
namespace {

// The name of a section header line, or nothing for any other line.
std::optional<std::string_view> HeaderName(std::string_view line) {
    line = TrimControls(line);
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return TrimControls(line.substr(1, close - 1));
}

// Splits an entry line into its trimmed key and value; false for a line
// without "=".
bool SplitEntry(std::string_view line, std::string_view& key, std::string_view& value) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    key = TrimControls(line.substr(0, equals));
    value = TrimControls(line.substr(equals + 1));
    return true;
}

} // namespace

TIniFile::TIniFile(std::string_view bytes) {
    sections_.push_back({});
    const std::string text = ProgramFileText(bytes);
    for (std::string_view line : SplitLines(text)) {
        if (const auto name = HeaderName(line))
            sections_.push_back({std::string(*name), {}});
        sections_.back().lines.emplace_back(line);
    }
}

bool TIniFile::Load(const std::string& path) {
    std::string bytes;
    const bool read = ReadWholeFile(path, bytes);
    *this = TIniFile(bytes);
    // A path that is not there is an empty file; one that is there but
    // could not be read is a failure.
    struct stat info {};
    return read || (::stat(path.c_str(), &info) != 0 && errno == ENOENT);
}

bool TIniFile::Save(const std::string& path) const {
    return WriteWholeFile(path, Bytes());
}

std::string TIniFile::Bytes() const {
    return ProgramFileBytes(Text());
}

const TIniFile::TSection* TIniFile::Find(std::string_view section) const {
    for (std::size_t k = 1; k < sections_.size(); ++k)
        if (SameTextIgnoreCase(sections_[k].name, section))
            return &sections_[k];
    return nullptr;
}

TIniFile::TSection* TIniFile::Find(std::string_view section) {
    return const_cast<TSection*>(std::as_const(*this).Find(section));
}

bool TIniFile::HasSection(std::string_view section) const {
    return Find(section) != nullptr;
}

std::optional<std::string> TIniFile::Read(std::string_view section, std::string_view key) const {
    for (const auto& [name, value] : Entries(section))
        if (SameTextIgnoreCase(name, key))
            return value;
    return std::nullopt;
}

TIniEntries TIniFile::Entries(std::string_view section) const {
    TIniEntries entries;
    const TSection* found = Find(section);
    if (found == nullptr)
        return entries;
    std::string_view key, value;
    for (std::size_t k = 1; k < found->lines.size(); ++k)
        if (SplitEntry(found->lines[k], key, value) && !key.empty())
            entries.emplace_back(key, value);
    return entries;
}

void TIniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    key = TrimControls(key);
    std::string line = std::string(key) + "=" + std::string(TrimControls(value));
    TSection* found = Find(section);
    if (found == nullptr) {
        const std::string name(TrimControls(section));
        sections_.push_back({name, {"[" + name + "]"}});
        found = &sections_.back();
    }
    std::vector<std::string>& lines = found->lines;
    std::string_view name, old;
    for (std::size_t k = 1; k < lines.size(); ++k)
        if (SplitEntry(lines[k], name, old) && SameTextIgnoreCase(name, key)) {
            lines[k] = std::move(line);
            return;
        }
    // After the last line that is not blank, so that blank lines between
    // sections stay between them.
    std::size_t at = lines.size();
    while (at > 1 && TrimControls(lines[at - 1]).empty())
        --at;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void TIniFile::EraseSection(std::string_view section) {
    sections_.erase(std::remove_if(sections_.begin() + 1, sections_.end(),
                                   [section](const TSection& s) {
                                       return SameTextIgnoreCase(s.name, section);
                                   }),
                    sections_.end());
}

std::string TIniFile::Text() const {
    std::string text;
    for (const TSection& section : sections_)
        for (const std::string& line : section.lines)
            text.append(line).append("\r\n");
    return text;
}

} // namespace lexorin
