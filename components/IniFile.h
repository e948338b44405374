// Windows-style settings files, read and changed as the Windows profile
// functions do: a "[Section]" line opens a section, "key=value" lines below
// it are its entries. Section and key names compare without regard to
// case; values lose blanks and control characters at both ends when they
// are written and when they are read. A change touches only its own key or
// section: every other line of the file stays as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lexorin {

using TIniEntries = std::vector<std::pair<std::string, std::string>>;

class TIniFile {
public:
    // The file's contents: UTF-8 (with or without a byte-order mark), or
    // cp1251. Names and values are held, read and written as UTF-8.
    explicit TIniFile(std::string_view bytes = {});

    // Reads a file; a missing file reads as an empty one. False, and an
    // empty file, when the path is there but cannot be read.
    bool Load(const std::string& path);
    // Writes the file whole, with CR LF after every line, by replacing it
    // (so it is never left half-written): in cp1251 while every character
    // fits it, otherwise in UTF-8 after a byte-order mark. False on failure.
    bool Save(const std::string& path) const;

    // The value of a key in the first section of that name; nothing when
    // either is missing.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    // The entries of the first section of that name, in file order.
    TIniEntries Entries(std::string_view section) const;
    bool HasSection(std::string_view section) const;

    // Sets a key, adding the section at the end of the file and the key
    // after the section's last line as needed.
    void Write(std::string_view section, std::string_view key, std::string_view value);
    // Removes every section of that name with all its lines.
    void EraseSection(std::string_view section);

    // The file's lines as UTF-8, CR LF after each.
    std::string Text() const;
    // The file's bytes as Save writes them.
    std::string Bytes() const;

private:
    struct TSection {
        std::string name;               // empty for the lines before the first section
        std::vector<std::string> lines; // the header first, for a named section
    };
    TSection* Find(std::string_view section);
    const TSection* Find(std::string_view section) const;

    std::vector<TSection> sections_;
};

} // namespace lexorin
